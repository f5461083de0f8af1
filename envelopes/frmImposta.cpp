#include "envelopes/frmImposta.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeSize.h"
#include "envelopes/MarginSpin.h"
#include "envelopes/MarginText.h"
#include "envelopes/OrientationWord.h"
#include "envelopes/frmLettera.h"
#include "ui/EnterClicks.h"
#include "ui/Hub.h"

namespace {

const QString kNumberStyle = QStringLiteral("QLineEdit { color: #000080; background: #ffffff; }");

QLabel *note(const QString &text) {
    auto *l = new QLabel(text);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #33414f;"));
    return l;
}

QScrollBar *spinBar() {
    auto *bar = new QScrollBar(Qt::Vertical);
    // The top end is 99 and the bottom end 0: the up arrow adds one.
    bar->setRange(MarginSpin::kMinimum, MarginSpin::kMaximum);
    bar->setInvertedAppearance(true);
    bar->setInvertedControls(false);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(0);
    bar->setFixedSize(17, 36);
    // With the low end at the bottom, the arrows (and the arrow keys) must move the value
    // the way they point: the up arrow adds one, the down arrow takes one away.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        if (action == QAbstractSlider::SliderSingleStepSub ||
            action == QAbstractSlider::SliderPageStepSub)
            bar->setSliderPosition(bar->value() + 1);
        else if (action == QAbstractSlider::SliderSingleStepAdd ||
                 action == QAbstractSlider::SliderPageStepAdd)
            bar->setSliderPosition(bar->value() - 1);
    });
    return bar;
}

QLineEdit *numberBox() {
    auto *box = new QLineEdit(QStringLiteral("0"));
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(kNumberStyle);
    box->setFixedWidth(40);
    return box;
}

QGroupBox *framed(const QString &title, QWidget *a, QWidget *b = nullptr) {
    auto *frame = new QGroupBox(title);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addWidget(a);
    if (b) layout->addWidget(b);
    return frame;
}

}  // namespace

