#include "backup/frmBackupPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "archive/ContactRecord.h"
#include "backup/widgets/BackupWizardArt.h"
#include "ui/PanelLabel.h"

namespace {

// The words beside a picture button, its first letter underlined: Alt and that letter
// put the focus on the button.
QLabel *buttonCaption(QWidget *parent, const char *name, const char *tip, QPushButton *button) {
    auto *l = new QLabel(QLatin1Char('&') + QString::fromUtf8(tip).trimmed(), parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(button);
    return l;
}

}  // namespace

frmBackupPage::frmBackupPage(QWidget *parent, const char *name, const QString &caption,
                             const char *selectArt, const char *selectTip, const char *performArt,
                             const char *performTip)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setModal(true);

    lblInfo01 = PanelLabel::text(this, "lblInfo01", "");
    lblInfo01->setMinimumHeight(90);
    lblInfo01->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fraPath = new QGroupBox(this);
    fraPath->setObjectName(QStringLiteral("fraPath"));
    lblCartella = PanelLabel::text(fraPath, "lblCartella", "");
    lblCartella->setStyleSheet(QStringLiteral("color: #1d3c5e; font-weight: bold;"));
    lblCartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *path = new QHBoxLayout(fraPath);
    path->addWidget(lblCartella);

    cmdSelect = BackupWizardArt::pictureButton(this, "cmdSelect", selectArt, selectTip);
    cmdEffettua = BackupWizardArt::pictureButton(this, "cmdEffettua", performArt, performTip);
    cmdEffettua->setEnabled(false);
    imgMano01 = PanelLabel::picture(this, "imgMano01", ":/art/mano.svg", QSize(48, 32));
    imgMano02 = PanelLabel::picture(this, "imgMano02", ":/art/mano.svg", QSize(48, 32));
    imgMano02->hide();
    cmdIndietro =
        BackupWizardArt::pictureButton(this, "cmdIndietro", ":/art/indietro.svg", " Indietro ");
    cmdEsci = BackupWizardArt::pictureButton(this, "cmdEsci", ":/art/esci.svg", " Esci ");

    // Each hand keeps its place beside its button, shown or not.
    auto *actions = new QGridLayout;
    actions->addWidget(imgMano01, 0, 0);
    actions->addWidget(cmdSelect, 0, 1);
    actions->addWidget(buttonCaption(this, "lblSelect", selectTip, cmdSelect), 0, 2);
    actions->addWidget(imgMano02, 1, 0);
    actions->addWidget(cmdEffettua, 1, 1);
    actions->addWidget(buttonCaption(this, "lblEffettua", performTip, cmdEffettua), 1, 2);
    actions->setColumnMinimumWidth(0, 48);
    actions->setColumnStretch(2, 1);
    QSizePolicy keep = imgMano01->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    imgMano01->setSizePolicy(keep);
    imgMano02->setSizePolicy(keep);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdIndietro);
    buttons->addWidget(cmdEsci);

    auto *all = new QVBoxLayout(this);
    all->addWidget(lblInfo01);
    all->addWidget(fraPath);
    all->addLayout(actions);
    all->addStretch(1);
    all->addLayout(buttons);
    setFixedSize(540, 400);

    connect(cmdIndietro, &QPushButton::clicked, this, &frmBackupPage::cmdIndietro_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmBackupPage::cmdEsci_Click);
}

void frmBackupPage::showChoice(const QString &chosen, const char *noneText) {
    const bool none = ContactRecord::trimBlanks(chosen).isEmpty();
    lblCartella->setText(none ? QString::fromUtf8(noneText) : chosen);
    cmdEffettua->setEnabled(!none);
    imgMano01->setVisible(none);
    imgMano02->setVisible(!none);
}

void frmBackupPage::finish() {
    m_next = Next::End;
    accept();
}

void frmBackupPage::cmdIndietro_Click() {
    m_next = Next::Back;
    reject();
}

void frmBackupPage::cmdEsci_Click() {
    m_next = Next::End;
    reject();
}
