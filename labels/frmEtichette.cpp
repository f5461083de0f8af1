#include "labels/frmEtichette.h"

#include "labels/LabelMessages.h"
#include "labels/LabelSheetPrinter.h"
#include "platform/Platform.h"
#include "printing/widgets/PrintDialog.h"
#include "ui/EnterClicks.h"
#include "ui/ShowMessage.h"

namespace {

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
    : SmallDialog(QStringLiteral("frmEtichette"),
                  kind == SeriesPrint::Kind::Labels ? QStringLiteral(" Stampa etichette indirizzi")
                                                    : QStringLiteral(" Stampa buste in serie"),
                  QSize(480, 330), Background::None, parent),
      m_kind(kind),
      m_choices(choices) {
    const bool labels = kind == SeriesPrint::Kind::Labels;

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

    lblEsclusi = label(this, "lblEsclusi", QString(), QRect(16, labels ? 124 : 56, 448, 156));
    lblEsclusi->setWordWrap(true);
    lblEsclusi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEsclusi->setStyleSheet(QStringLiteral("color: #800000;"));

    cmdStampa = control<QPushButton>(this, "cmdStampa", QRect(290, 292, 82, 28));
    cmdStampa->setText(QStringLiteral("&Stampa…"));
    cmdStampa->setDefault(true);
    cmdAnnulla = control<QPushButton>(this, "cmdAnnulla", QRect(382, 292, 82, 28));
    cmdAnnulla->setText(QStringLiteral("&Annulla"));
    cmdAnnulla->setAutoDefault(false);

    lblSelezione->setBuddy(cboSelezione);
    lblFormato->setBuddy(cboFormato);
    lblInizio->setBuddy(spnInizio);
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
                    : Message{QString::fromUtf8(LabelMessages::kNothingSelectedText),
                              QString::fromUtf8(LabelMessages::kTitle), MsgIcon::Exclamation,
                              MsgButtons::Ok, false};
    ShowPages();
}

void frmEtichette::cboFormato_Click() {
    const int i = std::max(0, cboFormato->currentIndex());
    spnInizio->setRange(1, LabelLayout::all().at(i).labels());
    ShowPages();
}

void frmEtichette::ShowPages() {
    if (!m_refusal.isEmpty()) {
        lblEsclusi->setText(m_refusal.text);
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

void frmEtichette::cmdStampa_Click() {
    if (!m_refusal.isEmpty()) {
        showMessage(m_refusal);
        return;
    }
    SeriesPrint::Request request;
    request.kind = m_kind;
    request.selection = m_choices.at(cboSelezione->currentIndex()).selection;
    request.layout = LabelLayout::all().at(std::max(0, cboFormato->currentIndex()));
    request.firstLabel = spnInizio->value();
    PrintDialog dialog(SeriesPrint::printout(request, m_scan), this);
    const bool accepted = Platform::instance().execDialog(&dialog) == QDialog::Accepted;
    if (dialog.stopped())
        m_outcome = Outcome::Cancelled;
    else if (dialog.printed())
        m_outcome = Outcome::Printed;
    else
        m_outcome = accepted ? Outcome::Failed : Outcome::Cancelled;
    // Printed, or stopped with "Annulla": the work is done. A failure or a closed print
    // dialog leaves this one open for another choice.
    if (m_outcome == Outcome::Printed || dialog.stopped()) accept();
}

void frmEtichette::cmdAnnulla_Click() {
    reject();
}
