#include "envelopes/frmLettera.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>

#include "archive/ContactRecord.h"
#include "archive/OriginTag.h"
#include "archive/PositionLabel.h"
#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeArt.h"
#include "envelopes/EnvelopePrinter.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/EnvelopeSize.h"
#include "envelopes/MarginText.h"
#include "envelopes/SenderLogo.h"
#include "envelopes/frmImposta.h"
#include "platform/Artwork.h"
#include "platform/HourglassCursor.h"
#include "platform/LogoFileFilters.h"
#include "platform/Platform.h"
#include "printing/LogoFit.h"
#include "printing/PrinterPage.h"
#include "printing/widgets/PrintDialog.h"
#include "ui/BrowseBar.h"
#include "ui/EnterClicks.h"
#include "ui/FocusTint.h"
#include "ui/Hub.h"
#include "ui/PictureKey.h"
#include "ui/ShowMessage.h"
#include "ui/WindowKeys.h"

namespace {

constexpr QSize kPanel(800, 560);
constexpr QRect kEnvelope(12, 44, 776, 372);

QFont verdana(double points, bool bold) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QLabel *caption(QWidget *parent, const QString &text, QRect r, const QString &style) {
    auto *l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setStyleSheet(style);
    return l;
}

QPushButton *picture(QWidget *parent, const QString &name, const QImage &image, QRect r,
                     const QString &accessibleName, const QString &hint = QString()) {
    return PictureKey::make(parent, name, QPixmap::fromImage(image), r, accessibleName, hint);
}

const QString kCaptionStyle = QStringLiteral("font-weight: bold; color: #1d3c5e;");

}  // namespace

frmLettera::frmLettera(QWidget *parent)
    : MainWindowBase(QStringLiteral("frmLettera"),
                     QStringLiteral(" Compilazione e stampa indirizzi per buste"), kPanel, parent) {
    QWidget *panel = picContainer();

    caption(
        panel,
        QStringLiteral(" Compilare le caselle di mittente e destinatario, impostare i margini e "
                       "premere Stampa."),
        QRect(12, 12, 776, 24), QStringLiteral("color: #4a5a6a; font-size: 12px;"));

    auto *outline = new QFrame(panel);
    outline->setObjectName(QStringLiteral("shpBusta"));
    outline->setGeometry(kEnvelope);
    outline->setStyleSheet(QStringLiteral(
        "QFrame#shpBusta { background: #fffdf6; border: 2px solid #b9a77e; border-radius: 3px; }"));
    auto *stamp = new QLabel(panel);
    stamp->setObjectName(QStringLiteral("imgFrancobollo"));
    stamp->setPixmap(QPixmap::fromImage(EnvelopeArt::render(EnvelopeArt::Stamp, QSize(64, 76))));
    stamp->setGeometry(kEnvelope.right() - 80, kEnvelope.top() + 12, 64, 76);

    buildSenderBlock(panel);
    buildRecipientBlock(panel);
    buildMarginsPanel(panel);
    buildButtons(panel);

    picNuovo = new QLabel(panel);
    picNuovo->setObjectName(QStringLiteral("picNuovo"));
    picNuovo->setPixmap(QPixmap::fromImage(SenderLogo::blankPicture()));
    picNuovo->hide();
    lblPath = new QLabel(panel);
    lblPath->setObjectName(QStringLiteral("lblPath"));
    lblPath->hide();

    Form_Load();
    addKeys();
}

