#include "program/ArchiveWindowExports.h"

#include <QPointer>

#include "archive/frmArchivio.h"
#include "backup/widgets/BackupWizard.h"
#include "office/DataSheetExport.h"
#include "ui/ShowMessage.h"

DataSheetContent ArchiveWindowExports::contentOf(const frmArchivio &window) {
    DataSheetContent c;
    c.titolo = window.txtTitolo->text();
    const QLineEdit *boxes[DataSheetContent::kRows] = {
        window.txtSottotitolo,  window.txtIndirizzo, window.txtCitta, window.txtIva,
        window.txtTel,          window.txtFax,       window.txtCel,   window.txtEmail,
        window.txtInformazioni, window.txtWeb};
    for (int i = 0; i < DataSheetContent::kRows; ++i) c.values[i] = boxes[i]->text();
    c.logoPath = window.txtLogo03->text();
    return c;
}

void ArchiveWindowExports::exportDataSheet(frmArchivio *window) {
    if (!window) return;
    const QImage emptyLogo = window->picNuovo->pixmap().toImage();
    const DataSheetExport::Result result = DataSheetExport::run(contentOf(*window), emptyLogo);
    showMessages(result.messages);
    if (result.outcome == DataSheetExport::Outcome::MissingName) window->txtTitolo->setFocus();
}

void ArchiveWindowExports::runBackupWizard(frmArchivio *window) {
    QPointer<frmArchivio> archive(window);
    BackupWizard::run(window, [archive] {
        if (archive) archive->resetToNoRecord();
    });
}
