#include <QApplication>

#include "platform/ProgramFolder.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopPlatform.h"
#include "printing/QtPrintSystem.h"
#include "program/WindowRegistry.h"
#include "ui/FocusFrame.h"
#include "ui/Hub.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cartaflex"));
    // The menu entry it.cartaflex.Cartaflex.desktop names this program's windows.
    QApplication::setDesktopFileName(QStringLiteral("it.cartaflex.Cartaflex"));
    Translations::installItalian(app);
    Platform::install(new DesktopPlatform);
    PrintSystem::install(new QtPrintSystem);
    const QString folderProblem = ProgramFolder::prepare();
    if (!folderProblem.isEmpty()) {
        Platform::instance().messageBox(folderProblem,
                                        QString::fromUtf8(ProgramFolder::kUncreatableTitle),
                                        MsgIcon::Critical, MsgButtons::Ok);
        return 1;
    }
    FocusFrame::install();
    registerWindows();
    Hub::instance().start();
    return app.exec();
}
