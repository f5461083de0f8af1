#include "cards/frmBiglietti.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "archive/ArchiveColours.h"
#include "archive/OriginTag.h"
#include "archive/PositionLabel.h"
#include "archive/SettingsFile.h"
#include "cards/CardLayout.h"
#include "cards/CardPicture.h"
#include "cards/CardTexts.h"
#include "cards/frmMyPrinterListening.h"
#include "platform/Artwork.h"
#include "platform/HourglassCursor.h"
#include "platform/LogoFileFilters.h"
#include "platform/Platform.h"
#include "platform/VbColor.h"
#include "printing/TextFit.h"
#include "printing/Twips.h"
#include "ui/BrowseBar.h"
#include "ui/EnterClicks.h"
#include "ui/FocusTint.h"
#include "ui/Hub.h"
#include "ui/PictureKey.h"
#include "ui/ShowMessage.h"
#include "ui/WindowKeys.h"

using F = ContactRecord::Field;

namespace {

constexpr QSize kPanel(760, 532);  // 11400 × 7980 twips

const QColor kBoxBack(0xE0, 0xE0, 0xE0);
const QColor kSelected = VbColor::toColor(0x0000C0);
const QColor kUnselectedLabel(0x80, 0x80, 0x80);
const QColor kUnselectedBorder(0xFF, 0xFF, 0xFF);

// Preview places inside the panel, in twips.
constexpr QPoint kPreviewPlace[4] = {{225, 1080}, {5670, 1035}, {225, 4050}, {5670, 4050}};
// The captions carry their Alt letters; the names are what a screen reader says.
const char *const kCaptions[4] = {" &Piccolo con logo", " Piccolo se&nza logo", " &Medio",
                                  " &Grande"};
const char *const kFormatNames[4] = {"piccolo con logo", "piccolo senza logo", "medio", "grande"};

QString formatName(int i) {
    return QString::fromLatin1(kFormatNames[i]);
}

void setBack(QLineEdit *box, const QColor &c) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, c);
    box->setPalette(pal);
}

void setFore(QLineEdit *box, qint32 colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, VbColor::toColor(colour));
    box->setPalette(pal);
}

// A preview box shows its text as the card prints it: shrunk to fit its box, down to 70 %
// of the design size, else cut at the edge with its start shown.
void fitToBox(QLineEdit *box) {
    const CardField place = box->property("cardField").value<CardField>();
    PageFont design;
    design.name = QString::fromLatin1(place.fontName);
    design.size = place.fontSize;
    design.bold = place.bold;
    design.italic = place.italic;
    const FittedText fitted = TextFit::fit(box->text(), design, box->width(), box);
    QFont font = box->font();
    if (font.pointSizeF() != fitted.font.size) {
        font.setPointSizeF(fitted.font.size);
        box->setFont(font);
    }
    if (!box->hasFocus()) box->setCursorPosition(0);
}

void fillWith(QWidget *w, const QColor &c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QPushButton *picture(QWidget *parent, const QString &name, const char *art, QRect geometry,
                     const QString &accessibleName) {
    return PictureKey::make(parent, name,
                            QPixmap::fromImage(Artwork::render(
                                QStringLiteral(":/art/") + QLatin1String(art), geometry.size())),
                            geometry, accessibleName);
}

// The dark "?" and "X" keys of the title line.
QPushButton *titleKey(QWidget *parent, const QString &name, const QString &text, QRect geometry,
                      const QString &accessibleName) {
    auto *key = new QPushButton(text, parent);
    key->setObjectName(name);
    key->setGeometry(geometry);
    key->setAccessibleName(accessibleName);
    key->setCursor(Qt::PointingHandCursor);
    key->setStyleSheet(QStringLiteral(
        "QPushButton { background: #1d3c5e; color: white; font-weight: bold; border: none; "
        "border-radius: 3px; padding: 0px; }"
        "QPushButton:disabled { background: #a8b2bc; }"));
    return key;
}

}  // namespace

