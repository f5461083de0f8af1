#include "cards/frmMyPrinterListening.h"

#include <QEvent>
#include <QKeyEvent>

#include "cards/CardLayout.h"
#include "cards/CardPrintJob.h"
#include "cards/CardTestPage.h"
#include "cards/frmBiglietti.h"
#include "platform/Artwork.h"
#include "platform/Platform.h"
#include "printing/PrinterList.h"
#include "vat/DigitKeys.h"
#include "vat/VatMessages.h"

namespace {

const QColor kFocusBack(0xFF, 0xFF, 0x80);

void setBack(QWidget *w, const QColor &c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    w->setPalette(pal);
}

// Puts a control of the shared dialog into the card dialog's frame, at its place.
void place(QWidget *w, QWidget *frame, const QRect &r) {
    w->setParent(frame);
    w->setGeometry(r);
}

}  // namespace

Printout frmMyPrinterListening::cardPrintout(frmMyPrinterListening *dialog,
                                             frmBiglietti *composer) {
    // The format and the composer's texts are read when the cards are drawn.
    Printout p;
    p.caption = QStringLiteral("Stampa biglietti da visita");
    p.pdfFileName = QStringLiteral("Biglietti.pdf");
    p.draw = [dialog, composer](PrinterPage &page, const PrintChoices &c) {
        const CardFormat f = *dialog->format();
        const CardContent content = composer ? composer->cardContent(f) : CardContent{};
        CardPrintJob job;
        return job.run(page, f, content, c.pages, CardPrintJob::Range{c.first, c.count});
    };
    p.nothingToPrint = [dialog](const PrintChoices &c) {
        return CardPrintJob::sheetsOf(*dialog->format(), CardPrintJob::Range{c.first, c.count},
                                      c.pages) <= 0;
    };
    p.testPage = [dialog](PrinterPage &page) {
        return CardTestPage::print(page, *dialog->format());
    };
    return p;
}

frmMyPrinterListening::frmMyPrinterListening(frmBiglietti *composer, QWidget *parent)
    : PrintDialog(cardPrintout(this, composer), parent ? parent : composer, Arrangement::Own) {
    setObjectName(QStringLiteral("frmMyPrinterListening"));
    setFixedSize(460, 372);

    fraStampa = new QGroupBox(this);
    fraStampa->setObjectName(QStringLiteral("fraStampa"));
    fraStampa->setGeometry(10, 8, 440, 222);

    imgPrinter = new QLabel(fraStampa);
    imgPrinter->setObjectName(QStringLiteral("imgPrinter"));
    imgPrinter->setPixmap(
        QPixmap::fromImage(Artwork::render(QStringLiteral(":/art/stampante.svg"), QSize(64, 64))));
    imgPrinter->setGeometry(14, 18, 64, 64);

    lblStampante = new QLabel(QStringLiteral("Stam&pante selezionata"), fraStampa);
    lblStampante->setObjectName(QStringLiteral("lblStampante"));
    lblStampante->setGeometry(92, 14, 330, 20);
    place(cboPrinters, fraStampa, QRect(92, 36, 334, 28));
    {
        QFont f(QStringLiteral("Verdana"));
        f.setPointSizeF(9.75);
        cboPrinters->setFont(f);
    }

    lblCopie = new QLabel(QStringLiteral("&Numero di pagine:"), fraStampa);
    lblCopie->setObjectName(QStringLiteral("lblCopie"));
    lblCopie->setGeometry(92, 80, 140, 24);
    txtCopie = new QLineEdit(QStringLiteral("1"), fraStampa);
    txtCopie->setObjectName(QStringLiteral("txtCopie"));
    txtCopie->setMaxLength(3);
    txtCopie->setGeometry(232, 78, 50, 28);
    {
        QFont f(QStringLiteral("Verdana"));
        f.setPointSizeF(8.25);
        txtCopie->setFont(f);
    }
    vsCopie = new QScrollBar(Qt::Vertical, fraStampa);
    vsCopie->setObjectName(QStringLiteral("vsCopie"));
    vsCopie->setGeometry(283, 76, 18, 32);
    // The spinner runs from 999 at the top to 1 at the bottom: inside the bar the value
    // is negative, so that the upper arrow increases the number.
    vsCopie->setRange(-999, -1);
    vsCopie->setSingleStep(1);
    vsCopie->setPageStep(1);
    vsCopie->setValue(-1);

    // A sheet already partly used: where to start and how many cards.
    auto *lblInizio = new QLabel(QStringLiteral("&Inizia dal biglietto:"), fraStampa);
    lblInizio->setGeometry(92, 116, 140, 24);
    spnInizio = new QSpinBox(fraStampa);
    spnInizio->setObjectName(QStringLiteral("spnInizio"));
    spnInizio->setGeometry(232, 114, 69, 28);
    spnInizio->setRange(1, 21);
    auto *lblBiglietti = new QLabel(QStringLiteral("Numero di &biglietti:"), fraStampa);
    lblBiglietti->setGeometry(92, 150, 140, 24);
    spnBiglietti = new QSpinBox(fraStampa);
    spnBiglietti->setObjectName(QStringLiteral("spnBiglietti"));
    spnBiglietti->setGeometry(232, 148, 194, 28);
    spnBiglietti->setRange(0, 999 * 21);
    spnBiglietti->setSpecialValueText(QStringLiteral("fino alla fine dei fogli"));

    place(cmdStampa, fraStampa, QRect(92, 186, 100, 28));
    place(cmdAnteprima, fraStampa, QRect(200, 186, 100, 28));
    place(cmdCalibra, fraStampa, QRect(308, 186, 118, 28));
    place(cmdAnnulla, fraStampa, QRect(308, 80, 118, 28));
    cmdInfo = new QPushButton(QStringLiteral("?"), fraStampa);
    cmdInfo->setObjectName(QStringLiteral("cmdInfo"));
    cmdInfo->setGeometry(396, 14, 30, 20);
    cmdInfo->setAccessibleName(QStringLiteral("Informazioni sulla stampa"));
    lblStampante->setBuddy(cboPrinters);
    lblCopie->setBuddy(txtCopie);
    lblInizio->setBuddy(spnInizio);
    lblBiglietti->setBuddy(spnBiglietti);
    // Tab follows the page: printer, pages, cards, then the buttons from Stampa on.
    const QList<QWidget *> chain{cboPrinters,  txtCopie,   spnInizio,  spnBiglietti, cmdStampa,
                                 cmdAnteprima, cmdCalibra, cmdAnnulla, cmdInfo};
    for (int i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
    vsCopie->setAccessibleName(QStringLiteral("Numero di pagine, frecce"));

    fraInfo = new QGroupBox(this);
    fraInfo->setObjectName(QStringLiteral("fraInfo"));
    fraInfo->setGeometry(10, 238, 440, 124);
    place(lblInfo, fraInfo, QRect(14, 10, 412, 104));
    lblInfo->setText(QStringLiteral("Immettere il numero di pagine e premere il pulsante Stampa."));
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(txtCopie, &QLineEdit::textChanged, this, &frmMyPrinterListening::txtCopie_Change);
    connect(vsCopie, &QScrollBar::valueChanged, this, &frmMyPrinterListening::vsCopie_Change);
    cboPrinters->installEventFilter(this);
    txtCopie->installEventFilter(this);
    Form_Load();
}

void frmMyPrinterListening::Form_Load() {
    // No print queue: the user is told, and the sheets can still go to a PDF file.
    if (PrinterList::printers().isEmpty()) tell(PrintToTarget::failure());
}

std::optional<CardFormat> frmMyPrinterListening::format() const {
    return CardFormats::fromTag(lblMemory->text());
}

bool frmMyPrinterListening::canPrint() const {
    return format().has_value();
}

int frmMyPrinterListening::spinnerValue() const {
    return -vsCopie->value();
}

void frmMyPrinterListening::stepSpinner(int direction) {
    vsCopie->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepSub
                                         : QAbstractSlider::SliderSingleStepAdd);
}

