#include "app/widgets/WindowRegistry.h"

#include "app/frmAbout.h"
#include "app/frmHelpForm.h"
#include "app/frmInfo.h"
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

    // Help topics, information and about windows.
    hub.registerAction(QStringLiteral("help"), [](QWidget *caller, const QString &topic) {
        frmHelpForm::openTopic(caller, topic);
    });
    hub.registerAction(QStringLiteral("info"),
                       [](QWidget *caller, const QString &) { frmInfo::showModal(caller); });
    hub.registerAction(QStringLiteral("about"),
                       [](QWidget *caller, const QString &) { frmAbout::showModal(caller); });
}