frmBiglietti::frmBiglietti(QWidget *parent)
    : MainWindowBase(QStringLiteral("frmBiglietti"),
                     QStringLiteral(" Compilazione e stampa biglietti da visita"), kPanel, parent) {
    QWidget *panel = picContainer();

    picNuovo = new QLabel(panel);
    picNuovo->setObjectName(QStringLiteral("picNuovo"));
    picNuovo->setPixmap(QPixmap::fromImage(CardPicture::blank()));
    picNuovo->hide();

    lblInfo = new QLabel(
        QStringLiteral("Selezionare un formato, compilare i campi e premere Stampa."), panel);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(16, 10, 600, 22);
    lblInfo->setStyleSheet(QStringLiteral("font-size: 13px; font-weight: bold; color: #1d3c5e;"));

    lblHelp = titleKey(panel, QStringLiteral("lblHelp"), QStringLiteral("?"), QRect(698, 9, 26, 22),
                       QStringLiteral("Guida"));
    lblEsci = titleKey(panel, QStringLiteral("lblEsci"), QStringLiteral("X"), QRect(728, 9, 26, 22),
                       QStringLiteral("Chiudi"));
    connect(lblHelp, &QPushButton::clicked, this, &frmBiglietti::lblHelp_MouseUp);
    connect(lblEsci, &QPushButton::clicked, this, &frmBiglietti::lblEsci_MouseUp);

    for (int i = 0; i < CardFormats::kCount; ++i) buildPreview(CardFormat(i), kPreviewPlace[i]);

    auto *group = new QButtonGroup(this);
    for (int i = 0; i < CardFormats::kCount; ++i) group->addButton(option(CardFormat(i)), i);
    connect(optCard_Pic_Si, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optCard_Pic_Si_Click();
    });
    connect(optCard_Pic_No, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optCard_Pic_No_Click();
    });
    connect(optCard_Med, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optCard_Med_Click();
    });
    connect(optCard_Gra, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optCard_Gra_Click();
    });

    buildBottomBar(panel);
    Form_Load();
    addKeys();
    orderTabChain();
    updateTabReach();
}

void frmBiglietti::buildFormatRow(CardFormat format, QPoint place, int width) {
    QWidget *panel = picContainer();
    const int i = int(format);
    const QString suffix = QStringList{QStringLiteral("Pic_Si"), QStringLiteral("Pic_No"),
                                       QStringLiteral("Med"), QStringLiteral("Gra")}[i];
    auto *shape = new QFrame(panel);
    shape->setObjectName(QStringLiteral("shpCard_") + suffix);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *opt = new QRadioButton(panel);
    opt->setObjectName(QStringLiteral("optCard_") + suffix);
    opt->setAccessibleName(QStringLiteral("Formato ") + formatName(i));
    opt->installEventFilter(this);
    EnterClicks::install(opt);
    auto *label = new QLabel(QString::fromUtf8(kCaptions[i]), panel);
    label->setObjectName(QStringLiteral("lblCard_") + suffix);
    label->setBuddy(opt);
    label->setAutoFillBackground(true);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    auto *clear = picture(panel, QStringLiteral("picNuovo0%1").arg(i + 1), "pulisci.svg",
                          QRect(place.x() + width - 20, place.y() - 24, 20, 20),
                          QStringLiteral("Svuota il formato ") + formatName(i));
    clear->setToolTip(QStringLiteral("Svuota il formato"));
    const std::array<void (frmBiglietti::*)(), 4> clearing{
        &frmBiglietti::picNuovo01_MouseUp, &frmBiglietti::picNuovo02_MouseUp,
        &frmBiglietti::picNuovo03_MouseUp, &frmBiglietti::picNuovo04_MouseUp};
    connect(clear, &QPushButton::clicked, this, clearing[i]);

    const int rowTop = place.y() - 24;
    opt->setGeometry(place.x(), rowTop, 18, 20);
    label->setGeometry(place.x() + 20, rowTop, width - 44, 20);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);

    const CardLayout &layout = CardLayout::of(format);
    const QSize card(Twips(layout.previewSize().width()).screenPixels(),
                     Twips(layout.previewSize().height()).screenPixels());
    shape->setGeometry(place.x() - 6, rowTop - 5, card.width() + 16, card.height() + 24 + 14);
    shape->lower();
    picContainer()->findChild<QLabel *>(QStringLiteral("picBody"))->lower();

    switch (format) {
        case CardFormat::SmallLogo:
            optCard_Pic_Si = opt, lblCard_Pic_Si = label, shpCard_Pic_Si = shape,
            picNuovo01 = clear;
            break;
        case CardFormat::SmallNoLogo:
            optCard_Pic_No = opt, lblCard_Pic_No = label, shpCard_Pic_No = shape,
            picNuovo02 = clear;
            break;
        case CardFormat::Medium:
            optCard_Med = opt, lblCard_Med = label, shpCard_Med = shape, picNuovo03 = clear;
            break;
        case CardFormat::Large:
            optCard_Gra = opt, lblCard_Gra = label, shpCard_Gra = shape, picNuovo04 = clear;
            break;
    }
}

