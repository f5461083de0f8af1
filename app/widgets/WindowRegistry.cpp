#include "app/widgets/WindowRegistry.h"

#include "app/frmMenu.h"
#include "app/widgets/Hub.h"
#include "exchange/frmToExcel.h"
#include "exchange/widgets/BackupWizard.h"

void registerWindows() {
    Hub &hub = Hub::instance();
    hub.registerMain(Hub::Main::Menu, [] { return new frmMenu; });
    hub.registerAction(QStringLiteral("export-xlsx"),
                       [](QWidget *caller, const QString &) { frmToExcel(caller).exec(); });
    hub.registerAction(QStringLiteral("backup"),
                       [](QWidget *caller, const QString &) { BackupWizard::run(caller); });
}
