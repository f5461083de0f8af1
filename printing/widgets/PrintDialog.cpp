#include "printing/widgets/PrintDialog.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "platform/PrinterList.h"
#include "platform/PrinterPage.h"
#include "printing/PrintPreview.h"
#include "printing/widgets/CalibrationDialog.h"
#include "printing/widgets/PrintPreviewWindow.h"

namespace {

void showFailure() {
    Platform::instance().messageBox(PrintToTarget::failureText(), PrintToTarget::failureTitle(),
                                    MsgIcon::Critical, MsgButtons::Ok);
}

}  // namespace

QString PrintDialog::pdfEntry() {
    return QStringLiteral("Salva come file PDF");
}

PrintDialog::PrintDialog(Printout printout, QWidget *parent)
    : QDialog(parent), m_printout(std::move(printout)) {
    setObjectName(QStringLiteral("frmStampa"));
    setWindowTitle(QLatin1Char(' ') + m_printout.caption);
    setModal(true);

    cboPrinters = new QComboBox(this);
    cboPrinters->setObjectName(QStringLiteral("cboPrinters"));
    cboPrinters->addItems(PrinterList::printers() << pdfEntry());
    const QString current = PrinterPage::printer().currentPrinter();
    const int at = cboPrinters->findText(PrinterList::contains(current) ? current : pdfEntry());
    cboPrinters->setCurrentIndex(at < 0 ? 0 : at);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Stam&pante selezionata:"), cboPrinters);
    if (m_printout.hasPages) {
        spnPagine = new QSpinBox(this);
        spnPagine->setObjectName(QStringLiteral("spnPagine"));
        spnPagine->setRange(1, 999);
        form->addRow(QStringLiteral("&Numero di pagine:"), spnPagine);
    }
    if (m_printout.cardsPerSheet > 0) {
        spnInizio = new QSpinBox(this);
        spnInizio->setObjectName(QStringLiteral("spnInizio"));
        spnInizio->setRange(1, m_printout.cardsPerSheet);
        form->addRow(QStringLiteral("&Inizia dal biglietto:"), spnInizio);
        spnBiglietti = new QSpinBox(this);
        spnBiglietti->setObjectName(QStringLiteral("spnBiglietti"));
        spnBiglietti->setRange(0, 999 * m_printout.cardsPerSheet);
        spnBiglietti->setSpecialValueText(QStringLiteral("fino alla fine dei fogli"));
        form->addRow(QStringLiteral("Numero di &biglietti:"), spnBiglietti);
    }
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);

    cmdStampa = new QPushButton(QStringLiteral("&Stampa"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setDefault(true);
    cmdAnteprima = new QPushButton(QStringLiteral("&Anteprima"), this);
    cmdAnteprima->setObjectName(QStringLiteral("cmdAnteprima"));
    cmdCalibra = new QPushButton(QStringLiteral("&Calibra stampante…"), this);
    cmdCalibra->setObjectName(QStringLiteral("cmdCalibra"));
    cmdAnnulla = new QPushButton(QStringLiteral("Ann&ulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdStampa);
    buttons->addWidget(cmdAnteprima);
    buttons->addWidget(cmdCalibra);
    buttons->addStretch();
    buttons->addWidget(cmdAnnulla);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblInfo);
    layout->addLayout(buttons);

    connect(cmdStampa, &QPushButton::clicked, this, &PrintDialog::print);
    connect(cmdAnteprima, &QPushButton::clicked, this, &PrintDialog::preview);
    connect(cmdCalibra, &QPushButton::clicked, this, &PrintDialog::calibrate);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(cboPrinters, &QComboBox::currentIndexChanged, this, &PrintDialog::entryChanged);
    entryChanged();
}

bool PrintDialog::run(const Printout &printout, QWidget *parent) {
    PrintDialog dialog(printout, parent);
    Platform::instance().execDialog(&dialog);
    return dialog.printed();
}

void PrintDialog::entryChanged() {
    const bool pdf = cboPrinters->currentText() == pdfEntry();
    cmdCalibra->setEnabled(!pdf);
    lblInfo->setText(pdf ? QStringLiteral("Le pagine vengono salvate in un file PDF, senza "
                                          "calibrazione.")
                         : QStringLiteral("Premere Stampa, oppure Anteprima per vedere le pagine "
                                          "prima di stamparle."));
}

PrintChoices PrintDialog::choices() const {
    PrintChoices c;
    if (spnPagine) c.pages = spnPagine->value();
    if (spnInizio) c.first = spnInizio->value();
    if (spnBiglietti) c.count = spnBiglietti->value();
    return c;
}

std::optional<PrintTarget> PrintDialog::chooseTarget() {
    const QString entry = cboPrinters->currentText();
    if (entry != pdfEntry()) return PrintTarget::toQueue(entry);
    const QString path = Platform::instance().saveFileDialog(
        QStringLiteral("Cartaflex - Salvare la stampa in un file PDF"),
        {FileFilter{QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
        QDir::home().filePath(m_printout.pdfFileName));
    if (path.isEmpty()) return std::nullopt;
    return PrintTarget::toPdf(path);
}

bool PrintDialog::printOn(const PrintTarget &target) {
    const PrintChoices c = choices();
    PrintToTarget job;
    if (!job.run(target, [&](PrinterPage &page) { return m_printout.draw(page, c); })) {
        showFailure();
        return false;
    }
    m_printed = true;
    return true;
}

int PrintDialog::acceptDefault() {
    print();
    return result();
}

void PrintDialog::print() {
    const auto target = chooseTarget();
    if (!target) return;  // no file name: the dialog stays open
    printOn(*target);
    done(m_printed ? QDialog::Accepted : QDialog::Rejected);
}

void PrintDialog::preview() {
    const QString entry = cboPrinters->currentText();
    const PrintTarget target = entry == pdfEntry() ? PrintTarget::toPdf(QStringLiteral("anteprima"))
                                                   : PrintTarget::toQueue(entry);
    PrintPreview recorded;
    const PrintChoices c = choices();
    if (!recorded.record(target, [&](PrinterPage &page) { return m_printout.draw(page, c); })) {
        showFailure();
        return;
    }
    PrintPreviewWindow window(recorded.pages(), this);
    if (Platform::instance().execDialog(&window) == QDialog::Accepted) print();
}

void PrintDialog::calibrate() {
    const QString entry = cboPrinters->currentText();
    if (entry == pdfEntry()) return;
    CalibrationDialog dialog(entry, m_printout.testPage, this);
    Platform::instance().execDialog(&dialog);
}
