#include <QApplication>

#include "ui/Hub.h"
#include "program/WindowRegistry.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopPlatform.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cartaflex"));
    QApplication::setOrganizationName(QStringLiteral("Cartaflex"));
    Translations::installItalian(app);
    Platform::install(new DesktopPlatform);
    registerWindows();
    Hub::instance().start();
    return app.exec();
}