void frmBiglietti::buildPreview(CardFormat format, QPoint placeTwips) {
    QWidget *panel = picContainer();
    const int i = int(format);
    const CardLayout &layout = CardLayout::of(format);
    const QPoint place = Twips::screenPoint(placeTwips.x(), placeTwips.y());
    const QSize card(Twips(layout.previewSize().width()).screenPixels(),
                     Twips(layout.previewSize().height()).screenPixels());
    buildFormatRow(format, place, card.width());

    auto *shadow = new QFrame(panel);
    shadow->setObjectName(QStringLiteral("shpBiglietto"));
    shadow->setGeometry(QRect(place + QPoint(4, 4), card));
    fillWith(shadow, QColor(0x8f, 0x8f, 0x8f));
    shpBiglietto[i] = shadow;

    auto *white = new QFrame(panel);
    white->setObjectName(QStringLiteral("picBiglietto"));
    white->setGeometry(QRect(place, card));
    fillWith(white, Qt::white);
    picBiglietto[i] = white;

    if (layout.logo()) {
        auto *logo =
            PictureKey::make(white, QStringLiteral("picLogo"), QPixmap(),
                             Twips::screenRect(layout.logo()->x(), layout.logo()->y(),
                                               layout.logo()->width(), layout.logo()->height()),
                             QStringLiteral("Logo del formato ") + formatName(i),
                             QStringLiteral("Doppio clic, Spazio o Invio: scegliere il logo"));
        logo->setCursor(Qt::ArrowCursor);
        logo->setStyleSheet(
            QStringLiteral("QPushButton { border: none; padding: 0px; background: white; }"));
        logo->installEventFilter(this);
        connect(logo, &QPushButton::clicked, this, [this, i] { picLogo_Click(i); });
        picLogo[i] = logo;
        m_logo[i] = CardPicture::sample(format);
        showLogo(i);
    }

    for (F f : CardTexts::boxesOf(format)) {
        const CardField place = layout.previewField(f);
        auto *box = new QLineEdit(CardTexts::designText(f), white);
        box->setObjectName(CardTexts::boxName(f));
        box->setAccessibleName(CardTexts::designText(f) + QStringLiteral(", formato ") +
                               formatName(i));
        box->setGeometry(Twips::screenRect(place.left, place.top, place.width, place.height));
        box->setFrame(false);
        box->setTextMargins(0, 0, 0, 0);
        box->setContentsMargins(0, 0, 0, 0);
        QFont font(QString::fromLatin1(place.fontName));
        font.setPointSizeF(place.fontSize);
        font.setBold(place.bold);
        font.setItalic(place.italic);
        box->setFont(font);
        box->setAlignment(place.alignment == 1 ? Qt::AlignRight | Qt::AlignVCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
        setBack(box, kBoxBack);
        setFore(box, 0);
        box->installEventFilter(this);
        FocusTint::install(box, FocusTint::yellow());
        box->setProperty("cardField", QVariant::fromValue(place));
        connect(box, &QLineEdit::textChanged, box, [box] { fitToBox(box); });
        (*boxArray(f))[i] = box;
    }

    const QList<CardLine> rules = layout.previewRules();
    for (int r = 0; r < 2; ++r) {
        auto *line = new QFrame(white);
        line->setObjectName(QStringLiteral("Line1"));
        const CardLine &l = rules[r];
        line->setGeometry(Twips(l.x1).screenPixels(), Twips(l.y1).screenPixels(),
                          Twips(l.x2 - l.x1).screenPixels(), 1);
        fillWith(line, Qt::black);
        Line1[i][r] = line;
    }
}

void frmBiglietti::buildBottomBar(QWidget *panel) {
    picFrecce = new QWidget(panel);
    picFrecce->setObjectName(QStringLiteral("picFrecce"));
    picFrecce->setGeometry(15, 486, 150, 30);
    BrowseBar::Look look;
    look.first = QRect(0, 2, 26, 26);
    look.previous = QRect(28, 2, 26, 26);
    look.label = QRect(56, 3, 38, 24);
    look.next = QRect(96, 2, 26, 26);
    look.last = QRect(124, 2, 26, 26);
    look.iconSize = QSize(16, 16);
    look.labelAlignment = Qt::AlignCenter;
    look.labelStyle =
        QStringLiteral("background: white; border: 1px solid #8a97a6; font-weight: bold;");
    look.paddedTips = false;
    barBrowse = new BrowseBar(picFrecce, look);
    cmdPrimo = barBrowse->first();
    cmdIndietro = barBrowse->previous();
    lblPosizione = barBrowse->position();
    cmdAvanti = barBrowse->next();
    cmdUltimo = barBrowse->last();
    connect(barBrowse, &BrowseBar::browse, this, &frmBiglietti::browse);

    picControlli = new QWidget(panel);
    picControlli->setObjectName(QStringLiteral("picControlli"));
    picControlli->setGeometry(172, 486, 70, 30);
    imgTrova = picture(picControlli, QStringLiteral("imgTrova"), "trova.svg", QRect(0, 4, 22, 22),
                       QStringLiteral("Trova in archivio"));
    connect(imgTrova, &QPushButton::clicked, this, &frmBiglietti::imgTrova_Click);
    cmdTrova = new QPushButton(QStringLiteral("&Trova"), picControlli);
    cmdTrova->setObjectName(QStringLiteral("cmdTrova"));
    cmdTrova->setGeometry(24, 2, 46, 26);
    connect(cmdTrova, &QPushButton::clicked, this, &frmBiglietti::cmdTrova_Click);

    picStampa = new QWidget(panel);
    picStampa->setObjectName(QStringLiteral("picStampa"));
    picStampa->setGeometry(250, 486, 74, 30);
    imgStampa = picture(picStampa, QStringLiteral("imgStampa"), "stampa.svg", QRect(0, 4, 22, 22),
                        QStringLiteral("Stampa"));
    connect(imgStampa, &QPushButton::clicked, this, &frmBiglietti::imgStampa_Click);
    cmdStampa01 = new QPushButton(QStringLiteral("&Stampa"), picStampa);
    cmdStampa01->setObjectName(QStringLiteral("cmdStampa01"));
    cmdStampa01->setGeometry(24, 2, 50, 26);
    cmdStampa01->setEnabled(false);
    connect(cmdStampa01, &QPushButton::clicked, this, &frmBiglietti::cmdStampa01_Click);
}

void frmBiglietti::Form_Load() {
    const Hub &hub = Hub::instance();
    cmdTrova->setEnabled(hub.hasAction(Hub::Action::Search));
    imgTrova->setEnabled(cmdTrova->isEnabled());
    lblHelp->setEnabled(hub.hasAction(Hub::Action::Help));

    for (int i = 0; i < CardFormats::kCount; ++i) {
        QLabel *label = caption(CardFormat(i));
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, kUnselectedLabel);
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
        rectangle(CardFormat(i))
            ->setStyleSheet(QStringLiteral("border: 2px solid %1;").arg(kUnselectedBorder.name()));
    }

    const ArchiveColours::Pair colours = ArchiveColours::read(SettingsFile());
    for (QLineEdit *b : txtTitolo) setFore(b, colours.title);
    for (QLineEdit *b : txtSottotitolo) setFore(b, colours.subtitle);
}

