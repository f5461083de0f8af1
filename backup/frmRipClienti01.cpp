#include "backup/frmRipClienti01.h"

#include <QDir>
#include <QFileInfo>

#include "archive/ArchiveStore.h"
#include "backup/BackupMessages.h"
#include "backup/BackupProcedure.h"
#include "platform/Platform.h"
#include "ui/ShowMessage.h"

frmRipClienti01::frmRipClienti01(QWidget *parent)
    : frmBackupPage(parent, "frmRipClienti01",
                    QStringLiteral("Ripristino backup archivio dati personali"),
                    ":/art/filebkc.svg", " Seleziona file di backup ", ":/art/ripristino.svg",
                    " Effettua ripristino ") {
    connect(cmdSelect, &QPushButton::clicked, this, &frmRipClienti01::cmdSelect_Click);
    connect(cmdEffettua, &QPushButton::clicked, this, &frmRipClienti01::cmdEffettua_Click);
    Form_Load();
}

void frmRipClienti01::Form_Load() {
    ArchiveStore store;
    // Counting the records creates a missing archive empty.
    lblInfo01->setText(
        BackupProcedure(store, showMessage).sizeText(BackupProcedure::Kind::Restore));
    showChoice(QString(), BackupMessages::kNoFile);
}

void frmRipClienti01::cmdSelect_Click() {
    const QString file = Platform::instance().openFileDialog(
        QString::fromUtf8(BackupMessages::kFileDialogTitle),
        {{QStringLiteral("Backup archivio contatti (*.bkc)"), QStringLiteral("*.bkc")},
         {QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*")}},
        0, QDir::currentPath());
    // What the dialog gives must be a file: a folder or a vanished path is no backup.
    if (!file.isEmpty() && !QFileInfo(file).isFile()) {
        showChoice(QString(), BackupMessages::kNoFile);
        Platform::instance().messageBox(QString::fromUtf8(BackupMessages::kInvalidFileText),
                                        QString::fromUtf8(BackupMessages::kInvalidFileTitle),
                                        MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    showChoice(file, BackupMessages::kNoFile);
}

void frmRipClienti01::cmdEffettua_Click() {
    ArchiveStore store;
    BackupProcedure procedure(store, showMessage);
    procedure.afterRestore = [this] { emit archiveReplaced(); };
    if (procedure.restore(lblCartella->text()) == BackupProcedure::Outcome::Done) finish();
}
