// test-page, calibrate, print-help: the printer's own commands.
#include "app/HelpTopicPrint.h"
#include "app/HelpTopics.h"
#include "archive/SettingsFile.h"
#include "cards/CardFormat.h"
#include "cards/CardTestPage.h"
#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "printing/CalibrationSettings.h"
#include "printing/PrintTarget.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"

namespace {

// Reads "--pdf FILE" or "--printer NAME" from the arguments after the first `skip` ones.
bool readTarget(const QStringList &args, int skip, PrintTarget &target) {
    if (args.size() != skip + 2 || args.at(skip + 1).isEmpty()) return false;
    if (args.at(skip) == QLatin1String("--pdf")) {
        target = PrintTarget::toPdf(args.at(skip + 1));
        return true;
    }
    if (args.at(skip) == QLatin1String("--printer")) {
        target = PrintTarget::toQueue(args.at(skip + 1));
        return true;
    }
    return false;
}

int printTo(const PrintTarget &target, const PrintToTarget::Job &job) {
    if (!target.isPdf() && !PrinterList::contains(target.queue))
        return CliIo::fail(PrintToTarget::failureText());
    PrintToTarget print;
    if (!print.run(target, job)) return CliIo::fail(PrintToTarget::failureText());
    return 0;
}

int testPage(const QStringList &args) {
    PrintTarget target;
    if (args.isEmpty() || !readTarget(args, 1, target))
        return CliIo::usage(
            QStringLiteral("test-page vuole il formato e --pdf FILE oppure "
                           "--printer NOME"));
    const auto format = CardFormats::fromTag(args.first());
    if (!format) return CliIo::usage(QStringLiteral("formato sconosciuto: ") + args.first());
    return printTo(target, [&](PrinterPage &page) { return CardTestPage::print(page, *format); });
}

int calibrate(const QStringList &args) {
    if (args.size() != 1 && args.size() != 3 && args.size() != 5)
        return CliIo::usage(QStringLiteral("calibrate vuole NOME [DX DY [SX SY]]"));
    const QString queue = args.first();
    SettingsFile settings;
    if (args.size() == 1) {
        CliIo::out(CalibrationSettings::read(settings, queue).text());
        return 0;
    }
    double v[4] = {0, 0, 100, 100};
    for (int i = 1; i < args.size(); ++i) {
        bool ok = false;
        v[i - 1] = args.at(i).toDouble(&ok);
        if (!ok) return CliIo::fail(QStringLiteral("Valore non valido: ") + args.at(i));
    }
    const auto c = PrinterCalibration::of(v[0], v[1], v[2], v[3]);
    if (!c)
        return CliIo::fail(
            QStringLiteral("Lo scarto va da -20,0 a +20,0 mm e la scala da 98,0 a 102,0 %."));
    if (!CalibrationSettings::write(settings, queue, *c))
        return CliIo::fail(QStringLiteral("Impossibile scrivere il file ") + settings.filePath());
    CliIo::out(c->text());
    return 0;
}

int printHelp(const QStringList &args) {
    PrintTarget target;
    if (args.isEmpty() || !readTarget(args, 1, target))
        return CliIo::usage(
            QStringLiteral("print-help vuole N e --pdf FILE oppure --printer NOME"));
    const QStringList keys = HelpTopics::keys();
    bool ok = false;
    const int n = args.first().toInt(&ok);
    if (!ok || n < 1 || n > keys.size())
        return CliIo::fail(QStringLiteral("Argomento della guida sconosciuto: %1 (da 1 a %2).")
                               .arg(args.first())
                               .arg(keys.size()));
    const HelpTopic topic = *HelpTopics::find(keys.at(n - 1));
    WrappedTextBox box;
    box.text = HelpTopics::text(topic.paragraphs);
    // The help window's text box font.
    box.font.name = QStringLiteral("Verdana");
    box.font.size = 9;
    return printTo(target, [&](PrinterPage &page) {
        HelpTopicPrint::print(page, topic.title, box);
        return page.ok();
    });
}

const CliRegistry::Entry kTestPage("test-page",
                                   "test-page card01|card02|card03|card04 (--pdf FILE | --printer "
                                   "NOME)",
                                   testPage);
const CliRegistry::Entry kCalibrate("calibrate", "calibrate NOME [DX DY [SX SY]]", calibrate);
const CliRegistry::Entry kPrintHelp("print-help", "print-help N (--pdf FILE | --printer NOME)",
                                    printHelp);

}  // namespace
