// envelope: prints one envelope as the envelope composer does after opening.
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "cli/CmdEnvelopeSeries.h"
#include "cli/FieldAssignments.h"
#include "envelopes/EnvelopeContent.h"
#include "envelopes/EnvelopePrinter.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/SenderLogo.h"
#include "platform/PrinterPage.h"
#include "platform/QPrinterPageDevice.h"

namespace {

struct Options {
    int record = 0;
    QString pdf;
    QString printer;
};

// Reads the options; an empty text when they are sound, else what is wrong.
QString parse(const QStringList &args, Options &o) {
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--record")) {
            if (!hasValue) return QStringLiteral("--record richiede il numero della scheda");
            o.record = FieldAssignments::recordNumber(args.at(++i));
            if (o.record == 0) return QStringLiteral("numero di scheda non valido: ") + args.at(i);
        } else if (a == QLatin1String("--pdf")) {
            if (!hasValue || args.at(i + 1).isEmpty())
                return QStringLiteral("--pdf richiede un file");
            o.pdf = args.at(++i);
        } else if (a == QLatin1String("--printer")) {
            if (!hasValue || args.at(i + 1).isEmpty())
                return QStringLiteral("--printer richiede il nome di una stampante");
            o.printer = args.at(++i);
        } else {
            return QStringLiteral("argomento sconosciuto: ") + a;
        }
    }
    if (o.pdf.isEmpty() == o.printer.isEmpty())
        return QStringLiteral("serve --pdf FILE oppure --printer NOME");
    return QString();
}

int envelope(const QStringList &args) {
    if (CmdEnvelopeSeries::wanted(args)) return CmdEnvelopeSeries::run(args);
    Options o;
    const QString bad = parse(args, o);
    if (!bad.isEmpty()) return CliIo::usage(bad);

    EnvelopeContent content = EnvelopeContent::design();
    EnvelopeSettings::load(content, SettingsFile(), SenderLogo::programFilePath());

    if (o.record > 0) {
        ArchiveStore store;
        ContactRecord r;
        if (const int status = CliRecord::read(store, o.record, r, CliRecord::Empty::EmptyArchive))
            return status;
        content.recipient[EnvelopeContent::RTitolo] =
            ContactRecord::trimBlanks(r.value(ContactRecord::Titolo));
        content.recipient[EnvelopeContent::RSottotitolo] =
            ContactRecord::trimBlanks(r.value(ContactRecord::Sottotitolo));
        content.recipient[EnvelopeContent::RIndirizzo] =
            ContactRecord::trimBlanks(r.value(ContactRecord::Indirizzo));
        content.recipient[EnvelopeContent::RCitta] =
            ContactRecord::trimBlanks(r.value(ContactRecord::Citta));
    }

    PrinterPage &page = PrinterPage::printer();
    if (!o.pdf.isEmpty()) {
        page.setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(o.pdf)));
    } else if (!page.selectPrinter(o.printer)) {
        return CliIo::fail(QStringLiteral("La stampante \"%1\" non è installata.").arg(o.printer));
    }
    const bool printed = EnvelopePrinter::print(content, page);
    const bool finished = page.finishJob();
    if (!printed || !finished)
        return CliIo::fail(
            QStringLiteral("Impossibile stampare la busta: %1").arg(page.errorString()));
    return 0;
}

const CliRegistry::Entry kEnvelope("envelope",
                                   "envelope [--record N | --all | --search CRITERIO CHIAVE | "
                                   "--records N[,N...]] (--pdf FILE | --printer NOME)",
                                   envelope);

}  // namespace