void frmLettera::addKeys() {
    cmdImp->setToolTip(QStringLiteral("Guida"));
    cmdAnnulla->setToolTip(QStringLiteral("Chiudi"));
    cmdStampa->setToolTip(QStringLiteral("Stampa"));
    lblImposta->setToolTip(QStringLiteral("Imposta margini di stampa"));
    WindowKeys::addForButton(cmdImp, QKeySequence(Qt::Key_F1), QStringLiteral("F1"));
    WindowKeys::addForButton(cmdAnnulla, QKeySequence(Qt::Key_Escape), QStringLiteral("Esc"));
    WindowKeys::addForButton(cmdStampa, QKeySequence(Qt::CTRL | Qt::Key_P),
                             QStringLiteral("Ctrl+P"));
    WindowKeys::addForButton(lblImposta, QKeySequence(Qt::CTRL | Qt::Key_M),
                             QStringLiteral("Ctrl+M"));
    imgImposta->setToolTip(lblImposta->toolTip());
    // The recipient is the block the browsing keys fill: Ctrl+F searches for it.
    WindowKeys::addForButton(picTrova02, QKeySequence(Qt::CTRL | Qt::Key_F),
                             QStringLiteral("Ctrl+F"));
    WindowKeys::addForButton(picTrova01, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                             QStringLiteral("Ctrl+Maiusc+F"));
    WindowKeys::enterClicks(this);
}

void frmLettera::buildSenderBlock(QWidget *panel) {
    const int left = kEnvelope.left() + 14;
    const int top = kEnvelope.top() + 10;
    QLabel *senderCaption = caption(panel, QStringLiteral("&Logo e indirizzo mittente:"),
                                    QRect(left, top, 220, 22), kCaptionStyle);
    picTrova01 =
        picture(panel, QStringLiteral("picTrova01"),
                EnvelopeArt::render(EnvelopeArt::Search, QSize(26, 26)),
                QRect(left + 224, top - 3, 28, 28), QStringLiteral("Cerca il mittente in archivio"),
                QStringLiteral(" Cerca il mittente in archivio "));
    picNuovo01 = picture(panel, QStringLiteral("picNuovo01"),
                         EnvelopeArt::render(EnvelopeArt::Clear, QSize(26, 26)),
                         QRect(left + 256, top - 3, 28, 28), QStringLiteral("Svuota il mittente"),
                         QStringLiteral(" Svuota il mittente "));

    picLogo[kSender] = picture(panel, QStringLiteral("picLogo"), SenderLogo::designPicture(),
                               QRect(left, top + 30, SenderLogo::kWidth, SenderLogo::kHeight),
                               QStringLiteral("Logo del mittente"),
                               QStringLiteral(" Doppio clic per scegliere il logo "));
    setPicture(picLogo[kSender], SenderLogo::designPicture());
    picLogo[kSender]->setCursor(Qt::ArrowCursor);
    picLogo[kSender]->setStyleSheet(QStringLiteral(
        "QPushButton { background: white; border: 1px solid #c0c8d0; padding: 0px; }"));

    struct Box {
        std::array<QLineEdit *, 4> *array;
        const char *name;
        double points;
        bool bold;
    };
    const Box boxes[] = {
        {&txtTitolo, "txtTitolo", 9.75, true},
        {&txtSottotitolo, "txtSottotitolo", 8.25, true},
        {&txtIndirizzo, "txtIndirizzo", 8.25, false},
        {&txtCitta, "txtCitta", 8.25, false},
        {&txtIva, "txtIva", 8.25, false},
        {&txtTel, "txtTel", 8.25, false},
        {&txtCel, "txtCel", 8.25, false},
        {&txtEmail, "txtEmail", 8.25, false},
    };
    int y = top + 30;
    for (int i = 0; i < EnvelopeContent::SenderLineCount; ++i) {
        auto *box =
            new QLineEdit(EnvelopeContent::senderDesignText(EnvelopeContent::SenderLine(i)), panel);
        box->setObjectName(QString::fromLatin1(boxes[i].name) + QStringLiteral("_0"));
        box->setAccessibleName(QStringLiteral("Mittente: ") +
                               EnvelopeContent::senderDesignText(EnvelopeContent::SenderLine(i)));
        box->setFont(verdana(boxes[i].points, boxes[i].bold));
        box->setMaxLength(kMaxLength);
        const int h = i == 0 ? 24 : 21;
        box->setGeometry(left + SenderLogo::kWidth + 12, y, 290, h);
        y += h + 2;
        setBackground(box, normalBackground());
        setTextColour(box, Qt::black);
        FocusTint::install(box, focusBackground());
        (*boxes[i].array)[kSender] = box;
    }
    senderCaption->setBuddy(txtTitolo[kSender]);
    picLogo[kSender]->installEventFilter(this);
    connect(picTrova01, &QPushButton::clicked, this, &frmLettera::picTrova01_MouseUp);
    connect(picNuovo01, &QPushButton::clicked, this, &frmLettera::picNuovo01_MouseUp);
}

