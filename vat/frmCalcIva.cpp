#include "vat/frmCalcIva.h"

#include <QEvent>
#include <QKeyEvent>

#include "platform/Artwork.h"
#include "platform/Platform.h"
#include "ui/EnterClicks.h"
#include "ui/Hub.h"
#include "ui/PictureKey.h"
#include "vat/DigitKeys.h"
#include "vat/VatCheck.h"
#include "vat/VatMessages.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

QPixmap art(const char *name, QSize size) {
    return QPixmap::fromImage(
        Artwork::render(QStringLiteral(":/art/") + QLatin1String(name), size));
}

QPushButton *pictureButton(QWidget *parent, const char *name, const char *picture, QRect geometry,
                           const QString &tip, const QString &spokenName) {
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    const QSize iconSize(geometry.height() - 10, geometry.height() - 10);
    b->setIcon(QIcon(art(picture, iconSize)));
    b->setIconSize(iconSize);
    b->setGeometry(geometry);
    b->setToolTip(tip);
    b->setCursor(Qt::PointingHandCursor);
    b->setAccessibleName(spokenName);
    EnterClicks::install(b);
    // Enter belongs to the number box, never to a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

}  // namespace

frmCalcIva::frmCalcIva(QWidget *parent)
    : SmallDialog(QStringLiteral("frmCalcIva"), QStringLiteral(" Controllo partita IVA"),
                  QSize(520, 250), Background::Gradient, parent) {
    // The logo checks the number too, as its button does.
    imgLogo =
        PictureKey::make(this, QStringLiteral("imgLogo"), art("iva.svg", QSize(64, 64)),
                         QRect(20, 14, 64, 64), QStringLiteral("Logo: controlla partita IVA"));
    lblInstruct = new QLabel(u8(VatMessages::kInstructions), this);
    lblInstruct->setObjectName(QStringLiteral("lblInstruct"));
    lblInstruct->setGeometry(100, 20, 400, 52);
    lblInstruct->setWordWrap(true);
    lblInstruct->setStyleSheet(QStringLiteral("color: #1d3c5e; font-size: 13px;"));

    imgNuovo = PictureKey::make(this, QStringLiteral("imgNuovo"), art("nuovo.svg", QSize(36, 36)),
                                QRect(34, 106, 36, 36), QStringLiteral("Nuova partita IVA"),
                                QStringLiteral(" Nuovo "));
    txtIva = new QLineEdit(this);
    txtIva->setObjectName(QStringLiteral("txtIva"));
    txtIva->setMaxLength(11);
    txtIva->setAlignment(Qt::AlignCenter);
    txtIva->setGeometry(84, 96, 352, 56);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(27.75);
    mono.setBold(true);
    txtIva->setFont(mono);
    QPalette pal = txtIva->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, Qt::white);
    txtIva->setPalette(pal);
    txtIva->installEventFilter(this);
    txtIva->setAttribute(Qt::WA_InputMethodEnabled, false);  // key presses only
    txtIva->setAccessibleName(QStringLiteral("Partita IVA"));
    imgCopia = PictureKey::make(this, QStringLiteral("imgCopia"), art("copia.svg", QSize(36, 36)),
                                QRect(450, 106, 36, 36), QStringLiteral("Copia partita IVA"),
                                QStringLiteral(" Copia "));

    cmdCalcolaIva = pictureButton(this, "cmdCalcolaIva", "controlla.svg", QRect(84, 178, 52, 48),
                                  QStringLiteral(" Fare clic per effettuare il controllo "),
                                  QStringLiteral("Controlla partita IVA"));
    cmdCalcolaIva->setEnabled(false);
    cmdGuida = pictureButton(this, "cmdGuida", "guida.svg", QRect(324, 178, 52, 48),
                             QStringLiteral(" Guida "), QStringLiteral("Guida"));
    cmdChiudi = pictureButton(this, "cmdChiudi", "esci.svg", QRect(384, 178, 52, 48),
                              QStringLiteral(" Chiudi "), QStringLiteral("Chiudi"));
    cmdGuida->setEnabled(Hub::instance().hasAction(Hub::Action::Help));

    // The picture keys act on the left button's release, as the pictures always did.
    connect(imgLogo, &QPushButton::clicked, this, &frmCalcIva::imgLogo_Click);
    connect(imgNuovo, &QPushButton::clicked, this, &frmCalcIva::imgNuovo_Click);
    connect(imgCopia, &QPushButton::clicked, this, &frmCalcIva::imgCopia_Click);
    connect(txtIva, &QLineEdit::textChanged, this, &frmCalcIva::txtIva_Change);
    connect(cmdCalcolaIva, &QPushButton::clicked, this, &frmCalcIva::cmdCalcolaIva_Click);
    connect(cmdGuida, &QPushButton::clicked, this, &frmCalcIva::cmdGuida_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmCalcIva::cmdChiudi_Click);
    txtIva->setFocus();
}

