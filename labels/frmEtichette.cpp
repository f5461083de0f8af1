#include "labels/frmEtichette.h"

#include <QApplication>

#include "labels/LabelMessages.h"
#include "labels/LabelSheetPrinter.h"
#include "platform/Platform.h"
#include "ui/EnterClicks.h"

namespace {

// Printouts of more pages than this show their progress.
constexpr int kFewPages = 3;

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect r) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(r);
    return l;
}

template <class W>
W *control(QWidget *parent, const char *name, QRect r) {
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(r);
    return w;
}

}  // namespace

frmEtichette::frmEtichette(SeriesPrint::Kind kind, const QList<Choice> &choices, QWidget *parent)
    : QDialog(parent), m_kind(kind), m_choices(choices) {
    const bool labels = kind == SeriesPrint::Kind::Labels;
    setObjectName(QStringLiteral("frmEtichette"));
    setWindowTitle(labels ? QStringLiteral(" Stampa etichette indirizzi")
                          : QStringLiteral(" Stampa buste in serie"));
    setModal(true);
    setFixedSize(480, 330);

    lblSelezione =
        label(this, "lblSelezione", QStringLiteral("&Contatti:"), QRect(16, 18, 150, 24));
    cboSelezione = control<QComboBox>(this, "cboSelezione", QRect(170, 18, 294, 24));
    for (const Choice &c : m_choices) cboSelezione->addItem(c.text);

    lblFormato =
        label(this, "lblFormato", QStringLiteral("&Foglio di etichette:"), QRect(16, 52, 150, 24));
    cboFormato = control<QComboBox>(this, "cboFormato", QRect(170, 52, 294, 24));
    for (const LabelLayout &l : LabelLayout::all()) cboFormato->addItem(QString::fromUtf8(l.name));
    lblInizio =
        label(this, "lblInizio", QStringLiteral("&Inizia dall'etichetta:"), QRect(16, 86, 150, 24));
    spnInizio = control<QSpinBox>(this, "spnInizio", QRect(170, 86, 70, 24));
    lblFormato->setVisible(labels);
    cboFormato->setVisible(labels);
    lblInizio->setVisible(labels);
    spnInizio->setVisible(labels);

    lblStampante = label(this, "lblStampante", QStringLiteral("Stam&pante:"),
                         QRect(16, labels ? 120 : 52, 150, 24));
    cboStampante = control<QComboBox>(this, "cboStampante", QRect(170, labels ? 120 : 52, 294, 24));
    cboStampante->addItems(SeriesPrint::entries());
    cboStampante->setCurrentText(SeriesPrint::preselected());

    lblEsclusi = label(this, "lblEsclusi", QString(), QRect(16, 156, 448, 106));
    lblEsclusi->setWordWrap(true);
    lblEsclusi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEsclusi->setStyleSheet(QStringLiteral("color: #800000;"));

    prgStampa = control<QProgressBar>(this, "prgStampa", QRect(16, 268, 448, 18));
    prgStampa->hide();

    cmdStampa = control<QPushButton>(this, "cmdStampa", QRect(290, 292, 82, 28));
    cmdStampa->setText(QStringLiteral("&Stampa"));
    cmdStampa->setDefault(true);
    cmdAnnulla = control<QPushButton>(this, "cmdAnnulla", QRect(382, 292, 82, 28));
    cmdAnnulla->setText(QStringLiteral("&Annulla"));
    cmdAnnulla->setAutoDefault(false);

    lblSelezione->setBuddy(cboSelezione);
    lblFormato->setBuddy(cboFormato);
    lblInizio->setBuddy(spnInizio);
    lblStampante->setBuddy(cboStampante);
    EnterClicks::install(cmdAnnulla);

    connect(cboSelezione, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmEtichette::cboSelezione_Click);
    connect(cboFormato, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmEtichette::cboFormato_Click);
    connect(spnInizio, qOverload<int>(&QSpinBox::valueChanged), this, &frmEtichette::ShowPages);
    connect(cmdStampa, &QPushButton::clicked, this, &frmEtichette::cmdStampa_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmEtichette::cmdAnnulla_Click);
    cboFormato_Click();
    cboSelezione_Click();
}

