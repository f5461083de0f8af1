#include "app/widgets/WindowRegistry.h"

#include "app/frmMenu.h"
#include "app/widgets/Hub.h"
#include "archive/frmArchivio.h"
#include "cards/frmBiglietti.h"
#include "envelopes/frmLettera.h"
#include "exchange/frmTrovaContatto.h"

void registerWindows() {
    Hub &hub = Hub::instance();
    hub.registerMain(Hub::Main::Menu, [] { return new frmMenu; });
    hub.registerMain(Hub::Main::Archive, [] { return new frmArchivio; });
    hub.registerMain(Hub::Main::Cards, [] { return new frmBiglietti; });
    hub.registerMain(Hub::Main::Envelopes, [] { return new frmLettera; });
    hub.registerAction(QStringLiteral("search"), [](QWidget *caller, const QString &tag) {
        frmTrovaContatto::openFor(caller, tag);
    });
}
