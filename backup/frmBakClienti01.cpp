#include "backup/frmBakClienti01.h"

#include "archive/ArchiveStore.h"
#include "backup/BackupMessages.h"
#include "backup/BackupProcedure.h"
#include "platform/Platform.h"
#include "ui/ShowMessage.h"

frmBakClienti01::frmBakClienti01(QWidget *parent)
    : frmBackupPage(parent, "frmBakClienti01",
                    QStringLiteral("Creazione backup archivio dati personali"),
                    ":/art/cartella.svg", " Seleziona cartella ", ":/art/effettua_backup.svg",
                    " Effettua backup ") {
    connect(cmdSelect, &QPushButton::clicked, this, &frmBakClienti01::cmdSelect_Click);
    connect(cmdEffettua, &QPushButton::clicked, this, &frmBakClienti01::cmdEffettua_Click);
    Form_Load();
}

void frmBakClienti01::Form_Load() {
    ArchiveStore store;
    lblInfo01->setText(BackupProcedure(store, showMessage).sizeText(BackupProcedure::Kind::Backup));
    showChoice(QString(), BackupMessages::kNoFolder);
}

void frmBakClienti01::cmdSelect_Click() {
    const QString folder = Platform::instance().folderDialog(
        QString::fromUtf8(BackupMessages::kFolderDialogTitle), QString());
    showChoice(folder, BackupMessages::kNoFolder);
}

void frmBakClienti01::cmdEffettua_Click() {
    ArchiveStore store;
    BackupProcedure procedure(store, showMessage);
    const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
    if (procedure.backup(lblCartella->text(), today) == BackupProcedure::Outcome::Done) finish();
}
