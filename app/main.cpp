#include <QApplication>

#include "app/widgets/Hub.h"
#include "app/widgets/WindowRegistry.h"
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