void frmLettera::buildRecipientBlock(QWidget *panel) {
    const int left = kEnvelope.left() + 400;
    const int top = kEnvelope.top() + 196;
    QLabel *recipientCaption = caption(panel, QStringLiteral("&Indirizzo destinatario:"),
                                       QRect(left, top, 200, 22), kCaptionStyle);
    picTrova02 = picture(panel, QStringLiteral("picTrova02"),
                         EnvelopeArt::render(EnvelopeArt::Search, QSize(26, 26)),
                         QRect(left + 204, top - 3, 28, 28),
                         QStringLiteral("Cerca il destinatario in archivio"),
                         QStringLiteral(" Cerca il destinatario in archivio "));
    picNuovo02 = picture(
        panel, QStringLiteral("picNuovo02"), EnvelopeArt::render(EnvelopeArt::Clear, QSize(26, 26)),
        QRect(left + 236, top - 3, 28, 28), QStringLiteral("Svuota il destinatario"),
        QStringLiteral(" Svuota il destinatario "));
    struct Box {
        std::array<QLineEdit *, 4> *array;
        const char *name;
        double points;
        bool bold;
        int height;
    };
    const Box boxes[] = {
        {&txtTitolo, "txtTitolo", 12, true, 28},
        {&txtSottotitolo, "txtSottotitolo", 9.75, true, 24},
        {&txtIndirizzo, "txtIndirizzo", 8.25, false, 21},
        {&txtCitta, "txtCitta", 8.25, false, 21},
    };
    int y = top + 28;
    for (int i = 0; i < EnvelopeContent::RecipientLineCount; ++i) {
        auto *box = new QLineEdit(
            EnvelopeContent::recipientDesignText(EnvelopeContent::RecipientLine(i)), panel);
        box->setObjectName(QString::fromLatin1(boxes[i].name) + QStringLiteral("_3"));
        box->setAccessibleName(
            QStringLiteral("Destinatario: ") +
            EnvelopeContent::recipientDesignText(EnvelopeContent::RecipientLine(i)));
        box->setFont(verdana(boxes[i].points, boxes[i].bold));
        box->setMaxLength(kMaxLength);
        box->setGeometry(left, y, 340, boxes[i].height);
        y += boxes[i].height + 3;
        setBackground(box, normalBackground());
        setTextColour(box, Qt::black);
        FocusTint::install(box, focusBackground());
        (*boxes[i].array)[kRecipient] = box;
    }
    recipientCaption->setBuddy(txtTitolo[kRecipient]);
    connect(picTrova02, &QPushButton::clicked, this, &frmLettera::picTrova02_MouseUp);
    connect(picNuovo02, &QPushButton::clicked, this, &frmLettera::picNuovo02_MouseUp);

    BrowseBar::Look look;
    const QSize button(36, 26);
    look.first = QRect(QPoint(left, y + 4), button);
    look.previous = QRect(QPoint(left + 40, y + 4), button);
    look.next = QRect(QPoint(left + 80, y + 4), button);
    look.last = QRect(QPoint(left + 120, y + 4), button);
    look.label = QRect(left + 166, y + 4, 60, 26);
    look.labelStyle = QStringLiteral("color: #1d3c5e; font-weight: bold;");
    barBrowse = new BrowseBar(panel, look);
    cmdPrimo = barBrowse->first();
    cmdIndietro = barBrowse->previous();
    cmdAvanti = barBrowse->next();
    cmdUltimo = barBrowse->last();
    lblPosizione = barBrowse->position();
    connect(barBrowse, &BrowseBar::browse, this, &frmLettera::navigate);
}