void frmCalcIva::txtIva_Change() {
    cmdCalcolaIva->setEnabled(!VatCheck::trimBlanks(txtIva->text()).isEmpty());
}

void frmCalcIva::txtIva_GotFocus() {
    txtIva->selectAll();
}

bool frmCalcIva::txtIva_KeyPress(QKeyEvent *event) {
    switch (DigitKeys::classify(event)) {
        case DigitKeys::Verdict::Digit:
        case DigitKeys::Verdict::Backspace:
        case DigitKeys::Verdict::NotCharacter:
            return false;
        case DigitKeys::Verdict::Enter:
            // The check runs even while its button is disabled.
            cmdCalcolaIva_Click();
            return true;
        case DigitKeys::Verdict::Refused:
            break;
    }
    Platform::instance().messageBox(u8(VatMessages::kDigitsOnlyText),
                                    u8(VatMessages::kDigitsOnlyTitle), MsgIcon::Exclamation,
                                    MsgButtons::Ok);
    return true;
}

void frmCalcIva::cmdCalcolaIva_Click() {
    const VatCheck::Outcome pre = VatCheck::run(txtIva->text());
    if (pre.kind == VatCheck::Kind::Empty || pre.kind == VatCheck::Kind::TooShort) {
        Platform::instance().messageBox(pre.text, pre.title, pre.icon, MsgButtons::Ok);
        txtIva->setFocus();
        return;
    }
    ControllaIva(txtIva->text());
}

void frmCalcIva::ControllaIva(const QString &number) {
    const VatCheck::Outcome outcome = VatCheck::controllaIva(number);
    if (outcome.kind == VatCheck::Kind::Right)
        txtIva->setText(VatCheck::trimBlanks(txtIva->text()));
    Platform::instance().messageBox(outcome.text, outcome.title, outcome.icon, MsgButtons::Ok);
    txtIva->setFocus();
}

void frmCalcIva::imgLogo_Click() {
    if (cmdCalcolaIva->isEnabled()) cmdCalcolaIva_Click();
}

void frmCalcIva::imgNuovo_Click() {
    txtIva->clear();
    txtIva->setFocus();
}

void frmCalcIva::imgCopia_Click() {
    Platform &platform = Platform::instance();
    const QString number = VatCheck::trimBlanks(txtIva->text());
    if (number.isEmpty()) {
        platform.messageBox(u8(VatMessages::kCopyEmptyText), u8(VatMessages::kCopyEmptyTitle),
                            MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    platform.setClipboardText(number);
    platform.messageBox(u8(VatMessages::kCopiedText), u8(VatMessages::kCopiedTitle),
                        MsgIcon::Information, MsgButtons::Ok);
}

void frmCalcIva::cmdGuida_Click() {
    Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("iva"));
}

void frmCalcIva::cmdChiudi_Click() {
    reject();
}

bool frmCalcIva::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (watched == txtIva) {
        if (type == QEvent::FocusIn) {
            txtIva_GotFocus();
        } else if (type == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (DigitKeys::classify(key) == DigitKeys::Verdict::Refused) key->accept();
        } else if (type == QEvent::KeyPress) {
            if (txtIva_KeyPress(static_cast<QKeyEvent *>(event))) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