// --- the per-format controls --------------------------------------------------------

frmBiglietti::Boxes *frmBiglietti::boxArray(F field) {
    switch (field) {
        case F::Titolo:
            return &txtTitolo;
        case F::Sottotitolo:
            return &txtSottotitolo;
        case F::Indirizzo:
            return &txtIndirizzo;
        case F::Citta:
            return &txtCitta;
        case F::Iva:
            return &txtIva;
        case F::Tel:
            return &txtTel;
        case F::Cel:
            return &txtCel;
        case F::Email:
            return &txtEmail;
        case F::Fax:
            return &txtFax;
        case F::Web:
            return &txtWeb;
        case F::Informazioni:
            return &txtInformazioni;
        default:
            return nullptr;
    }
}

QLineEdit *frmBiglietti::box(CardFormat format, F field) const {
    auto *arrays = const_cast<frmBiglietti *>(this)->boxArray(field);
    return arrays ? (*arrays)[int(format)] : nullptr;
}

QRadioButton *frmBiglietti::option(CardFormat format) const {
    const std::array<QRadioButton *, 4> all{optCard_Pic_Si, optCard_Pic_No, optCard_Med,
                                            optCard_Gra};
    return all[int(format)];
}

QLabel *frmBiglietti::caption(CardFormat format) const {
    const std::array<QLabel *, 4> all{lblCard_Pic_Si, lblCard_Pic_No, lblCard_Med, lblCard_Gra};
    return all[int(format)];
}

QFrame *frmBiglietti::rectangle(CardFormat format) const {
    const std::array<QFrame *, 4> all{shpCard_Pic_Si, shpCard_Pic_No, shpCard_Med, shpCard_Gra};
    return all[int(format)];
}

std::optional<CardFormat> frmBiglietti::selectedFormat() const {
    for (int i = 0; i < CardFormats::kCount; ++i)
        if (option(CardFormat(i))->isChecked()) return CardFormat(i);
    return std::nullopt;
}