void frmLettera::buildMarginsPanel(QWidget *panel) {
    const int top = kEnvelope.bottom() + 14;
    auto *frame = new QFrame(panel);
    frame->setObjectName(QStringLiteral("fraMargini"));
    frame->setGeometry(12, top, 520, 112);
    frame->setStyleSheet(
        QStringLiteral("QFrame#fraMargini { background: #ffffff; border: 1px solid #c0c8d0; "
                       "border-radius: 4px; }"));
    const QString plain = QStringLiteral("color: #33414f;");
    const QString value = QStringLiteral("color: #000080; font-weight: bold;");
    caption(panel, QStringLiteral("Margini di stampa (cm)"), QRect(24, top + 6, 240, 20),
            kCaptionStyle);
    caption(panel, QStringLiteral("Mittente:"), QRect(24, top + 30, 100, 20), plain);
    caption(panel, QStringLiteral("sinistro"), QRect(120, top + 30, 60, 20), plain);
    lblValSin = caption(panel, MarginText::zero(), QRect(180, top + 30, 60, 20), value);
    caption(panel, QStringLiteral("superiore"), QRect(250, top + 30, 70, 20), plain);
    lblValSup = caption(panel, MarginText::zero(), QRect(320, top + 30, 60, 20), value);
    caption(panel, QStringLiteral("Destinatario:"), QRect(24, top + 54, 100, 20), plain);
    caption(panel, QStringLiteral("sinistro"), QRect(120, top + 54, 60, 20), plain);
    lblValSinD = caption(panel, MarginText::zero(), QRect(180, top + 54, 60, 20), value);
    caption(panel, QStringLiteral("superiore"), QRect(250, top + 54, 70, 20), plain);
    lblValSupD = caption(panel, MarginText::zero(), QRect(320, top + 54, 60, 20), value);
    caption(panel, QStringLiteral("Orientamento:"), QRect(24, top + 78, 100, 20), plain);
    lblOrientamento =
        caption(panel, QStringLiteral("Verticale"), QRect(120, top + 78, 120, 20), value);
    lblValSin->setObjectName(QStringLiteral("lblValSin"));
    lblValSup->setObjectName(QStringLiteral("lblValSup"));
    lblValSinD->setObjectName(QStringLiteral("lblValSinD"));
    lblValSupD->setObjectName(QStringLiteral("lblValSupD"));
    lblOrientamento->setObjectName(QStringLiteral("lblOrientamento"));

    imgImposta = picture(panel, QStringLiteral("imgImposta"),
                         EnvelopeArt::render(EnvelopeArt::Margins, QSize(24, 24)),
                         QRect(396, top + 40, 24, 24), QStringLiteral("Imposta margini di stampa"));
    lblImposta = PictureKey::make(panel, QStringLiteral("lblImposta"), QPixmap(),
                                  QRect(424, top + 36, 104, 34),
                                  QStringLiteral("Imposta margini di stampa"));
    auto *linkText = new QLabel(QStringLiteral("Imposta &margini di stampa"), lblImposta);
    linkText->setObjectName(QStringLiteral("lblImpostaTesto"));
    linkText->setGeometry(lblImposta->rect());
    linkText->setWordWrap(true);
    linkText->setAttribute(Qt::WA_TransparentForMouseEvents);
    linkText->setBuddy(lblImposta);
    QFont f = linkText->font();
    f.setUnderline(true);
    linkText->setFont(f);
    setLinkColour(linkColour());
    for (QPushButton *key : {lblImposta, imgImposta}) {
        connect(key, &QPushButton::pressed, this, &frmLettera::lblImposta_MouseDown);
        connect(key, &QPushButton::released, this, [this] { setLinkColour(linkColour()); });
    }
    connect(lblImposta, &QPushButton::clicked, this, &frmLettera::lblImposta_MouseUp);
    connect(imgImposta, &QPushButton::clicked, this, &frmLettera::imgImposta_MouseUp);
}

