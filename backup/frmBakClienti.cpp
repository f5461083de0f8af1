#include "backup/frmBakClienti.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "backup/widgets/BackupWizardArt.h"
#include "platform/Artwork.h"
#include "platform/VbColor.h"
#include "ui/Hub.h"
#include "ui/PanelLabel.h"
#include "ui/PictureKey.h"

namespace {

constexpr qint32 kChosenColor = 0x000000FF;  // red
constexpr qint32 kOtherColor = 0x00400000;   // dark blue

void setTextColor(QWidget *w, qint32 vb) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, VbColor::toColor(vb));
    p.setColor(QPalette::ButtonText, VbColor::toColor(vb));
    w->setPalette(p);
}

}  // namespace

frmBakClienti::frmBakClienti(QWidget *parent)
    : SmallDialog(QStringLiteral("frmBakClienti"),
                  QStringLiteral("Gestione backup archivio dati personali"), QSize(),
                  Background::None, parent) {
    lblInfo01 = PanelLabel::text(
        this, "lblInfo01",
        "Benvenuti nella procedura guidata che vi consentirà di effettuare una copia di sicurezza "
        "dell'archivio dati personali corrente o di ripristinare un file di backup creato in "
        "precedenza.");
    lblInfo01->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d3c5e;"));
    lblInfo02 = PanelLabel::text(
        this, "lblInfo02",
        "Per continuare, selezionare una delle seguenti opzioni e premere il pulsante Avanti in "
        "fondo alla schermata.");
    fraOpzioni = new QGroupBox(this);
    fraOpzioni->setObjectName(QStringLiteral("fraOpzioni"));
    optBakDDT = new QRadioButton(
        QStringLiteral(" Effettua il &backup dell'archivio dati personali corrente. "), fraOpzioni);
    optBakDDT->setObjectName(QStringLiteral("optBakDDT"));
    optRipDDT = new QRadioButton(QStringLiteral(" &Ripristina il file di backup di un archivio "
                                                "dati personali creato precedentemente. "),
                                 fraOpzioni);
    optRipDDT->setObjectName(QStringLiteral("optRipDDT"));
    auto *options = new QVBoxLayout(fraOpzioni);
    options->addWidget(optBakDDT);
    options->addWidget(optRipDDT);

    imgGuida = PictureKey::make(
        this, QStringLiteral("imgGuida"),
        QPixmap::fromImage(Artwork::render(QStringLiteral(":/art/guida.svg"), QSize(32, 32))),
        QRect(0, 0, 32, 32), QStringLiteral("Guida"), QStringLiteral(" Guida "));
    imgGuida->setFixedSize(32, 32);
    imgGuida->setEnabled(Hub::instance().hasAction(Hub::Action::Help));
    imgDex = PanelLabel::picture(this, "imgDex", ":/art/mano.svg", QSize(48, 32));
    imgDex->hide();
    cmdAvanti = BackupWizardArt::pictureButton(this, "cmdAvanti", ":/art/avanti.svg", " Avanti ");
    cmdAvanti->setEnabled(false);
    cmdEsci = BackupWizardArt::pictureButton(this, "cmdEsci", ":/art/esci.svg", " Esci ");

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(imgGuida);
    buttons->addStretch(1);
    buttons->addWidget(imgDex);
    buttons->addWidget(cmdAvanti);
    buttons->addWidget(cmdEsci);

    auto *all = new QVBoxLayout(this);
    all->addWidget(lblInfo01);
    all->addWidget(lblInfo02);
    all->addWidget(fraOpzioni);
    all->addStretch(1);
    all->addLayout(buttons);
    setFixedSize(610, 300);

    connect(optBakDDT, &QRadioButton::clicked, this, &frmBakClienti::optBakDDT_Click);
    connect(optRipDDT, &QRadioButton::clicked, this, &frmBakClienti::optRipDDT_Click);
    connect(cmdAvanti, &QPushButton::clicked, this, &frmBakClienti::cmdAvanti_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmBakClienti::cmdEsci_Click);
    connect(imgGuida, &QPushButton::clicked, this, &frmBakClienti::imgGuida_Click);
}

void frmBakClienti::choose(QRadioButton *chosen, QRadioButton *other) {
    setTextColor(chosen, kChosenColor);
    setTextColor(other, kOtherColor);
    cmdAvanti->setEnabled(true);
    imgDex->show();
}

void frmBakClienti::optBakDDT_Click() {
    choose(optBakDDT, optRipDDT);
}

void frmBakClienti::optRipDDT_Click() {
    choose(optRipDDT, optBakDDT);
}

void frmBakClienti::cmdAvanti_Click() {
    if (optBakDDT->isChecked())
        m_next = Choice::Backup;
    else if (optRipDDT->isChecked())
        m_next = Choice::Restore;
    else
        return;
    accept();
}

void frmBakClienti::cmdEsci_Click() {
    m_next = Choice::None;
    reject();
}

void frmBakClienti::imgGuida_Click() {
    Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("backup"));
}
