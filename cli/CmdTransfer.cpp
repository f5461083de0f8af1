// import, export-csv, export-vcard: contacts in and out in the formats of other programs.
#include "archive/ArchiveStore.h"
#include "archive/ContactSearch.h"
#include "archive/SearchCriterion.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "contactfiles/ContactExport.h"
#include "contactfiles/ContactImport.h"

namespace {

int importContacts(const QStringList &args) {
    QString file;
    bool all = false;
    bool dryRun = false;
    for (const QString &a : args) {
        if (a == QLatin1String("--all"))
            all = true;
        else if (a == QLatin1String("--dry-run"))
            dryRun = true;
        else if (a.startsWith(QLatin1String("--")) || !file.isEmpty())
            return CliIo::usage(QStringLiteral("argomento non valido per import: ") + a);
        else
            file = a;
    }
    if (file.isEmpty()) return CliIo::usage(QStringLiteral("import vuole il file da importare"));

    ArchiveStore store;
    ContactImport import(store);
    if (!import.open(file)) return CliIo::fail(import.message());
    // The rows are printed once the whole file has been read: a file found unsound
    // half-way prints its message only.
    QString lines;
    auto row = [&](const ImportRow &r) {
        lines += ImportRow::statusText(r.status);
        lines += u'\t';
        lines += r.record.titolo();
        lines += u'\n';
    };
    if (dryRun) {
        if (!import.preview(row)) return CliIo::fail(import.message());
        const int wouldImport = all ? import.rows() : import.rows() - import.alreadyPresent();
        lines += QStringLiteral("Da importare %1 contatti, %2 già presenti.")
                     .arg(wouldImport)
                     .arg(import.alreadyPresent());
    } else {
        if (!import.run(all ? ContactImport::Choice::All : ContactImport::Choice::NewOnly, row))
            return CliIo::fail(import.message());
        lines += import.message();
    }
    CliIo::out(lines);
    return 0;
}

// FILE [--search CRITERION KEY]
int exportContacts(const QStringList &args, ContactExport::Format format, const char *name) {
    const QString usage =
        QString::fromLatin1(name) + QStringLiteral(" vuole FILE [--search CRITERIO CHIAVE]");
    if (args.size() != 1 && !(args.size() == 4 && args.at(1) == QLatin1String("--search")))
        return CliIo::usage(usage);
    ArchiveStore store;
    ContactExport exporter;
    if (args.size() == 4) {
        const auto field = SearchCriterion::fieldFor(args.at(2));
        if (!field) return CliIo::usage(QStringLiteral("criterio sconosciuto: ") + args.at(2));
        const ContactSearch::Result result = ContactSearch::run(store, *field, args.at(3));
        if (!result.readOk) return CliRecord::unreadable(store);
        QSet<int> numbers;
        for (const SearchHit &hit : result.hits) numbers.insert(hit.listedNumber);
        exporter.restrictTo(numbers);
    }
    if (!exporter.write(store, args.first(), format)) return CliIo::fail(exporter.message());
    CliIo::out(exporter.message());
    return 0;
}

const CliRegistry::Entry kImport("import", "import FILE [--all] [--dry-run]", importContacts);
const CliRegistry::Entry kExportCsv("export-csv", "export-csv FILE [--search CRITERIO CHIAVE]",
                                    [](const QStringList &a) {
                                        return exportContacts(a, ContactExport::Format::Csv,
                                                              "export-csv");
                                    });
const CliRegistry::Entry kExportVcard("export-vcard",
                                      "export-vcard FILE [--search CRITERIO CHIAVE]",
                                      [](const QStringList &a) {
                                          return exportContacts(a, ContactExport::Format::Vcard,
                                                                "export-vcard");
                                      });

}  // namespace