// --- logos -------------------------------------------------------------------------

QImage frmBiglietti::logoPicture(int index) const {
    return index >= 0 && index < 4 ? m_logo[index] : QImage();
}

void frmBiglietti::setLogoPicture(int index, const QImage &picture) {
    if (index < 0 || index >= 4 || !picLogo[index]) return;
    m_logo[index] = picture;
    showLogo(index);
}

void frmBiglietti::showLogo(int index) {
    QPushButton *box = picLogo[index];
    const CardLayout &layout = CardLayout::of(CardFormat(index));
    const QImage shown = CardPicture::shownInBox(m_logo[index], layout.logo()->size());
    PictureKey::setPicture(box, QPixmap::fromImage(shown.scaled(box->size(), Qt::IgnoreAspectRatio,
                                                                Qt::SmoothTransformation)));
}

bool frmBiglietti::loadLogo(int index, const QString &path) {
    const auto picture = CardPicture::load(path);
    if (!picture) return false;
    setLogoPicture(index, *picture);
    return true;
}

QList<FileFilter> frmBiglietti::logoFilters() {
    return logoFileFilters();
}

QString frmBiglietti::logoDialogTitle() {
    return QStringLiteral("Cartaflex - Selezionare un file immagine");
}

// --- filling and reading the previews ------------------------------------------------

bool frmBiglietti::receivesContact(OriginTag tag) const {
    return tag == OriginTag::Biglietti;
}

void frmBiglietti::receiveContact(const ContactRecord &record, int number, OriginTag) {
    const QImage blank = picNuovo->pixmap().toImage();
    for (int index : {0, 2, 3}) setLogoPicture(index, blank);
    FillCardsFromRecord(record);
    lblPosizione->setText(PositionLabel::text(number));
}

void frmBiglietti::FillCardsFromRecord(const ContactRecord &record) {
    const std::pair<int, F> logos[] = {{0, F::Logo01}, {2, F::Logo02}, {3, F::Logo03}};
    for (const auto &[index, field] : logos) {
        const QString path = ContactRecord::trimBlanks(record.value(field));
        if (!path.isEmpty()) loadLogo(index, path);  // a failing load leaves the box as it was
    }
    for (int i = 0; i < CardFormats::kCount; ++i)
        for (const auto &[field, text] : CardTexts::fromRecord(record, CardFormat(i)))
            if (QLineEdit *b = box(CardFormat(i), field)) b->setText(text);
}

qint32 frmBiglietti::textColour(const QLineEdit *box) {
    return VbColor::fromColor(box->palette().color(QPalette::Text));
}

CardContent frmBiglietti::cardContent(CardFormat format) const {
    CardContent c;
    for (F f : CardTexts::boxesOf(format))
        if (QLineEdit *b = box(format, f)) c.texts[f] = b->text();
    c.titleColor = textColour(txtTitolo[int(format)]);
    c.subtitleColor = textColour(txtSottotitolo[int(format)]);
    if (CardFormats::hasLogo(format)) c.logo = m_logo[int(format)];
    return c;
}

// --- format selection --------------------------------------------------------------

void frmBiglietti::setOption(CardFormat format) {
    // Setting an option that is already chosen raises nothing.
    if (!option(format)->isChecked()) option(format)->setChecked(true);
}

void frmBiglietti::selectFormat(CardFormat format) {
    cmdStampa01->setEnabled(true);
    for (int i = 0; i < CardFormats::kCount; ++i) {
        const bool chosen = i == int(format);
        QLabel *label = caption(CardFormat(i));
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, chosen ? kSelected : kUnselectedLabel);
        label->setPalette(pal);
        rectangle(CardFormat(i))
            ->setStyleSheet(QStringLiteral("border: 2px solid %1;")
                                .arg((chosen ? kSelected : kUnselectedBorder).name()));
    }
    updateTabReach();
    // An arrow key on the format choice leaves the focus there, so that the next arrow
    // moves on; a click, Space or Alt letter goes to the title box as the mouse does.
    if (m_arrowChoice)
        option(format)->setFocus(Qt::TabFocusReason);
    else
        txtTitolo[int(format)]->setFocus(Qt::OtherFocusReason);
}