frmImposta::frmImposta(frmLettera *composer, QWidget *parent)
    : SmallDialog(QStringLiteral("frmImposta"), QStringLiteral(" Imposta margini di stampa"),
                  QSize(), Background::None, parent),
      m_composer(composer) {
    if (!m_composer) m_composer = Hub::instance().currentAs<frmLettera>();

    auto *root = new QVBoxLayout(this);
    root->addWidget(note(
        QStringLiteral("Inserire una busta nella stampante ed eseguire una stampa di prova.")));
    root->addWidget(note(QStringLiteral(
        "Regolare i margini secondo il modello della propria stampante, ripetendo la stampa di "
        "prova fino a ottenere la posizione desiderata.")));
    root->addWidget(note(QStringLiteral(
        "Il segno + sposta la stampa in basso e a destra, il segno - in alto e a sinistra.")));

    root->addWidget(
        buildBlock(QStringLiteral("Indirizzo &mittente:"),
                   {&cboSegnoSin, &txtCmSin, &vsCmSin, &txtMmSin, &vsMmSin, &lblValSin},
                   {&cboSegnoSup, &txtCmSup, &vsCmSup, &txtMmSup, &vsMmSup, &lblValSup}));
    root->addWidget(
        buildBlock(QStringLiteral("Indirizzo &destinatario:"),
                   {&cboSegnoSinD, &txtCmSinD, &vsCmSinD, &txtMmSinD, &vsMmSinD, &lblValSinD},
                   {&cboSegnoSupD, &txtCmSupD, &vsCmSupD, &txtMmSupD, &vsMmSupD, &lblValSupD}));

    // What a screen reader says for each part of the four margins.
    const struct {
        const char *suffix;
        const char *margin;
        QComboBox *sign;
        QLineEdit *cm, *mm;
        QScrollBar *vsCm, *vsMm;
    } margins[] = {
        {"Sin", "Mittente, margine sinistro", cboSegnoSin, txtCmSin, txtMmSin, vsCmSin, vsMmSin},
        {"Sup", "Mittente, margine superiore", cboSegnoSup, txtCmSup, txtMmSup, vsCmSup, vsMmSup},
        {"SinD", "Destinatario, margine sinistro", cboSegnoSinD, txtCmSinD, txtMmSinD, vsCmSinD,
         vsMmSinD},
        {"SupD", "Destinatario, margine superiore", cboSegnoSupD, txtCmSupD, txtMmSupD, vsCmSupD,
         vsMmSupD},
    };
    for (const auto &m : margins) {
        const QString margin = QString::fromLatin1(m.margin);
        const QString suffix = QString::fromLatin1(m.suffix);
        m.sign->setObjectName(QStringLiteral("cboSegno") + suffix);
        m.cm->setObjectName(QStringLiteral("txtCm") + suffix);
        m.mm->setObjectName(QStringLiteral("txtMm") + suffix);
        m.vsCm->setObjectName(QStringLiteral("vsCm") + suffix);
        m.vsMm->setObjectName(QStringLiteral("vsMm") + suffix);
        m.sign->setAccessibleName(margin + QStringLiteral(": segno"));
        m.cm->setAccessibleName(margin + QStringLiteral(": centimetri"));
        m.mm->setAccessibleName(margin + QStringLiteral(": millimetri"));
        m.vsCm->setAccessibleName(margin + QStringLiteral(": centimetri, frecce"));
        m.vsMm->setAccessibleName(margin + QStringLiteral(": millimetri, frecce"));
    }

    auto *orientation = new QGroupBox(QStringLiteral("Orientamento di stampa:"));
    auto *ol = new QHBoxLayout(orientation);
    optVerticale = new QRadioButton(QStringLiteral(" &Verticale "));
    optVerticale->setObjectName(QStringLiteral("optVerticale"));
    optOrizzontale = new QRadioButton(QStringLiteral(" &Orizzontale "));
    optOrizzontale->setObjectName(QStringLiteral("optOrizzontale"));
    optVerticale->setChecked(true);
    ol->addWidget(optVerticale);
    ol->addWidget(optOrizzontale);
    ol->addStretch();
    root->addWidget(orientation);

    auto *size = new QGroupBox(QStringLiteral("&Formato busta:"));
    auto *sl = new QHBoxLayout(size);
    cboFormato = new QComboBox;
    cboFormato->setObjectName(QStringLiteral("cboFormato"));
    cboFormato->addItems(EnvelopeSize::captions());
    cboFormato->setCurrentIndex(int(EnvelopeSize::Size::A4));
    sl->addWidget(cboFormato);
    sl->addStretch();
    root->addWidget(size);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdApplica = new QPushButton(QStringLiteral("&Applica e chiudi"));
    cmdApplica->setObjectName(QStringLiteral("cmdApplica"));
    cmdAnnulla = new QPushButton(QStringLiteral("A&nnulla"));
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdApplica->setAutoDefault(false);
    cmdAnnulla->setAutoDefault(false);
    EnterClicks::install(cmdApplica);
    EnterClicks::install(cmdAnnulla);
    cboFormato->setAccessibleName(QStringLiteral("Formato busta"));
    buttons->addWidget(cmdApplica);
    buttons->addWidget(cmdAnnulla);
    root->addLayout(buttons);

    connect(cboFormato, &QComboBox::activated, this, &frmImposta::cboFormato_Click);
    connect(txtCmSin, &QLineEdit::textChanged, this, &frmImposta::txtCmSin_Change);
    connect(txtMmSin, &QLineEdit::textChanged, this, &frmImposta::txtMmSin_Change);
    connect(txtCmSup, &QLineEdit::textChanged, this, &frmImposta::txtCmSup_Change);
    connect(txtMmSup, &QLineEdit::textChanged, this, &frmImposta::txtMmSup_Change);
    connect(txtCmSinD, &QLineEdit::textChanged, this, &frmImposta::txtCmSinD_Change);
    connect(txtMmSinD, &QLineEdit::textChanged, this, &frmImposta::txtMmSinD_Change);
    connect(txtCmSupD, &QLineEdit::textChanged, this, &frmImposta::txtCmSupD_Change);
    connect(txtMmSupD, &QLineEdit::textChanged, this, &frmImposta::txtMmSupD_Change);
    connect(vsCmSin, &QScrollBar::valueChanged, this, &frmImposta::vsCmSin_Change);
    connect(vsMmSin, &QScrollBar::valueChanged, this, &frmImposta::vsMmSin_Change);
    connect(vsCmSup, &QScrollBar::valueChanged, this, &frmImposta::vsCmSup_Change);
    connect(vsMmSup, &QScrollBar::valueChanged, this, &frmImposta::vsMmSup_Change);
    connect(vsCmSinD, &QScrollBar::valueChanged, this, &frmImposta::vsCmSinD_Change);
    connect(vsMmSinD, &QScrollBar::valueChanged, this, &frmImposta::vsMmSinD_Change);
    connect(vsCmSupD, &QScrollBar::valueChanged, this, &frmImposta::vsCmSupD_Change);
    connect(vsMmSupD, &QScrollBar::valueChanged, this, &frmImposta::vsMmSupD_Change);
    connect(cmdApplica, &QPushButton::clicked, this, &frmImposta::cmdApplica_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmImposta::cmdAnnulla_Click);
    cboSegnoSup->installEventFilter(this);
    if (cboSegnoSup->lineEdit()) cboSegnoSup->lineEdit()->installEventFilter(this);

    Form_Load();
}

