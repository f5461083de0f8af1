#include <QApplication>

#include "platform/Translations.h"
#include "platform/widgets/DesktopPlatform.h"
#include "program/WindowRegistry.h"
#include "ui/Hub.h"

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