void frmBiglietti::optCard_Pic_Si_Click() {
    selectFormat(CardFormat::SmallLogo);
}
void frmBiglietti::optCard_Pic_No_Click() {
    selectFormat(CardFormat::SmallNoLogo);
}
void frmBiglietti::optCard_Med_Click() {
    selectFormat(CardFormat::Medium);
}
void frmBiglietti::optCard_Gra_Click() {
    selectFormat(CardFormat::Large);
}
void frmBiglietti::lblCard_Pic_Si_Click() {
    setOption(CardFormat::SmallLogo);
}
void frmBiglietti::lblCard_Pic_No_Click() {
    setOption(CardFormat::SmallNoLogo);
}
void frmBiglietti::lblCard_Med_Click() {
    setOption(CardFormat::Medium);
}
void frmBiglietti::lblCard_Gra_Click() {
    setOption(CardFormat::Large);
}
void frmBiglietti::picLogo_Click(int index) {
    setOption(CardFormat(index));
}

void frmBiglietti::picLogo_DblClick(int index) {
    const QString path =
        Platform::instance().openFileDialog(logoDialogTitle(), logoFilters(), 0, QString());
    if (path.isEmpty()) return;
    // The path as returned, up to a NUL if one came with it.
    const QString file =
        path.left(path.indexOf(QChar(0)) < 0 ? path.size() : path.indexOf(QChar(0)));
    if (!loadLogo(index, file)) setLogoPicture(index, picNuovo->pixmap().toImage());
}

// --- clearing ------------------------------------------------------------------------

void frmBiglietti::clearFormat(CardFormat format) {
    setOption(format);
    if (CardFormats::hasLogo(format)) setLogoPicture(int(format), picNuovo->pixmap().toImage());
    for (F f : CardTexts::boxesOf(format)) box(format, f)->clear();
    txtTitolo[int(format)]->setFocus(Qt::OtherFocusReason);
}

void frmBiglietti::picNuovo01_MouseUp() {
    clearFormat(CardFormat::SmallLogo);
}
void frmBiglietti::picNuovo02_MouseUp() {
    clearFormat(CardFormat::SmallNoLogo);
}
void frmBiglietti::picNuovo03_MouseUp() {
    clearFormat(CardFormat::Medium);
}
void frmBiglietti::picNuovo04_MouseUp() {
    clearFormat(CardFormat::Large);
}

// --- focus ---------------------------------------------------------------------------

void frmBiglietti::boxGotFocus(QLineEdit *box, int index) {
    if (!box) return;
    setOption(CardFormat(index));
}

void frmBiglietti::boxLostFocus(QLineEdit *box) {
    if (!box) return;
    box->setCursorPosition(0);
}

void frmBiglietti::txtTitolo_GotFocus(int i) {
    boxGotFocus(txtTitolo[i], i);
}
void frmBiglietti::txtTitolo_LostFocus(int i) {
    boxLostFocus(txtTitolo[i]);
}
void frmBiglietti::txtSottotitolo_GotFocus(int i) {
    boxGotFocus(txtSottotitolo[i], i);
}
void frmBiglietti::txtSottotitolo_LostFocus(int i) {
    boxLostFocus(txtSottotitolo[i]);
}
void frmBiglietti::txtIndirizzo_GotFocus(int i) {
    boxGotFocus(txtIndirizzo[i], i);
}
void frmBiglietti::txtIndirizzo_LostFocus(int i) {
    boxLostFocus(txtIndirizzo[i]);
}
void frmBiglietti::txtCitta_GotFocus(int i) {
    boxGotFocus(txtCitta[i], i);
}
void frmBiglietti::txtCitta_LostFocus(int i) {
    boxLostFocus(txtCitta[i]);
}
void frmBiglietti::txtIva_GotFocus(int i) {
    boxGotFocus(txtIva[i], i);
}
void frmBiglietti::txtIva_LostFocus(int i) {
    boxLostFocus(txtIva[i]);
}
void frmBiglietti::txtTel_GotFocus(int i) {
    boxGotFocus(txtTel[i], i);
}
void frmBiglietti::txtTel_LostFocus(int i) {
    boxLostFocus(txtTel[i]);
}
void frmBiglietti::txtCel_GotFocus(int i) {
    boxGotFocus(txtCel[i], i);
}
void frmBiglietti::txtCel_LostFocus(int i) {
    boxLostFocus(txtCel[i]);
}
void frmBiglietti::txtEmail_GotFocus(int i) {
    boxGotFocus(txtEmail[i], i);
}
void frmBiglietti::txtEmail_LostFocus(int i) {
    boxLostFocus(txtEmail[i]);
}
void frmBiglietti::txtFax_GotFocus(int i) {
    boxGotFocus(txtFax[i], i);
}
void frmBiglietti::txtFax_LostFocus(int i) {
    boxLostFocus(txtFax[i]);
}
void frmBiglietti::txtWeb_GotFocus(int i) {
    boxGotFocus(txtWeb[i], i);
}
void frmBiglietti::txtWeb_LostFocus(int i) {
    boxLostFocus(txtWeb[i]);
}
void frmBiglietti::txtInformazioni_GotFocus(int i) {
    boxGotFocus(txtInformazioni[i], i);
}
void frmBiglietti::txtInformazioni_LostFocus(int i) {
    boxLostFocus(txtInformazioni[i]);
}

