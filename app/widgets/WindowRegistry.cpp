#include "app/widgets/WindowRegistry.h"

#include "app/frmMenu.h"
#include "app/widgets/Hub.h"
#include "exchange/frmTrovaContatto.h"

void registerWindows() {
    Hub &hub = Hub::instance();
    hub.registerMain(Hub::Main::Menu, [] { return new frmMenu; });
    hub.registerAction(QStringLiteral("search"), [](QWidget *caller, const QString &tag) {
        frmTrovaContatto::openFor(caller, tag);
    });
}
