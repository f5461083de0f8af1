#include "printing/widgets/PrintDialog.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "printing/PrintPreview.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/widgets/CalibrationDialog.h"
#include "printing/widgets/PrintPreviewWindow.h"
#include "printing/widgets/PrintProgressWindow.h"
#include "ui/ShowMessage.h"

namespace {

// The last printout went to a PDF file: the next dialog offers the file first.
bool &lastWasPdf() {
    static bool pdf = false;
    return pdf;
}

}  // namespace

QString PrintDialog::pdfEntry() {
    return QStringLiteral("Salva come file PDF");
}

void PrintDialog::forgetLastEntry() {
    lastWasPdf() = false;
}

void PrintDialog::tell(const Message &message) {
    showMessage(message);
}

PrintDialog::PrintDialog(Printout printout, QWidget *parent)
    : PrintDialog(std::move(printout), parent, Arrangement::Laid) {}

PrintDialog::PrintDialog(Printout printout, QWidget *parent, Arrangement arrangement)
    : QDialog(parent), m_printout(std::move(printout)), m_arrangement(arrangement) {
    setObjectName(QStringLiteral("frmStampa"));
    setWindowTitle(QLatin1Char(' ') + m_printout.caption);
    setModal(true);
    createControls();
    if (m_arrangement == Arrangement::Laid) layOut();
    entryChanged();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::createControls() {
    cboPrinters = new QComboBox(this);
    cboPrinters->setObjectName(QStringLiteral("cboPrinters"));
    cboPrinters->addItems(PrinterList::printers() << pdfEntry());
    const QString current = PrinterPage::printer().currentPrinter();
    const bool queue = !lastWasPdf() && PrinterList::contains(current);
    const int at = cboPrinters->findText(queue ? current : pdfEntry());
    cboPrinters->setCurrentIndex(at < 0 ? 0 : at);

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

    connect(cmdStampa, &QPushButton::clicked, this, &PrintDialog::print);
    connect(cmdAnteprima, &QPushButton::clicked, this, &PrintDialog::preview);
    connect(cmdCalibra, &QPushButton::clicked, this, &PrintDialog::calibrate);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(cboPrinters, &QComboBox::currentIndexChanged, this, &PrintDialog::entryChanged);
}

void PrintDialog::layOut() {
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

    // Tab follows the page: the printer, the numbers below it, then the buttons.
    QList<QWidget *> chain{cboPrinters};
    for (QWidget *box : {static_cast<QWidget *>(spnPagine), static_cast<QWidget *>(spnInizio),
                         static_cast<QWidget *>(spnBiglietti)})
        if (box) chain << box;
    chain << cmdStampa << cmdAnteprima << cmdCalibra << cmdAnnulla;
    for (int i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
}

bool PrintDialog::run(const Printout &printout, QWidget *parent) {
    PrintDialog dialog(printout, parent);
    Platform::instance().execDialog(&dialog);
    return dialog.printed();
}

void PrintDialog::entryChanged() {
    const bool pdf = cboPrinters->currentText() == pdfEntry();
    cmdCalibra->setEnabled(!pdf);
    // A window with its own arrangement keeps its own instructions.
    if (m_arrangement == Arrangement::Own) return;
    QString text = pdf ? QStringLiteral(
                             "Le pagine vengono salvate in un file PDF, senza "
                             "calibrazione.")
                       : QStringLiteral(
                             "Premere Stampa, oppure Anteprima per vedere le pagine "
                             "prima di stamparle.");
    if (!m_printout.note.isEmpty()) text = m_printout.note + QStringLiteral("\n\n") + text;
    lblInfo->setText(text);
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

bool PrintDialog::advance(const PrintProgress &progress) {
    if (progress.pages <= kFewPages) return true;
    if (!m_progress) m_progress = new PrintProgressWindow(this);
    m_stopped = !m_progress->advance(progress);
    return !m_stopped;
}

bool PrintDialog::printOn(const PrintTarget &target) {
    PrintChoices c = choices();
    c.progress = [this](const PrintProgress &p) { return advance(p); };
    PrintToTarget job;
    bool ok = false;
    {
        HourglassCursor hourglass;
        ok = job.run(target, [&](PrinterPage &page) { return m_printout.draw(page, c); });
    }
    delete m_progress;
    m_progress = nullptr;
    if (!ok) {
        tell(PrintToTarget::failure(job.errorString()));
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
    if (!canPrint()) return;
    lastWasPdf() = cboPrinters->currentText() == pdfEntry();
    if (m_printout.nothingToPrint && m_printout.nothingToPrint(choices())) {
        accept();
        return;
    }
    const auto target = chooseTarget();
    if (!target) return;  // no file name: the dialog stays open
    printOn(*target);
    // The job has run, printed or not (a failure was told): the dialog's work is done.
    accept();
}

void PrintDialog::preview() {
    if (!canPrint()) return;
    const QString entry = cboPrinters->currentText();
    const PrintTarget target = entry == pdfEntry() ? PrintTarget::toPdf(QStringLiteral("anteprima"))
                                                   : PrintTarget::toQueue(entry);
    PrintPreview recorded;
    const PrintChoices c = choices();
    if (!recorded.record(target, [&](PrinterPage &page) { return m_printout.draw(page, c); })) {
        tell(PrintToTarget::failure(
            QStringLiteral("La stampante \"%1\" non è installata").arg(entry)));
        return;
    }
    PrintPreviewWindow window(recorded.pages(), this);
    if (Platform::instance().execDialog(&window) == QDialog::Accepted) print();
}

void PrintDialog::calibrate() {
    const QString entry = cboPrinters->currentText();
    if (entry == pdfEntry() || !canPrint()) return;
    CalibrationDialog dialog(entry, m_printout.testPage, this);
    Platform::instance().execDialog(&dialog);
}