QWidget *frmImposta::buildBlock(const QString &title, Group left, Group top) {
    auto *block = new QGroupBox(title);
    block->setStyleSheet(
        QStringLiteral("QGroupBox { font-weight: bold; color: #1d3c5e; }"
                       "QGroupBox QGroupBox, QGroupBox QLabel { font-weight: normal; }"));
    auto *layout = new QHBoxLayout(block);
    layout->addWidget(buildMarginRow(QStringLiteral("Margine sinistro"), left));
    layout->addWidget(buildMarginRow(QStringLiteral("Margine superiore"), top));
    return block;
}

QWidget *frmImposta::buildMarginRow(const QString &title, Group g) {
    auto *row = new QWidget;
    auto *v = new QVBoxLayout(row);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new QLabel(title));
    auto *h = new QHBoxLayout;
    *g.sign = new QComboBox;
    (*g.sign)->setEditable(true);
    (*g.sign)->addItems({QStringLiteral("+"), QStringLiteral("-")});
    (*g.sign)->setCurrentIndex(-1);
    (*g.sign)->setEditText(QString());
    (*g.sign)->setFixedWidth(48);
    *g.cm = numberBox();
    *g.vsCm = spinBar();
    *g.mm = numberBox();
    *g.vsMm = spinBar();
    *g.value = new QLabel(MarginText::zero());
    (*g.value)->setMinimumWidth(56);
    (*g.value)->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    h->addWidget(framed(QStringLiteral(" +/- "), *g.sign));
    h->addWidget(framed(QStringLiteral(" cm "), *g.cm, *g.vsCm));
    h->addWidget(framed(QStringLiteral(" mm "), *g.mm, *g.vsMm));
    h->addWidget(*g.value);
    v->addLayout(h);
    return row;
}

void frmImposta::Form_Load() {
    cboSegnoSup->setCurrentIndex(0);
    cboSegnoSin->setCurrentIndex(0);
    const SettingsFile settings;
    loadBlock(QString::fromLatin1(SettingsFile::kSender),
              {&cboSegnoSin, &txtCmSin, &vsCmSin, &txtMmSin, &vsMmSin, &lblValSin},
              {&cboSegnoSup, &txtCmSup, &vsCmSup, &txtMmSup, &vsMmSup, &lblValSup});
    loadBlock(QString::fromLatin1(SettingsFile::kRecipient),
              {&cboSegnoSinD, &txtCmSinD, &vsCmSinD, &txtMmSinD, &vsMmSinD, &lblValSinD},
              {&cboSegnoSupD, &txtCmSupD, &vsCmSupD, &txtMmSupD, &vsMmSupD, &lblValSupD});
    const auto word = OrientationWord::fromSetting(
        settings.read(QString::fromLatin1(SettingsFile::kEnvelopePrint),
                      QString::fromLatin1(SettingsFile::kOrientation)));
    if (word == OrientationWord::landscape())
        optOrizzontale->setChecked(true);
    else if (word == OrientationWord::portrait())
        optVerticale->setChecked(true);
    cboFormato->setCurrentIndex(int(EnvelopeSize::read(settings)));
}

// An envelope laid upright would cut the recipient's lines at its narrow edge: picking
// one turns the layout across. Loading the window never does, and the user may still
// choose Verticale afterwards.
void frmImposta::cboFormato_Click() {
    if (EnvelopeSize::isEnvelope(EnvelopeSize::Size(cboFormato->currentIndex())))
        optOrizzontale->setChecked(true);
}

void frmImposta::loadBlock(const QString &section, Group left, Group top) {
    const SettingsFile settings;
    BlockMargins m;
    const auto current = [](Group g) {
        BlockMargins::Margin r;
        r.text = (*g.value)->text();
        r.sign = (*g.sign)->currentText();
        r.centimetres = (*g.cm)->text();
        r.millimetres = (*g.mm)->text();
        return r;
    };
    m.left = current(left);
    m.top = current(top);
    MarginSettings::read(settings, section, m);
    const auto show = [](Group g, const BlockMargins::Margin &r) {
        (*g.value)->setText(r.text);
        (*g.sign)->setEditText(r.sign);
        (*g.cm)->setText(r.centimetres);
        (*g.mm)->setText(r.millimetres);
    };
    show(left, m.left);
    show(top, m.top);
}

BlockMargins frmImposta::blockMargins(Group left, Group top) const {
    BlockMargins m;
    m.left = MarginSettings::fromParts((*left.sign)->currentText(), (*left.cm)->text(),
                                       (*left.mm)->text());
    m.top =
        MarginSettings::fromParts((*top.sign)->currentText(), (*top.cm)->text(), (*top.mm)->text());
    return m;
}