void frmEtichette::cboSelezione_Click() {
    m_scan = SelectionScan();
    const int i = cboSelezione->currentIndex();
    m_refusal = (i >= 0 && i < m_choices.size())
                    ? SeriesPrint::prepare(m_choices.at(i).selection, m_scan)
                    : QString::fromUtf8(LabelMessages::kNothingSelectedText);
    ShowPages();
}

void frmEtichette::cboFormato_Click() {
    const int i = std::max(0, cboFormato->currentIndex());
    spnInizio->setRange(1, LabelLayout::all().at(i).labels());
    ShowPages();
}

void frmEtichette::ShowPages() {
    if (!m_refusal.isEmpty()) {
        lblEsclusi->setText(m_refusal);
        return;
    }
    QString text;
    if (m_kind == SeriesPrint::Kind::Labels) {
        const LabelLayout &l = LabelLayout::all().at(std::max(0, cboFormato->currentIndex()));
        const int sheets = LabelSheetPrinter::sheetsFor(l, m_scan.printable, spnInizio->value());
        text = QStringLiteral("Saranno stampate %1 etichette su %2 %3.")
                   .arg(m_scan.printable)
                   .arg(sheets)
                   .arg(sheets == 1 ? QStringLiteral("foglio") : QStringLiteral("fogli"));
    } else {
        text = QStringLiteral("Saranno stampate %1 buste.").arg(m_scan.printable);
    }
    const QString leftOut = m_scan.leftOutSummary();
    if (!leftOut.isEmpty()) text += QStringLiteral("\n") + leftOut;
    lblEsclusi->setText(text);
}

bool frmEtichette::Progress(const PrintProgress &p) {
    prgStampa->setRange(0, p.pages);
    prgStampa->setValue(p.page - 1);
    prgStampa->setFormat(QStringLiteral("Pagina %1 di %2").arg(p.page).arg(p.pages));
    // The window stays alive while the pages are drawn, so that "Annulla" is heard.
    QApplication::processEvents();
    return !m_stop;
}

void frmEtichette::cmdStampa_Click() {
    if (m_printing) return;
    if (!m_refusal.isEmpty()) {
        Platform::instance().messageBox(m_refusal, QString::fromUtf8(LabelMessages::kTitle),
                                        MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    SeriesPrint::Request request;
    request.kind = m_kind;
    request.selection = m_choices.at(cboSelezione->currentIndex()).selection;
    request.layout = LabelLayout::all().at(std::max(0, cboFormato->currentIndex()));
    request.firstLabel = spnInizio->value();
    request.entry = cboStampante->currentText();
    const int pages =
        m_kind == SeriesPrint::Kind::Labels
            ? LabelSheetPrinter::sheetsFor(request.layout, m_scan.printable, request.firstLabel)
            : m_scan.printable;
    m_printing = true;
    m_stop = false;
    for (QWidget *w : {static_cast<QWidget *>(cboSelezione), static_cast<QWidget *>(cboFormato),
                       static_cast<QWidget *>(spnInizio), static_cast<QWidget *>(cboStampante),
                       static_cast<QWidget *>(cmdStampa)})
        w->setEnabled(false);
    prgStampa->setVisible(pages > kFewPages);
    m_outcome =
        SeriesPrint::print(request, m_scan, [this](const PrintProgress &p) { return Progress(p); });
    m_printing = false;
    prgStampa->hide();
    for (QWidget *w : {static_cast<QWidget *>(cboSelezione), static_cast<QWidget *>(cboFormato),
                       static_cast<QWidget *>(spnInizio), static_cast<QWidget *>(cboStampante),
                       static_cast<QWidget *>(cmdStampa)})
        w->setEnabled(true);
    // Printed, or stopped with "Annulla": the dialog's work is done. A failure or a
    // cancelled file question leaves it open for another choice.
    if (m_outcome == SeriesPrint::Outcome::Printed || m_stop) accept();
}

void frmEtichette::cmdAnnulla_Click() {
    reject();
}

void frmEtichette::reject() {
    if (m_printing) {
        m_stop = true;
        return;
    }
    QDialog::reject();
}
