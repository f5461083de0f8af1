#include "printing/widgets/CalibrationDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/SettingsFile.h"
#include "platform/Platform.h"
#include "printing/CalibrationSettings.h"
#include "printing/PrintTarget.h"

namespace {

QDoubleSpinBox *spin(QWidget *parent, const char *name, double lo, double hi, double value,
                     const QString &suffix) {
    auto *s = new QDoubleSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setDecimals(1);
    s->setSingleStep(0.1);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setSuffix(suffix);
    return s;
}

}  // namespace

CalibrationDialog::CalibrationDialog(const QString &queue,
                                     std::function<bool(PrinterPage &)> testPage, QWidget *parent)
    : QDialog(parent), m_queue(queue), m_testPage(std::move(testPage)) {
    setObjectName(QStringLiteral("frmCalibra"));
    setWindowTitle(QStringLiteral(" Calibra stampante"));
    const PrinterCalibration c = CalibrationSettings::read(SettingsFile(), queue);
    const double m = PrinterCalibration::kMaxOffsetMm;
    spnDx = spin(this, "spnScartoX", -m, m, c.offsetXmm, QStringLiteral(" mm"));
    spnDy = spin(this, "spnScartoY", -m, m, c.offsetYmm, QStringLiteral(" mm"));
    spnSx = spin(this, "spnScalaX", PrinterCalibration::kMinScalePct,
                 PrinterCalibration::kMaxScalePct, c.scaleXpct, QStringLiteral(" %"));
    spnSy = spin(this, "spnScalaY", PrinterCalibration::kMinScalePct,
                 PrinterCalibration::kMaxScalePct, c.scaleYpct, QStringLiteral(" %"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Stampante:"), new QLabel(queue, this));
    form->addRow(QStringLiteral("Spostamento &orizzontale (a destra):"), spnDx);
    form->addRow(QStringLiteral("Spostamento &verticale (in basso):"), spnDy);
    form->addRow(QStringLiteral("Sc&ala orizzontale:"), spnSx);
    form->addRow(QStringLiteral("Scala ver&ticale:"), spnSy);
    auto *hint = new QLabel(
        QStringLiteral("Stampare la pagina di prova, sovrapporla controluce al foglio di "
                       "biglietti e leggere lo scarto sui righelli. La calibrazione vale per "
                       "tutto ciò che si stampa su questa stampante, mai per i file PDF."),
        this);
    hint->setWordWrap(true);

    cmdProva = new QPushButton(QStringLiteral("Stampa &pagina di prova"), this);
    cmdProva->setObjectName(QStringLiteral("cmdProva"));
    cmdProva->setEnabled(bool(m_testPage));
    cmdSalva = new QPushButton(QStringLiteral("&Salva"), this);
    cmdSalva->setObjectName(QStringLiteral("cmdSalva"));
    cmdSalva->setDefault(true);
    cmdAnnulla = new QPushButton(QStringLiteral("A&nnulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdProva);
    buttons->addStretch();
    buttons->addWidget(cmdSalva);
    buttons->addWidget(cmdAnnulla);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    connect(cmdProva, &QPushButton::clicked, this, &CalibrationDialog::printTestPage);
    connect(cmdSalva, &QPushButton::clicked, this, [this] {
        if (save()) accept();
    });
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

PrinterCalibration CalibrationDialog::shown() const {
    return PrinterCalibration::of(spnDx->value(), spnDy->value(), spnSx->value(), spnSy->value())
        .value_or(PrinterCalibration{});
}

bool CalibrationDialog::save() {
    SettingsFile settings;
    if (CalibrationSettings::write(settings, m_queue, shown())) return true;
    Platform::instance().messageBox(
        QStringLiteral("Impossibile salvare la calibrazione nel file %1.").arg(settings.filePath()),
        QStringLiteral("Attenzione: operazione non eseguibile"), MsgIcon::Exclamation,
        MsgButtons::Ok);
    return false;
}

void CalibrationDialog::printTestPage() {
    if (!m_testPage || !save()) return;
    PrintToTarget print;
    if (!print.run(PrintTarget::toQueue(m_queue), m_testPage))
        Platform::instance().messageBox(PrintToTarget::failureText(), PrintToTarget::failureTitle(),
                                        MsgIcon::Critical, MsgButtons::Ok);
}
