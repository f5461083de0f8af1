#include "cards/frmMyPrinterListening.h"

#include <QEvent>
#include <QKeyEvent>

#include "cards/CardLayout.h"
#include "cards/CardPrintJob.h"
#include "cards/CardPrinterChoice.h"
#include "cards/CardTestPage.h"
#include "cards/frmBiglietti.h"
#include "platform/Artwork.h"
#include "platform/Platform.h"
#include "platform/PrinterList.h"
#include "printing/PrintPreview.h"
#include "printing/widgets/CalibrationDialog.h"
#include "printing/widgets/PrintPreviewWindow.h"
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

}  // namespace

frmMyPrinterListening::frmMyPrinterListening(frmBiglietti *composer, QWidget *parent)
    : QDialog(parent ? parent : composer), m_composer(composer) {
    setObjectName(QStringLiteral("frmMyPrinterListening"));
    setWindowTitle(QStringLiteral(" Stampa biglietti da visita"));
    setModal(true);
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
    cboPrinters = new QComboBox(fraStampa);
    cboPrinters->setObjectName(QStringLiteral("cboPrinters"));
    cboPrinters->setGeometry(92, 36, 334, 28);
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

    cmdAnteprima = new QPushButton(QStringLiteral("&Anteprima"), fraStampa);
    cmdAnteprima->setObjectName(QStringLiteral("cmdAnteprima"));
    cmdAnteprima->setGeometry(200, 186, 100, 28);
    cmdCalibra = new QPushButton(QStringLiteral("&Calibra stampante…"), fraStampa);
    cmdCalibra->setObjectName(QStringLiteral("cmdCalibra"));
    cmdCalibra->setGeometry(308, 186, 118, 28);

    cmdStampa = new QPushButton(QStringLiteral("&Stampa"), fraStampa);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setGeometry(92, 186, 100, 28);
    cmdStampa->setDefault(true);
    cmdAnnulla = new QPushButton(QStringLiteral("Ann&ulla"), fraStampa);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla->setGeometry(308, 80, 118, 28);
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
    lblInfo = new QLabel(
        QStringLiteral("Immettere il numero di pagine e premere il pulsante Stampa."), fraInfo);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(14, 10, 412, 104);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(cmdStampa, &QPushButton::clicked, this, &frmMyPrinterListening::cmdStampa_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmMyPrinterListening::cmdAnnulla_Click);
    connect(cmdAnteprima, &QPushButton::clicked, this, &frmMyPrinterListening::cmdAnteprima_Click);
    connect(cmdCalibra, &QPushButton::clicked, this, &frmMyPrinterListening::cmdCalibra_Click);
    connect(txtCopie, &QLineEdit::textChanged, this, &frmMyPrinterListening::txtCopie_Change);
    connect(vsCopie, &QScrollBar::valueChanged, this, &frmMyPrinterListening::vsCopie_Change);
    cboPrinters->installEventFilter(this);
    txtCopie->installEventFilter(this);
    Form_Load();
}

void frmMyPrinterListening::Form_Load() {
    cboPrinters->clear();
    cboPrinters->addItems(CardPrinterChoice::entries());
    if (PrinterList::printers().isEmpty()) {
        // No print queue: the user is told, and the sheets can still go to a PDF file.
        CardPrinterChoice::showFailure();
    }
    const QString preselected = CardPrinterChoice::preselected();
    const int at =
        cboPrinters->findText(preselected.isEmpty() ? CardPrinterChoice::pdfEntry() : preselected);
    cboPrinters->setCurrentIndex(at < 0 ? 0 : at);
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

void frmMyPrinterListening::cmdStampa_Click() {
    const auto format = CardFormats::fromTag(lblMemory->text());
    if (!format) return;
    PrintCardJob();
}

CardPrintJob::Range frmMyPrinterListening::range() const {
    return CardPrintJob::Range{spnInizio->value(), spnBiglietti->value()};
}

void frmMyPrinterListening::setFormat(CardFormat format) {
    lblMemory->setText(CardFormats::tag(format));
    const int cards = CardLayout::of(format).cards();
    spnInizio->setRange(1, cards);
    spnBiglietti->setRange(0, 999 * cards);
}

void frmMyPrinterListening::cmdAnteprima_Click() {
    const auto format = CardFormats::fromTag(lblMemory->text());
    if (!format) return;
    const CardContent content = m_composer ? m_composer->cardContent(*format) : CardContent{};
    const int pages = CardPrintJob::pagesFromText(txtCopie->text());
    const QString entry = cboPrinters->currentText();
    const PrintTarget target = entry == CardPrinterChoice::pdfEntry()
                                   ? PrintTarget::toPdf(QStringLiteral("anteprima"))
                                   : PrintTarget::toQueue(entry);
    PrintPreview recorded;
    const CardPrintJob::Range r = range();
    if (!recorded.record(target, [&](PrinterPage &page) {
            CardPrintJob job;
            return job.run(page, *format, content, pages, r);
        })) {
        CardPrinterChoice::showFailure();
        return;
    }
    PrintPreviewWindow window(recorded.pages(), this);
    if (Platform::instance().execDialog(&window) == QDialog::Accepted) PrintCardJob();
}

void frmMyPrinterListening::cmdCalibra_Click() {
    const QString entry = cboPrinters->currentText();
    const auto format = CardFormats::fromTag(lblMemory->text());
    if (entry == CardPrinterChoice::pdfEntry() || !format) return;
    CalibrationDialog dialog(
        entry, [f = *format](PrinterPage &page) { return CardTestPage::print(page, f); }, this);
    Platform::instance().execDialog(&dialog);
}

void frmMyPrinterListening::PrintCardJob() {
    const auto format = CardFormats::fromTag(lblMemory->text());
    const CardContent content = m_composer ? m_composer->cardContent(*format) : CardContent{};
    const int pages = CardPrintJob::pagesFromText(txtCopie->text());
    const auto outcome =
        CardPrinterChoice::print(cboPrinters->currentText(), *format, content, pages, range());
    if (outcome == CardPrinterChoice::Outcome::Cancelled) return;  // no file name: stay open
    accept();
}

void frmMyPrinterListening::cmdAnnulla_Click() {
    reject();
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
    return QDialog::eventFilter(watched, event);
}
