// search, print-search: the contact search and its printed list from the terminal.
#include "archive/ArchiveStore.h"
#include "archive/ContactSearch.h"
#include "archive/SearchCriterion.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "printing/PrintTarget.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "search/SearchListPrint.h"

namespace {

QString criteriaText() {
    return QStringLiteral("criteri: \"") +
           SearchCriterion::entryTexts().join(QStringLiteral("\", \"")) + u'"';
}

// Runs the search named by the first two arguments; false (and the exit status in
// `status`) when the arguments are wrong or the archive cannot be read.
bool runSearch(const QStringList &args, ContactSearch::Result &result, int &status) {
    const auto field = SearchCriterion::fieldFor(args.at(0));
    if (!field) {
        status = CliIo::usage(QStringLiteral("criterio sconosciuto: ") + args.at(0) + u'\n' +
                              criteriaText());
        return false;
    }
    ArchiveStore store;
    result = ContactSearch::run(store, *field, args.at(1));
    if (!result.readOk) {
        status = CliRecord::unreadable(store);
        return false;
    }
    return true;
}

int search(const QStringList &args) {
    if (args.size() != 2)
        return CliIo::usage(QStringLiteral("search vuole CRITERIO e CHIAVE\n") + criteriaText());
    ContactSearch::Result result;
    int status = 0;
    if (!runSearch(args, result, status)) return status;
    QString buffer;
    for (const SearchHit &hit : result.hits) {
        buffer += hit.line;
        buffer += u'\n';
        if (buffer.size() > 1 << 16) {
            buffer.chop(1);
            CliIo::out(buffer);
            buffer.clear();
        }
    }
    buffer += ContactSearch::countCaption(int(result.hits.size()));
    CliIo::out(buffer);
    return 0;
}

int printSearch(const QStringList &args) {
    QStringList rest = args;
    QString pdf;
    QString queue;
    for (qsizetype i = 0; i < rest.size();) {
        const QString a = rest.at(i);
        if ((a == QLatin1String("--pdf") || a == QLatin1String("--printer")) &&
            i + 1 < rest.size()) {
            (a == QLatin1String("--pdf") ? pdf : queue) = rest.at(i + 1);
            rest.remove(i, 2);
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--printer")) {
            return CliIo::usage(a + QStringLiteral(" vuole un argomento"));
        } else {
            ++i;
        }
    }
    if (rest.size() != 2 || pdf.isEmpty() == queue.isEmpty())
        return CliIo::usage(QStringLiteral(
            "print-search vuole CRITERIO CHIAVE e --pdf FILE oppure --printer NOME"));

    ContactSearch::Result result;
    int status = 0;
    if (!runSearch(rest, result, status)) return status;

    if (pdf.isEmpty() && !PrinterList::contains(queue))
        return CliIo::fail(SearchListPrint::errorText() +
                           QStringLiteral("\n(stampante non trovata: ") + queue + u')');
    QStringList lines;
    lines.reserve(result.hits.size());
    for (const SearchHit &hit : result.hits) lines << hit.line;
    const Message refused = SearchListPrint::refusal(lines);
    if (!refused.isEmpty()) return CliIo::fail(refused.text);
    Message failed;
    PrintToTarget print;
    const bool finished = print.run(
        pdf.isEmpty() ? PrintTarget::toQueue(queue) : PrintTarget::toPdf(pdf), [&](PrinterPage &) {
            failed =
                SearchListPrint::run(lines, ContactSearch::countCaption(int(result.hits.size())));
            return true;  // its own failure is told below
        });
    if (!failed.isEmpty()) return CliIo::fail(failed.text);
    if (!finished) return CliIo::fail(SearchListPrint::errorText());
    return 0;
}

const CliRegistry::Entry kSearch("search", "search CRITERIO CHIAVE", search);
const CliRegistry::Entry kPrintSearch("print-search",
                                      "print-search CRITERIO CHIAVE (--pdf FILE | --printer NOME)",
                                      printSearch);

}  // namespace
