// envelope: prints one envelope as the envelope composer does after opening.
#include <optional>

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
#include "envelopes/EnvelopeSize.h"
#include "envelopes/OrientationWord.h"
#include "envelopes/SenderLogo.h"
#include "printing/PrintTarget.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"

namespace {

struct Options {
    int record = 0;
    QString pdf;
    QString printer;
    std::optional<EnvelopeSize::Size> size;
    QString badSize;
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
        } else if (a == QLatin1String("--size")) {
            if (!hasValue) return QStringLiteral("--size richiede un formato di busta");
            const QString word = args.at(++i);
            o.size = EnvelopeSize::fromWord(word);
            if (!o.size || word == EnvelopeSize::settingWord(EnvelopeSize::Size::Printer))
                o.badSize = word;
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
    if (!o.badSize.isNull())
        return CliIo::fail(QStringLiteral("Formato di busta sconosciuto: %1 (dl, americana, c6, "
                                          "c5, c4, a4 o printer).")
                               .arg(o.badSize));

    EnvelopeContent content = EnvelopeContent::design();
    EnvelopeSettings::load(content, SettingsFile(), SenderLogo::programFilePath());

    if (o.record > 0) {
        ArchiveStore store;
        ContactRecord r;
        if (const int status = CliRecord::read(store, o.record, r, CliRecord::Empty::EmptyArchive))
            return status;
        content.recipient = EnvelopeContent::recipientFrom(r);
    }
    // The size asked for, laid as "Orientamento" of Cartaflex.ini says; with no orientation
    // kept, an envelope is laid across: upright, its narrow edge would cut the recipient.
    if (o.size) {
        content.paper = EnvelopeSize::paper(*o.size);
        if (EnvelopeSize::isEnvelope(*o.size) && !EnvelopeSettings::orientationKept(SettingsFile()))
            content.orientation = OrientationWord::landscape();
    }

    if (o.pdf.isEmpty() && !PrinterList::contains(o.printer))
        return CliIo::fail(QStringLiteral("La stampante \"%1\" non è installata.").arg(o.printer));
    PrintToTarget print;
    const bool ok =
        print.run(o.pdf.isEmpty() ? PrintTarget::toQueue(o.printer) : PrintTarget::toPdf(o.pdf),
                  [&](PrinterPage &page) { return EnvelopePrinter::print(content, page); });
    if (!ok)
        return CliIo::fail(
            QStringLiteral("Impossibile stampare la busta: %1").arg(print.errorString()));
    return 0;
}

const CliRegistry::Entry kEnvelope("envelope",
                                   "envelope [--record N | --all | --search CRITERIO CHIAVE | "
                                   "--records N[,N...]] [--size dl|americana|c6|c5|c4|a4|printer] "
                                   "(--pdf FILE | --printer NOME)",
                                   envelope);

}  // namespace
