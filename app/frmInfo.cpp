#include "app/frmInfo.h"

#include <QDir>

#include "platform/Artwork.h"
#include "platform/ProgramFolder.h"
#include "ui/ArtButton.h"

namespace {

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, QRect r) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

frmInfo::frmInfo(QWidget *parent)
    : SmallDialog(QStringLiteral("frmInfo"), QStringLiteral("Informazioni su Cartaflex 2.0"),
                  QSize(480, 380), Background::Plain, parent) {
    cmdLogo = ArtButton::make(this, QStringLiteral("cmdLogo"),
                              QStringLiteral(":/art/info_logo.svg"), QSize(72, 72));
    cmdLogo->move(20, 18);
    lblProdotto = textLabel(
        this, QStringLiteral("lblProdotto"),
        QStringLiteral("Cartaflex 2.0\nBiglietti da visita, buste e archivio dati personali"),
        QRect(112, 22, 350, 64));
    lblProdotto->setStyleSheet(
        QStringLiteral("color: #1d3c5e; font-size: 14px; font-weight: bold;"));

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(20, 104, 440, 2);
    rule->setStyleSheet(QStringLiteral("color: #8a97a6;"));

    cmdUtente = ArtButton::make(this, QStringLiteral("cmdUtente"),
                                QStringLiteral(":/art/info_utente.svg"), QSize(56, 56));
    cmdUtente->move(28, 122);
    lblUtente = textLabel(
        this, QStringLiteral("lblUtente"),
        QStringLiteral(
            "Versione 2.0 per un solo utente. L'archivio Contatti.edb, le impostazioni "
            "Cartaflex.ini e il logo del mittente Logo.bmp si trovano nella cartella:\n") +
            QDir::toNativeSeparators(ProgramFolder::path()),
        QRect(112, 114, 350, 84));

    cmdWarranty = ArtButton::make(this, QStringLiteral("cmdWarranty"),
                                  QStringLiteral(":/art/info_garanzia.svg"), QSize(56, 56));
    cmdWarranty->move(28, 216);
    lblGaranzia = textLabel(
        this, QStringLiteral("lblGaranzia"),
        QStringLiteral("Il programma è fornito così com'è, senza garanzie di alcun tipo. Si "
                       "consiglia di eseguire periodicamente una copia di sicurezza "
                       "dell'archivio con la procedura guidata di backup."),
        QRect(112, 208, 350, 80));

    cmdLogo->setAccessibleName(QStringLiteral("Logo di Cartaflex"));
    cmdUtente->setAccessibleName(QStringLiteral("Utente"));
    cmdWarranty->setAccessibleName(QStringLiteral("Garanzia"));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(360, 326, 100, 34);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);
}

void frmInfo::showModal(QWidget *caller) {
    frmInfo window(caller);
    window.exec();
}

void frmInfo::cmdOK_Click() {
    done(QDialog::Accepted);
}