void frmLettera::setLinkColour(const QColor &colour) {
    // The link text inherits the key's palette.
    QPalette pal = lblImposta->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    lblImposta->setPalette(pal);
}

void frmLettera::buildButtons(QWidget *panel) {
    const int top = kEnvelope.bottom() + 14;
    const QString style = QStringLiteral(
        "QPushButton { font-weight: bold; color: #1d3c5e; background: #ffffff; border: 1px solid "
        "#8a97a6; border-radius: 5px; } QPushButton:pressed { background: #dfe6ee; } "
        "QPushButton:disabled { color: #a0a8b0; }");
    const struct {
        QPushButton **button;
        const char *name;
        const char *text;
        int row;
    } buttons[] = {
        {&cmdStampa, "cmdStampa", "&Stampa", 0},
        {&cmdImp, "cmdImp", "&Guida", 1},
        {&cmdAnnulla, "cmdAnnulla", "&Chiudi", 2},
    };
    for (const auto &b : buttons) {
        *b.button = new QPushButton(QString::fromLatin1(b.text), panel);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        (*b.button)->setGeometry(640, top + b.row * 38, 148, 32);
        (*b.button)->setStyleSheet(style);
    }
    connect(cmdStampa, &QPushButton::clicked, this, &frmLettera::cmdStampa_Click);
    connect(cmdImp, &QPushButton::clicked, this, &frmLettera::cmdImp_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmLettera::cmdAnnulla_Click);
}

void frmLettera::Form_Load() {
    Hub &hub = Hub::instance();
    const bool search = hub.hasAction(Hub::Action::Search);
    picTrova01->setEnabled(search);
    picTrova02->setEnabled(search);
    cmdImp->setEnabled(hub.hasAction(Hub::Action::Help));

    EnvelopeContent c = content();
    EnvelopeSettings::load(c, SettingsFile(), SenderLogo::programFilePath());
    showContent(c);
}

void frmLettera::showContent(const EnvelopeContent &c) {
    setTextColour(txtTitolo[kSender], c.titleColour);
    setTextColour(txtSottotitolo[kSender], c.subtitleColour);
    const std::array<QLineEdit *, EnvelopeContent::SenderLineCount> sender{
        txtTitolo[kSender], txtSottotitolo[kSender], txtIndirizzo[kSender], txtCitta[kSender],
        txtIva[kSender],    txtTel[kSender],         txtCel[kSender],       txtEmail[kSender]};
    for (int i = 0; i < EnvelopeContent::SenderLineCount; ++i) sender[i]->setText(c.sender[i]);
    setPicture(picLogo[kSender], c.logo);
    lblValSin->setText(c.marginSin);
    lblValSup->setText(c.marginSup);
    lblValSinD->setText(c.marginSinD);
    lblValSupD->setText(c.marginSupD);
    lblOrientamento->setText(c.orientation);
}