void frmImposta::boxChanged(QLineEdit *box, QScrollBar *bar) {
    if (const auto v = MarginSpin::barValueFor(box->text())) bar->setValue(*v);
}

void frmImposta::barChanged(QScrollBar *bar, QLineEdit *box) {
    box->setText(MarginSpin::boxText(bar->value()));
}

void frmImposta::txtCmSin_Change() {
    boxChanged(txtCmSin, vsCmSin);
}
void frmImposta::txtMmSin_Change() {
    boxChanged(txtMmSin, vsMmSin);
}
void frmImposta::txtCmSup_Change() {
    boxChanged(txtCmSup, vsCmSup);
}
void frmImposta::txtMmSup_Change() {
    boxChanged(txtMmSup, vsMmSup);
}
void frmImposta::txtCmSinD_Change() {
    boxChanged(txtCmSinD, vsCmSinD);
}
void frmImposta::txtMmSinD_Change() {
    boxChanged(txtMmSinD, vsMmSinD);
}
void frmImposta::txtCmSupD_Change() {
    boxChanged(txtCmSupD, vsCmSupD);
}
void frmImposta::txtMmSupD_Change() {
    boxChanged(txtMmSupD, vsMmSupD);
}
void frmImposta::vsCmSin_Change() {
    barChanged(vsCmSin, txtCmSin);
}
void frmImposta::vsMmSin_Change() {
    barChanged(vsMmSin, txtMmSin);
}
void frmImposta::vsCmSup_Change() {
    barChanged(vsCmSup, txtCmSup);
}
void frmImposta::vsMmSup_Change() {
    barChanged(vsMmSup, txtMmSup);
}
void frmImposta::vsCmSinD_Change() {
    barChanged(vsCmSinD, txtCmSinD);
}
void frmImposta::vsMmSinD_Change() {
    barChanged(vsMmSinD, txtMmSinD);
}
void frmImposta::vsCmSupD_Change() {
    barChanged(vsCmSupD, txtCmSupD);
}
void frmImposta::vsMmSupD_Change() {
    barChanged(vsMmSupD, txtMmSupD);
}

void frmImposta::cboSegnoSup_LostFocus() {
    const QString t = cboSegnoSup->currentText().trimmed();
    if (t != QLatin1String("+") && t != QLatin1String("-"))
        cboSegnoSup->setEditText(QStringLiteral("+"));
}

bool frmImposta::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut &&
        (watched == cboSegnoSup || watched == cboSegnoSup->lineEdit()))
        cboSegnoSup_LostFocus();
    return QDialog::eventFilter(watched, event);
}

void frmImposta::cmdApplica_Click() {
    const BlockMargins sender =
        blockMargins({&cboSegnoSin, &txtCmSin, &vsCmSin, &txtMmSin, &vsMmSin, &lblValSin},
                     {&cboSegnoSup, &txtCmSup, &vsCmSup, &txtMmSup, &vsMmSup, &lblValSup});
    const BlockMargins recipient =
        blockMargins({&cboSegnoSinD, &txtCmSinD, &vsCmSinD, &txtMmSinD, &vsMmSinD, &lblValSinD},
                     {&cboSegnoSupD, &txtCmSupD, &vsCmSupD, &txtMmSupD, &vsMmSupD, &lblValSupD});
    SettingsFile settings;

    lblValSup->setText(sender.top.text);
    lblValSin->setText(sender.left.text);
    MarginSettings::write(settings, QString::fromLatin1(SettingsFile::kSender), sender);
    lblValSupD->setText(recipient.top.text);
    lblValSinD->setText(recipient.left.text);
    MarginSettings::write(settings, QString::fromLatin1(SettingsFile::kRecipient), recipient);

    QString word;
    if (optOrizzontale->isChecked())
        word = OrientationWord::landscape();
    else if (optVerticale->isChecked())
        word = OrientationWord::portrait();
    settings.write(QString::fromLatin1(SettingsFile::kEnvelopePrint),
                   QString::fromLatin1(SettingsFile::kOrientation), word);
    EnvelopeSize::write(settings, EnvelopeSize::Size(cboFormato->currentIndex()));

    if (m_composer) {
        m_composer->lblValSin->setText(sender.left.text);
        m_composer->lblValSup->setText(sender.top.text);
        m_composer->lblValSinD->setText(recipient.left.text);
        m_composer->lblValSupD->setText(recipient.top.text);
        m_composer->lblOrientamento->setText(word);
    }
    accept();
}

void frmImposta::cmdAnnulla_Click() {
    reject();
}
