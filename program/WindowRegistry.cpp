#include "program/WindowRegistry.h"

#include "app/frmAbout.h"
#include "app/frmHelpForm.h"
#include "app/frmInfo.h"
#include "app/frmMenu.h"
#include "archive/ArchiveStore.h"
#include "archive/frmArchivio.h"
#include "cards/frmBiglietti.h"
#include "contactfiles/ContactExportRequest.h"
#include "contactfiles/frmImporta.h"
#include "envelopes/frmLettera.h"
#include "office/frmToExcel.h"
#include "program/ArchiveWindowExports.h"
#include "search/frmTrovaContatto.h"
#include "ui/Hub.h"
#include "ui/ShowMessage.h"

void registerWindows() {
    Hub &hub = Hub::instance();
    hub.registerMain(Hub::Main::Menu, [] { return new frmMenu; });
    hub.registerMain(Hub::Main::Archive, [] { return new frmArchivio; });
    hub.registerMain(Hub::Main::Cards, [] { return new frmBiglietti; });
    hub.registerMain(Hub::Main::Envelopes, [] { return new frmLettera; });
    hub.registerAction(Hub::Action::Search, [](QWidget *caller, const QString &tag) {
        frmTrovaContatto::openFor(caller, tag);
    });
    hub.registerAction(Hub::Action::ExportXlsx,
                       [](QWidget *caller, const QString &) { frmToExcel(caller).exec(); });
    hub.registerAction(Hub::Action::ExportDoc, [](QWidget *caller, const QString &) {
        ArchiveWindowExports::exportDataSheet(qobject_cast<frmArchivio *>(caller));
    });
    hub.registerAction(Hub::Action::ImportContacts, [](QWidget *caller, const QString &) {
        ArchiveStore store;
        frmImporta::run(caller, store);
    });
    hub.registerAction(Hub::Action::ExportContacts, [](QWidget *, const QString &format) {
        ArchiveStore store;
        showMessage(ContactExportRequest::run(store, format == QLatin1String("vcard")
                                                         ? ContactExport::Format::Vcard
                                                         : ContactExport::Format::Csv));
    });
    hub.registerAction(Hub::Action::Backup, [](QWidget *caller, const QString &) {
        ArchiveWindowExports::runBackupWizard(qobject_cast<frmArchivio *>(caller));
    });

    // Help topics, information and about windows.
    hub.registerAction(Hub::Action::Help, [](QWidget *caller, const QString &topic) {
        frmHelpForm::openTopic(caller, topic);
    });
    hub.registerAction(Hub::Action::Info,
                       [](QWidget *caller, const QString &) { frmInfo::showModal(caller); });
    hub.registerAction(Hub::Action::About,
                       [](QWidget *caller, const QString &) { frmAbout::showModal(caller); });
}