void frmMyPrinterListening::cboPrinters_GotFocus() {
    setBack(cboPrinters, kFocusBack);
}
void frmMyPrinterListening::cboPrinters_LostFocus() {
    setBack(cboPrinters, Qt::white);
}
void frmMyPrinterListening::txtCopie_GotFocus() {
    setBack(txtCopie, kFocusBack);
}
void frmMyPrinterListening::txtCopie_LostFocus() {
    setBack(txtCopie, Qt::white);
}

bool frmMyPrinterListening::txtCopie_KeyPress(QKeyEvent *event) {
    if (DigitKeys::classify(event) != DigitKeys::Verdict::Refused) return false;
    Platform::instance().messageBox(QString::fromUtf8(VatMessages::kDigitsOnlyText),
                                    QStringLiteral("Attenzione: valore non valido"),
                                    MsgIcon::Exclamation, MsgButtons::Ok);
    return true;  // the key is dropped
}

void frmMyPrinterListening::txtCopie_Change() {
    const int n = CardPrintJob::pagesFromText(txtCopie->text());
    if (n != 0) vsCopie->setValue(-n);
}

void frmMyPrinterListening::vsCopie_Change() {
    txtCopie->setText(QString::number(spinnerValue()));
}

CardPrintJob::Range frmMyPrinterListening::range() const {
    return CardPrintJob::Range{spnInizio->value(), spnBiglietti->value()};
}

PrintChoices frmMyPrinterListening::choices() const {
    PrintChoices c = PrintDialog::choices();
    c.pages = CardPrintJob::pagesFromText(txtCopie->text());
    return c;
}

void frmMyPrinterListening::setFormat(CardFormat format) {
    lblMemory->setText(CardFormats::tag(format));
    const int cards = CardLayout::of(format).cards();
    spnInizio->setRange(1, cards);
    spnBiglietti->setRange(0, 999 * cards);
}

bool frmMyPrinterListening::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (watched == cboPrinters) {
        if (type == QEvent::FocusIn) cboPrinters_GotFocus();
        if (type == QEvent::FocusOut) cboPrinters_LostFocus();
    } else if (watched == txtCopie) {
        if (type == QEvent::FocusIn) txtCopie_GotFocus();
        if (type == QEvent::FocusOut) txtCopie_LostFocus();
        if (type == QEvent::KeyPress && txtCopie_KeyPress(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return PrintDialog::eventFilter(watched, event);
}
