#include "app/frmAbout.h"

#include <QMouseEvent>

#include "archive/frmEmail.h"
#include "platform/Artwork.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "ui/ArtButton.h"
#include "ui/LinkButton.h"
#include "ui/PanelLabel.h"

namespace {

const QColor kLinkColour(0x00, 0x00, 0x80);

}  // namespace

frmAbout::frmAbout(QWidget *parent)
    : SmallDialog(QStringLiteral("frmAbout"),
                  QStringLiteral("Cartaflex 2.0 - Diritti e assistenza"), QSize(520, 420),
                  Background::Plain, parent) {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(16, 12, 488, 220);
    imgStemma = PanelLabel::picture(Frame1, QStringLiteral("imgStemma"),
                                    QStringLiteral(":/art/about_stemma.svg"), QSize(72, 84));
    imgStemma->move(18, 18);
    cmdLogo = ArtButton::make(Frame1, QStringLiteral("cmdLogo"),
                              QStringLiteral(":/art/info_logo.svg"), QSize(48, 48));
    cmdLogo->move(20, 140);
    cmdFoto = ArtButton::make(Frame1, QStringLiteral("cmdFoto"),
                              QStringLiteral(":/art/about_foto.svg"), QSize(200, 130));
    cmdFoto->move(272, 14);
    cmdInfo = ArtButton::make(Frame1, QStringLiteral("cmdInfo"),
                              QStringLiteral(":/art/about_info.svg"), QSize(32, 32));
    cmdInfo->move(100, 22);
    lblProdotto = new QLabel(Frame1);
    lblProdotto->setObjectName(QStringLiteral("lblProdotto"));
    lblProdotto->setGeometry(140, 20, 132, 120);
    lblProdotto->setWordWrap(true);
    lblProdotto->setTextFormat(Qt::PlainText);
    lblProdotto->setText(
        QStringLiteral("Cartaflex 2.0\n\nBiglietti da visita, buste e archivio "
                       "dati personali per il piccolo ufficio."));
    lblProdotto->setStyleSheet(QStringLiteral("color: #1d3c5e; font-weight: bold;"));
    auto *rights = new QLabel(Frame1);
    rights->setGeometry(84, 150, 390, 60);
    rights->setWordWrap(true);
    rights->setText(QStringLiteral(
        "Tutti i diritti riservati. Per domande, segnalazioni e suggerimenti scrivere "
        "all'assistenza o visitare il sito del prodotto."));

    imgEmail = PanelLabel::picture(this, QStringLiteral("imgEmail"),
                                   QStringLiteral(":/art/about_email.svg"), QSize(32, 32));
    imgEmail->move(28, 256);
    imgEmail->setCursor(Qt::PointingHandCursor);
    lblEmail =
        LinkButton::make(this, QStringLiteral("lblEmail"), QString::fromLatin1(kSupportAddress),
                         QRect(70, 256, 300, 32), kLinkColour);
    imgWeb = PanelLabel::picture(this, QStringLiteral("imgWeb"),
                                 QStringLiteral(":/art/about_web.svg"), QSize(32, 32));
    imgWeb->move(28, 300);
    imgWeb->setCursor(Qt::PointingHandCursor);
    lblSitoWeb =
        LinkButton::make(this, QStringLiteral("lblSitoWeb"), QStringLiteral("www.cartaflex.it"),
                         QRect(70, 300, 300, 32), kLinkColour);
    for (QWidget *l : {static_cast<QWidget *>(imgEmail), static_cast<QWidget *>(lblEmail),
                       static_cast<QWidget *>(imgWeb), static_cast<QWidget *>(lblSitoWeb)})
        l->installEventFilter(this);
    // The mouse works the links on the release, as the pictures beside them; the
    // keyboard clicks them as buttons.
    connect(lblEmail, &QPushButton::clicked, this, &frmAbout::lblEmail_MouseUp);
    connect(lblSitoWeb, &QPushButton::clicked, this, &frmAbout::lblSitoWeb_MouseUp);
    lblEmail->setAccessibleName(QStringLiteral("Scrivi all'assistenza: ") +
                                QString::fromLatin1(kSupportAddress));
    lblSitoWeb->setAccessibleName(QStringLiteral("Visita il sito: www.cartaflex.it"));
    imgEmail->setAccessibleName(QStringLiteral("Scrivi all'assistenza"));
    imgWeb->setAccessibleName(QStringLiteral("Visita il sito"));
    imgStemma->setAccessibleName(QStringLiteral("Stemma di Cartaflex"));
    cmdLogo->setAccessibleName(QStringLiteral("Logo di Cartaflex"));
    cmdFoto->setAccessibleName(QStringLiteral("Fotografia del prodotto"));
    cmdInfo->setAccessibleName(QStringLiteral("Informazioni"));

    cmdChiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(404, 366, 100, 34);
    cmdChiudi->setDefault(true);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmAbout::cmdChiudi_Click);
}

void frmAbout::showModal(QWidget *caller) {
    frmAbout window(caller);
    window.exec();
}

void frmAbout::cmdChiudi_Click() {
    done(QDialog::Accepted);
}

void frmAbout::imgEmail_MouseUp() {
    writeToSupport();
}
void frmAbout::lblEmail_MouseUp() {
    writeToSupport();
}
void frmAbout::imgWeb_MouseUp() {
    visitWebSite();
}
void frmAbout::lblSitoWeb_MouseUp() {
    visitWebSite();
}

void frmAbout::writeToSupport() {
    frmEmail mail(this);
    mail.txtIndirizzo->setText(QString::fromLatin1(kSupportAddress));
    mail.txtOggetto->setText(QString::fromLatin1(kMailSubject));
    mail.exec();
}

void frmAbout::visitWebSite() {
    HourglassCursor hourglass;
    Platform::instance().openUrl(QString::fromLatin1(kWebSite));
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == imgEmail) {
            imgEmail_MouseUp();
            return true;
        }
        if (watched == lblEmail) {
            lblEmail_MouseUp();
            return true;
        }
        if (watched == imgWeb) {
            imgWeb_MouseUp();
            return true;
        }
        if (watched == lblSitoWeb) {
            lblSitoWeb_MouseUp();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
