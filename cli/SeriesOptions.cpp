#include "cli/SeriesOptions.h"

#include <memory>

#include "archive/ContactSearch.h"
#include "archive/SearchCriterion.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "labels/LabelMessages.h"
#include "labels/SelectionScan.h"
#include "printing/PrinterPage.h"
#include "printing/QPrinterPageDevice.h"

bool SeriesOptions::wanted(const QStringList &args) {
    for (const QString &a : args)
        if (a == QLatin1String("--all") || a == QLatin1String("--search") ||
            a == QLatin1String("--records"))
            return true;
    return false;
}

QString SeriesOptions::parse(const QStringList &args) {
    auto choose = [this](Kind k) {
        if (kind != Kind::None) return false;
        kind = k;
        return true;
    };
    const QString once = QStringLiteral("scegliere uno solo fra --all, --search e --records");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const qsizetype left = args.size() - i - 1;
        if (a == QLatin1String("--all")) {
            if (!choose(Kind::All)) return once;
        } else if (a == QLatin1String("--search")) {
            if (!choose(Kind::Search)) return once;
            if (left < 2) return QStringLiteral("--search vuole CRITERIO e CHIAVE");
            criterion = args.at(++i);
            key = args.at(++i);
        } else if (a == QLatin1String("--records")) {
            if (!choose(Kind::Records)) return once;
            if (left < 1) return QStringLiteral("--records vuole i numeri delle schede");
            for (const QString &part : args.at(++i).split(u',')) {
                bool ok = false;
                const int n = part.trimmed().toInt(&ok);
                if (!ok) return QStringLiteral("numero di scheda non valido: ") + part;
                records << n;
            }
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--printer")) {
            if (left < 1 || args.at(i + 1).isEmpty())
                return a == QLatin1String("--pdf")
                           ? QStringLiteral("--pdf richiede un file")
                           : QStringLiteral("--printer richiede il nome di una stampante");
            (a == QLatin1String("--pdf") ? pdf : printer) = args.at(++i);
        } else {
            rest << a;
        }
    }
    if (kind == Kind::None)
        return QStringLiteral("serve --all, --search CRITERIO CHIAVE oppure --records N");
    if (pdf.isEmpty() == printer.isEmpty())
        return QStringLiteral("serve --pdf FILE oppure --printer NOME");
    return QString();
}

int SeriesOptions::select(ArchiveStore &store, ContactSelection &selection) const {
    switch (kind) {
        case Kind::All:
            selection = ContactSelection::wholeArchive();
            return 0;
        case Kind::Records:
            selection = ContactSelection::records(records);
            return 0;
        case Kind::Search: {
            const auto field = SearchCriterion::fieldFor(criterion);
            if (!field) return CliIo::usage(QStringLiteral("criterio sconosciuto: ") + criterion);
            const ContactSearch::Result result = ContactSearch::run(store, *field, key);
            if (!result.readOk) return CliRecord::unreadable(store);
            selection = ContactSelection::searchResult(result.hits);
            return 0;
        }
        case Kind::None:
            break;
    }
    return CliIo::usage(QString());
}

int SeriesOptions::openOutput() const {
    PrinterPage &page = PrinterPage::printer();
    if (!pdf.isEmpty()) {
        page.setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(pdf)));
        return 0;
    }
    if (!page.selectPrinter(printer))
        return CliIo::fail(QStringLiteral("La stampante \"%1\" non è installata.").arg(printer));
    return 0;
}

int SeriesOptions::scan(ArchiveStore &store, const ContactSelection &selection, int &printable) {
    const QString refused = selection.check(store);
    if (!refused.isEmpty()) return CliIo::fail(refused);
    const SelectionScan scan = SelectionScan::run(store, selection);
    if (!scan.readOk) return CliRecord::unreadable(store);
    for (const SelectionScan::LeftOut &who : scan.leftOut)
        CliIo::err(SelectionScan::leftOutLine(who));
    if (scan.printable == 0) return CliIo::fail(QString::fromUtf8(LabelMessages::kNoAddressText));
    printable = scan.printable;
    return 0;
}
