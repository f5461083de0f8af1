#include <QGuiApplication>
#include <cstdio>

#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "cli/ConsolePlatform.h"
#include "platform/ProgramFolder.h"
#include "platform/Translations.h"
#include "printing/QtPrintSystem.h"

namespace {

// Standard error carries the program's own messages only: Qt's notes about the session
// (no runtime folder, font fallbacks) are not for the user of a script.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) {
        const QByteArray bytes = (message + u'\n').toUtf8();
        std::fwrite(bytes.constData(), 1, bytes.size(), stderr);
    }
}

}  // namespace

int main(int argc, char *argv[]) {
    qInstallMessageHandler(quietQtMessages);
    // The terminal front end draws nothing on a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Cartaflex"));
    Translations::installItalian(app);
    Platform::install(new ConsolePlatform);
    PrintSystem::install(new QtPrintSystem);

    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--folder"))) {
        QString folder;
        if (args.first() == QLatin1String("--folder")) {
            if (args.size() < 2)
                return CliIo::usage(QStringLiteral("--folder richiede una cartella"));
            folder = args.at(1);
            args = args.mid(2);
        } else {
            folder = args.first().mid(int(qstrlen("--folder=")));
            args = args.mid(1);
        }
        if (folder.isEmpty()) return CliIo::usage(QStringLiteral("--folder richiede una cartella"));
        ProgramFolder::setPath(folder);
    }
    if (args.isEmpty()) return CliIo::usage(QString());
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("help")) {
        CliIo::out(CliRegistry::usageText());
        return 0;
    }
    auto &commands = CliRegistry::commands();
    auto it = commands.find(name);
    if (it == commands.end()) return CliIo::usage(QStringLiteral("comando sconosciuto: ") + name);
    const QString folderProblem = ProgramFolder::prepare();
    if (!folderProblem.isEmpty()) return CliIo::fail(folderProblem);
    return it->second.handler(args);
}