// --- browsing, search, print, help, exit -------------------------------------------------

void frmBiglietti::browse(ArchiveStore::Direction direction) {
    const QImage blank = picNuovo->pixmap().toImage();
    for (int i : {0, 2, 3}) setLogoPicture(i, blank);
    ArchiveStore store;
    const ArchiveStore::Navigation nav = store.navigateTo(direction, lblPosizione->text());
    if (nav.empty) {
        showMessage(nav.message);
        lblPosizione->clear();
        return;
    }
    HourglassCursor hourglass;
    lblPosizione->setText(PositionLabel::text(nav.number));
    if (nav.readOk) FillCardsFromRecord(nav.record);
}

void frmBiglietti::cmdTrova_Click() {
    Hub::instance().runAction(Hub::Action::Search, this, QStringLiteral("biglietti"));
}

void frmBiglietti::imgTrova_Click() {
    if (cmdTrova->isEnabled()) cmdTrova_Click();
}

void frmBiglietti::cmdStampa01_Click() {
    const auto format = selectedFormat();
    if (!format) return;
    frmMyPrinterListening dialog(this);
    dialog.setFormat(*format);
    dialog.lblInfo->setText(CardFormats::printDialogInfo(*format));
    dialog.exec();
}

void frmBiglietti::imgStampa_Click() {
    if (!selectedFormat()) {
        Platform::instance().messageBox(
            QString::fromUtf8("Prima di eseguire la stampa, è necessario selezionare un formato "
                              "di biglietto da visita."),
            QStringLiteral("Attenzione: nessun formato selezionato"), MsgIcon::Exclamation,
            MsgButtons::Ok);
        return;
    }
    cmdStampa01_Click();
}

void frmBiglietti::lblHelp_MouseUp() {
    Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("biglietti"));
}

void frmBiglietti::lblEsci_MouseUp() {
    close();
}

// --- events ----------------------------------------------------------------------------

bool frmBiglietti::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
        if (type != QEvent::FocusIn && type != QEvent::FocusOut)
            return MainWindowBase::eventFilter(watched, event);
        const bool in = type == QEvent::FocusIn;
        using Handler = void (frmBiglietti::*)(int);
        const struct {
            Boxes *boxes;
            Handler got, lost;
        } arrays[] = {
            {&txtTitolo, &frmBiglietti::txtTitolo_GotFocus, &frmBiglietti::txtTitolo_LostFocus},
            {&txtSottotitolo, &frmBiglietti::txtSottotitolo_GotFocus,
             &frmBiglietti::txtSottotitolo_LostFocus},
            {&txtIndirizzo, &frmBiglietti::txtIndirizzo_GotFocus,
             &frmBiglietti::txtIndirizzo_LostFocus},
            {&txtCitta, &frmBiglietti::txtCitta_GotFocus, &frmBiglietti::txtCitta_LostFocus},
            {&txtIva, &frmBiglietti::txtIva_GotFocus, &frmBiglietti::txtIva_LostFocus},
            {&txtTel, &frmBiglietti::txtTel_GotFocus, &frmBiglietti::txtTel_LostFocus},
            {&txtCel, &frmBiglietti::txtCel_GotFocus, &frmBiglietti::txtCel_LostFocus},
            {&txtEmail, &frmBiglietti::txtEmail_GotFocus, &frmBiglietti::txtEmail_LostFocus},
            {&txtFax, &frmBiglietti::txtFax_GotFocus, &frmBiglietti::txtFax_LostFocus},
            {&txtWeb, &frmBiglietti::txtWeb_GotFocus, &frmBiglietti::txtWeb_LostFocus},
            {&txtInformazioni, &frmBiglietti::txtInformazioni_GotFocus,
             &frmBiglietti::txtInformazioni_LostFocus},
        };
        for (const auto &a : arrays)
            for (int i = 0; i < 4; ++i)
                if ((*a.boxes)[i] == edit) {
                    const bool handled = MainWindowBase::eventFilter(watched, event);
                    (this->*(in ? a.got : a.lost))(i);
                    return handled;
                }
        return MainWindowBase::eventFilter(watched, event);
    }

    if (formatArrowKey(watched, event)) return true;
    for (int i : {0, 2, 3}) {
        if (watched != picLogo[i] || !picLogo[i]->isEnabled()) continue;
        if (type == QEvent::MouseButtonDblClick) {
            picLogo_DblClick(i);
            return true;
        }
        // Space or Enter on a logo chooses its picture, as the double click does.
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) break;
            if (type == QEvent::KeyPress && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
                picLogo_DblClick(i);
            return true;
        }
    }

    auto *label = qobject_cast<QLabel *>(watched);
    if (!label || !label->isEnabled()) return MainWindowBase::eventFilter(watched, event);
    if (type != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return MainWindowBase::eventFilter(watched, event);
    if (label == lblCard_Pic_Si) lblCard_Pic_Si_Click();
    if (label == lblCard_Pic_No) lblCard_Pic_No_Click();
    if (label == lblCard_Med) lblCard_Med_Click();
    if (label == lblCard_Gra) lblCard_Gra_Click();
    return MainWindowBase::eventFilter(watched, event);
}