EnvelopeContent frmLettera::content() const {
    EnvelopeContent c;
    c.sender = {txtTitolo[kSender]->text(),    txtSottotitolo[kSender]->text(),
                txtIndirizzo[kSender]->text(), txtCitta[kSender]->text(),
                txtIva[kSender]->text(),       txtTel[kSender]->text(),
                txtCel[kSender]->text(),       txtEmail[kSender]->text()};
    c.titleColour = txtTitolo[kSender]->palette().color(QPalette::Text);
    c.subtitleColour = txtSottotitolo[kSender]->palette().color(QPalette::Text);
    c.paper = EnvelopeSize::paper(EnvelopeSize::read(SettingsFile()));
    c.logo = pictureOf(picLogo[kSender]);
    c.recipient = {txtTitolo[kRecipient]->text(), txtSottotitolo[kRecipient]->text(),
                   txtIndirizzo[kRecipient]->text(), txtCitta[kRecipient]->text()};
    c.marginSin = lblValSin->text();
    c.marginSup = lblValSup->text();
    c.marginSinD = lblValSinD->text();
    c.marginSupD = lblValSupD->text();
    c.orientation = lblOrientamento->text();
    return c;
}

QImage frmLettera::pictureOf(const QWidget *box) {
    if (!box) return QImage();
    const QVariant picture = box->property("picture");
    if (picture.isValid()) return picture.value<QImage>();
    const auto *label = qobject_cast<const QLabel *>(box);
    return label ? label->pixmap().toImage() : QImage();
}

void frmLettera::setPicture(QWidget *box, const QImage &image) {
    if (!box) return;
    // The box keeps the picture itself and shows it fitted, as the envelope prints it.
    box->setProperty("picture", image);
    const QPixmap shown = QPixmap::fromImage(LogoFit::shownOnScreen(image, box->size()));
    if (auto *label = qobject_cast<QLabel *>(box))
        label->setPixmap(shown);
    else if (auto *key = qobject_cast<QPushButton *>(box))
        PictureKey::setPicture(key, shown);
}

bool frmLettera::loadLogoFile(const QString &path) {
    const QImage image = SenderLogo::load(path);
    setPicture(picLogo[kSender], image.isNull() ? pictureOf(picNuovo) : image);
    return !image.isNull();
}

void frmLettera::formUnload() {
    SenderLogo::save(pictureOf(picLogo[kSender]), SenderLogo::programFilePath());
    SettingsFile settings;
    EnvelopeSettings::saveSenderLines(content(), settings);
}

void frmLettera::setBackground(QLineEdit *box, const QColor &colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

void frmLettera::setTextColour(QLineEdit *box, const QColor &colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, colour);
    box->setPalette(pal);
}

// Printing.

void frmLettera::cmdStampa_Click() {
    const MsgAnswer answer = Platform::instance().messageBox(
        QString::fromUtf8(EnvelopePrinter::kConfirmText),
        QString::fromUtf8(EnvelopePrinter::kConfirmTitle), MsgIcon::Question, MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) return;
    const EnvelopeContent c = content();
    Printout printout;
    printout.caption = QStringLiteral("Stampa busta");
    printout.pdfFileName = QStringLiteral("Busta.pdf");
    printout.draw = [c](PrinterPage &page, const PrintChoices &) {
        return EnvelopePrinter::print(c, page);
    };
    PrintDialog::run(printout, this);
}

void frmLettera::cmdImp_Click() {
    Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("buste"));
}

void frmLettera::cmdAnnulla_Click() {
    close();
}

// Browsing the archive into the recipient block.

void frmLettera::navigate(ArchiveStore::Direction direction) {
    ArchiveStore store;
    const ArchiveStore::Navigation nav = store.navigateTo(direction, lblPosizione->text());
    if (nav.empty) {
        showMessage(nav.message);
        lblPosizione->clear();
        return;
    }
    HourglassCursor hourglass;
    lblPosizione->setText(PositionLabel::text(nav.number));
    if (!nav.readOk) return;
    showRecipient(nav.record);
}

void frmLettera::showRecipient(const ContactRecord &record) {
    const auto lines = EnvelopeContent::recipientFrom(record);
    txtTitolo[kRecipient]->setText(lines[EnvelopeContent::RTitolo]);
    txtSottotitolo[kRecipient]->setText(lines[EnvelopeContent::RSottotitolo]);
    txtIndirizzo[kRecipient]->setText(lines[EnvelopeContent::RIndirizzo]);
    txtCitta[kRecipient]->setText(lines[EnvelopeContent::RCitta]);
}

void frmLettera::showSender(const ContactRecord &r) {
    const auto field = [&r](ContactRecord::Field f) {
        return ContactRecord::trimBlanks(r.value(f));
    };
    setPicture(picLogo[kSender], pictureOf(picNuovo));
    lblPath->setText(field(ContactRecord::Logo01));
    txtTitolo[kSender]->setText(field(ContactRecord::Titolo));
    txtSottotitolo[kSender]->setText(field(ContactRecord::Sottotitolo));
    txtIndirizzo[kSender]->setText(field(ContactRecord::Indirizzo));
    txtCitta[kSender]->setText(field(ContactRecord::Citta));
    txtIva[kSender]->setText(field(ContactRecord::Iva));
    txtTel[kSender]->setText(field(ContactRecord::Tel));
    txtCel[kSender]->setText(field(ContactRecord::Cel));
    txtEmail[kSender]->setText(field(ContactRecord::Email));
    const QString path = ContactRecord::trimBlanks(lblPath->text());
    if (!path.isEmpty()) loadLogoFile(path);
}

bool frmLettera::receivesContact(OriginTag tag) const {
    return tag == OriginTag::BusteMitt || tag == OriginTag::BusteDest;
}

void frmLettera::receiveContact(const ContactRecord &record, int, OriginTag tag) {
    if (tag == OriginTag::BusteMitt) showSender(record);
    if (tag == OriginTag::BusteDest) showRecipient(record);
}

// The picture buttons.

void frmLettera::picTrova01_MouseUp() {
    Hub::instance().runAction(Hub::Action::Search, this, QStringLiteral("buste_mitt"));
}

void frmLettera::picTrova02_MouseUp() {
    Hub::instance().runAction(Hub::Action::Search, this, QStringLiteral("buste_dest"));
}

void frmLettera::picNuovo01_MouseUp() {
    setPicture(picLogo[kSender], pictureOf(picNuovo));
    for (auto *array : {&txtTitolo, &txtSottotitolo, &txtIndirizzo, &txtCitta, &txtIva, &txtTel,
                        &txtCel, &txtEmail})
        (*array)[kSender]->clear();
    txtTitolo[kSender]->setFocus();
}

void frmLettera::picNuovo02_MouseUp() {
    for (auto *array : {&txtTitolo, &txtSottotitolo, &txtIndirizzo, &txtCitta})
        (*array)[kRecipient]->clear();
    txtTitolo[kRecipient]->setFocus();
}

void frmLettera::picLogo_DblClick(int Index) {
    const QList<FileFilter> filters = logoFileFilters();
    const QString path = Platform::instance().openFileDialog(
        QStringLiteral("Cartaflex - Selezionare un file immagine"), filters, 0, QString());
    if (path.isEmpty() || Index != kSender) return;
    loadLogoFile(path);
}

// The margins link.

void frmLettera::lblImposta_MouseDown() {
    setLinkColour(linkPressedColour());
}

void frmLettera::lblImposta_MouseUp() {
    setLinkColour(linkColour());
    openMargins();
}

void frmLettera::imgImposta_MouseUp() {
    lblImposta_MouseUp();
}

void frmLettera::openMargins() {
    frmImposta margins(this, this);
    margins.exec();
}

bool frmLettera::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // Space or Enter on the logo chooses its picture, as the double click does.
            if (watched != picLogo[kSender]) break;
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return &&
                key->key() != Qt::Key_Enter)
                break;
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                picLogo_DblClick(kSender);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            for (int i = 0; i < 4; ++i)
                if (picLogo[i] && picLogo[i] == watched) {
                    picLogo_DblClick(i);
                    return true;
                }
            break;
        default:
            break;
    }
    return MainWindowBase::eventFilter(watched, event);
}