// --- keyboard ----------------------------------------------------------------------------

void frmBiglietti::addKeys() {
    lblHelp->setToolTip(QStringLiteral("Guida"));
    lblEsci->setToolTip(QStringLiteral("Chiudi"));
    cmdTrova->setToolTip(QStringLiteral("Trova"));
    WindowKeys::addForButton(lblHelp, QKeySequence(Qt::Key_F1), QStringLiteral("F1"));
    WindowKeys::addForButton(lblEsci, QKeySequence(Qt::Key_Escape), QStringLiteral("Esc"));
    // Ctrl+P works as the print picture does: without a format it says that one is needed.
    WindowKeys::add(this, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { imgStampa_Click(); });
    for (QPushButton *b : {cmdStampa01, imgStampa})
        b->setToolTip(WindowKeys::tipWithKey(QStringLiteral("Stampa"), QStringLiteral("Ctrl+P")));
    WindowKeys::addForButton(cmdTrova, QKeySequence(Qt::CTRL | Qt::Key_F),
                             QStringLiteral("Ctrl+F"));
    imgTrova->setToolTip(cmdTrova->toolTip());
    WindowKeys::enterClicks(this);
}

QList<QWidget *> frmBiglietti::formatControls(CardFormat format) const {
    const int i = int(format);
    const std::array<QPushButton *, 4> clear{picNuovo01, picNuovo02, picNuovo03, picNuovo04};
    QList<QWidget *> controls{clear[i]};
    if (picLogo[i]) controls << picLogo[i];
    for (F f : CardTexts::boxesOf(format)) controls << box(format, f);
    return controls;
}

void frmBiglietti::orderTabChain() {
    // The format choice, each format's controls, whatever else the panel holds (the
    // browsing bar), the search and print keys, then help and exit.
    QList<QWidget *> mine;
    for (int i = 0; i < CardFormats::kCount; ++i) mine << option(CardFormat(i));
    for (int i = 0; i < CardFormats::kCount; ++i) mine << formatControls(CardFormat(i));
    const QList<QWidget *> last{imgTrova, cmdTrova, imgStampa, cmdStampa01, lblHelp, lblEsci};
    QList<QWidget *> others;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && isAncestorOf(w) && !mine.contains(w) &&
            !last.contains(w))
            others << w;
    const QList<QWidget *> chain = mine + others + last;
    for (int i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
}

void frmBiglietti::updateTabReach() {
    // Tab reaches the chosen format's option (the first one while none is chosen) and
    // the chosen format's controls; the others stay within reach of the mouse.
    const auto chosen = selectedFormat();
    for (int i = 0; i < CardFormats::kCount; ++i) {
        const bool isChosen = chosen && int(*chosen) == i;
        option(CardFormat(i))
            ->setFocusPolicy(isChosen || (!chosen && i == 0) ? Qt::StrongFocus : Qt::ClickFocus);
        for (QWidget *w : formatControls(CardFormat(i)))
            w->setFocusPolicy(isChosen ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool frmBiglietti::formatArrowKey(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return false;
    int from = -1;
    for (int i = 0; i < CardFormats::kCount; ++i)
        if (watched == option(CardFormat(i))) from = i;
    if (from < 0) return false;
    int step = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        default:
            return false;
    }
    const int to = (from + step + CardFormats::kCount) % CardFormats::kCount;
    m_arrowChoice = true;
    if (!option(CardFormat(to))->isChecked())
        option(CardFormat(to))->setChecked(true);
    else
        option(CardFormat(to))->setFocus(Qt::TabFocusReason);
    m_arrowChoice = false;
    return true;
}
