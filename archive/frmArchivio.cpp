#include "archive/frmArchivio.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <cstring>

#include "archive/ArchiveColours.h"
#include "archive/ContactEditor.h"
#include "archive/MailMessages.h"
#include "archive/MailtoBuilder.h"
#include "archive/OriginTag.h"
#include "archive/PositionLabel.h"
#include "archive/SettingsFile.h"
#include "archive/WebAddress.h"
#include "platform/Artwork.h"
#include "platform/HourglassCursor.h"
#include "platform/LogoChooser.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "platform/VbColor.h"
#include "ui/BrowseBar.h"
#include "ui/FocusTint.h"
#include "ui/Hub.h"
#include "ui/PictureTwin.h"
#include "ui/ShowMessage.h"
#include "ui/WindowKeys.h"
#include "vat/DigitKeys.h"
#include "vat/frmCalcIva.h"

namespace {

constexpr QSize kPanel(830, 560);
constexpr int kRowTop = 78;
constexpr int kRowStep = 36;
constexpr int kLabelLeft = 24;
constexpr int kBoxLeft = 190;
constexpr int kBoxWidth = 270;
constexpr int kSideLeft = kBoxLeft + kBoxWidth + 8;
const QColor kWhite(255, 255, 255);

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

QPixmap blankPixmap() {
    QPixmap p(1, 1);
    p.fill(Qt::white);
    return p;
}

QIcon icon(const char *art, int size = 28) {
    return QIcon(QPixmap::fromImage(
        Artwork::render(QStringLiteral(":/art/") + QLatin1String(art), QSize(size, size))));
}

QPushButton *pictureButton(QWidget *parent, const char *name, const char *art, QRect geometry,
                           const QString &tip = QString()) {
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(icon(art, qMin(geometry.width(), geometry.height()) - 10));
    b->setIconSize(QSize(geometry.height() - 10, geometry.height() - 10));
    b->setGeometry(geometry);
    b->setCursor(Qt::PointingHandCursor);
    if (!tip.isEmpty()) {
        b->setToolTip(tip);
        b->setAccessibleName(tip.trimmed());
    }
    return b;
}

void setBack(QLineEdit *box, const QColor &c) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, c);
    box->setPalette(pal);
}

void setFore(QLineEdit *box, const QColor &c) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, c);
    box->setPalette(pal);
}

}  // namespace

frmArchivio::frmArchivio(QWidget *parent)
    : MainWindowBase(QStringLiteral("frmArchivio"), QStringLiteral(" Archivio dati personali"),
                     kPanel, parent) {
    QWidget *panel = picContainer();

    auto *emblem = new QLabel(panel);
    emblem->setPixmap(
        QPixmap::fromImage(Artwork::render(QStringLiteral(":/art/archivio.svg"), QSize(56, 46))));
    emblem->setGeometry(22, 12, 56, 46);
    auto *heading = new QLabel(QStringLiteral("Archivio dati personali"), panel);
    heading->setGeometry(88, 14, 420, 30);
    heading->setStyleSheet(QStringLiteral("font-size: 21px; font-weight: bold; color: #1d3c5e;"));
    auto *subheading =
        new QLabel(QStringLiteral("Schede dei contatti per biglietti da visita e buste"), panel);
    subheading->setGeometry(90, 42, 420, 18);
    subheading->setStyleSheet(QStringLiteral("font-size: 12px; color: #4a5a6a;"));

    picNuovo = new QLabel(panel);
    picNuovo->setObjectName(QStringLiteral("picNuovo"));
    picNuovo->setPixmap(blankPixmap());
    picNuovo->hide();

    buildEntryBoxes(panel);
    buildLogoPanels(panel);
    buildButtons(panel);
    Form_Load();
}

std::array<QLineEdit *, 11> frmArchivio::entryBoxes() const {
    return {txtTitolo, txtSottotitolo, txtIndirizzo, txtCitta,        txtIva, txtTel,
            txtFax,    txtCel,         txtEmail,     txtInformazioni, txtWeb};
}

void frmArchivio::buildEntryBoxes(QWidget *panel) {
    struct Entry {
        QLineEdit **box;
        const char *name;
        ContactRecord::Field field;
        const char *caption;
    };
    const Entry entries[] = {
        {&txtTitolo, "txtTitolo", ContactRecord::Titolo, "&Persona o azienda"},
        {&txtSottotitolo, "txtSottotitolo", ContactRecord::Sottotitolo, "&Specialità"},
        {&txtIndirizzo, "txtIndirizzo", ContactRecord::Indirizzo, "&Indirizzo"},
        {&txtCitta, "txtCitta", ContactRecord::Citta, "&Città"},
        {&txtIva, "txtIva", ContactRecord::Iva, "Partita I&VA"},
        {&txtTel, "txtTel", ContactRecord::Tel, "&Tel."},
        {&txtFax, "txtFax", ContactRecord::Fax, "&Fax"},
        {&txtCel, "txtCel", ContactRecord::Cel, "C&el."},
        {&txtEmail, "txtEmail", ContactRecord::Email, "E-&mail"},
        {&txtInformazioni, "txtInformazioni", ContactRecord::Informazioni,
         "I&nformazioni aggiuntive"},
        {&txtWeb, "txtWeb", ContactRecord::Web, "Sito &Web"},
    };
    int row = 0;
    QWidget *previous = nullptr;
    for (const Entry &e : entries) {
        const int top = kRowTop + row * kRowStep;
        auto *label = new QLabel(u8(e.caption), panel);
        label->setObjectName(QStringLiteral("lblEtichetta%1").arg(row));
        label->setGeometry(kLabelLeft, top, kBoxLeft - kLabelLeft - 8, 28);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setStyleSheet(QStringLiteral("color: #1d3c5e; font-size: 12px;"));
        lblEtichetta[row] = label;

        auto *box = new QLineEdit(panel);
        box->setObjectName(QLatin1String(e.name));
        box->setMaxLength(ContactRecord::width(e.field));
        box->setGeometry(kBoxLeft, top, kBoxWidth, 28);
        box->installEventFilter(this);
        FocusTint::install(box, FocusTint::paleYellow());
        connect(box, &QLineEdit::textEdited, this, [this] { m_edited = true; });
        label->setBuddy(box);
        *e.box = box;
        if (previous) QWidget::setTabOrder(previous, box);
        previous = box;
        ++row;
    }
    QFont big = txtTitolo->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    txtTitolo->setFont(big);
    QFont bold = txtSottotitolo->font();
    bold.setBold(true);
    txtSottotitolo->setFont(bold);
    // Digits reach the VAT box only as key presses, never through an input method.
    txtIva->setAttribute(Qt::WA_InputMethodEnabled, false);
    // txtEmail leaves the focus for plain white; start it the same way.
    setBack(txtEmail, kWhite);
}

void frmArchivio::buildLogoPanels(QWidget *panel) {
    struct Logo {
        QWidget **frame;
        QLineEdit **path;
        QPushButton **load;
        QLabel **picture;
        QLabel **caption;
        const char *frameName;
        const char *pathName;
        const char *loadName;
        const char *pictureName;
        const char *captionName;
        const char *captionText;
    };
    const Logo logos[] = {
        {&picPiccolo, &txtLogo01, &cmdPiccolo, &picLogo01, &lblPiccolo, "picPiccolo", "txtLogo01",
         "cmdPiccolo", "picLogo01", "lblPiccolo", "&Logo piccolo"},
        {&picMedio, &txtLogo02, &cmdMedio, &picLogo02, &lblMedio, "picMedio", "txtLogo02",
         "cmdMedio", "picLogo02", "lblMedio", "Logo me&dio"},
        {&picGrande, &txtLogo03, &cmdGrande, &picLogo03, &lblGrande, "picGrande", "txtLogo03",
         "cmdGrande", "picLogo03", "lblGrande", "Logo &grande"},
    };
    int i = 0;
    for (const Logo &l : logos) {
        auto *frame = new QWidget(panel);
        frame->setObjectName(QLatin1String(l.frameName));
        frame->setGeometry(548, kRowTop + i * 130, 262, 122);
        frame->setAttribute(Qt::WA_StyledBackground);
        frame->setStyleSheet(
            QStringLiteral("QWidget#%1 { background: #ffffff; border: 1px solid #b4bfcc; "
                           "border-radius: 6px; }")
                .arg(QLatin1String(l.frameName)));
        *l.frame = frame;

        auto *caption = new QLabel(u8(l.captionText), frame);
        caption->setObjectName(QLatin1String(l.captionName));
        caption->setGeometry(10, 6, 120, 18);
        caption->setStyleSheet(QStringLiteral("color: #1d3c5e; font-weight: bold; border: none;"));
        *l.caption = caption;

        auto *picture = new QLabel(frame);
        picture->setObjectName(QLatin1String(l.pictureName));
        picture->setGeometry(10, 26, 130, 58);
        picture->setAlignment(Qt::AlignCenter);
        picture->setToolTip(QStringLiteral(" Fare doppio clic per caricare un logo "));
        picture->setStyleSheet(QStringLiteral("background: #ffffff; border: 1px dashed #b4bfcc;"));
        picture->setPixmap(picNuovo->pixmap());
        picture->installEventFilter(this);
        *l.picture = picture;

        auto *load = new QPushButton(QStringLiteral("Carica"), frame);
        load->setObjectName(QLatin1String(l.loadName));
        load->setGeometry(150, 40, 100, 30);
        load->setCursor(Qt::PointingHandCursor);
        load->setAccessibleName(QStringLiteral("Carica ") +
                                u8(l.captionText).remove(u'&').toLower());
        caption->setBuddy(load);
        *l.load = load;
        // Named once it is a twin: the name makes its accessible form.
        PictureTwin::pressLike(picture, load);
        picture->setAccessibleName(u8(l.captionText).remove(u'&'));

        auto *path = new QLineEdit(frame);
        path->setObjectName(QLatin1String(l.pathName));
        path->setReadOnly(true);
        path->setMaxLength(255);
        path->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
        path->setGeometry(10, 90, 242, 24);
        path->setAccessibleName(QStringLiteral("Percorso del ") +
                                u8(l.captionText).remove(u'&').toLower());
        QPalette pal = path->palette();
        pal.setColor(QPalette::Text, QColor(128, 128, 128));
        path->setPalette(pal);
        *l.path = path;
        ++i;
    }
    connect(cmdPiccolo, &QPushButton::clicked, this, &frmArchivio::cmdPiccolo_Click);
    connect(cmdMedio, &QPushButton::clicked, this, &frmArchivio::cmdMedio_Click);
    connect(cmdGrande, &QPushButton::clicked, this, &frmArchivio::cmdGrande_Click);
}

void frmArchivio::buildButtons(QWidget *panel) {
    const auto side = [](int row) { return kRowTop + row * kRowStep; };
    cmdTitolo = pictureButton(panel, "cmdTitolo", "colore.svg", QRect(kSideLeft, side(0), 30, 28),
                              QStringLiteral(" Seleziona colore font "));
    cmdSottotitolo =
        pictureButton(panel, "cmdSottotitolo", "colore.svg", QRect(kSideLeft, side(1), 30, 28),
                      QStringLiteral(" Seleziona colore font "));
    cmdCheckIvaVend =
        pictureButton(panel, "cmdCheckIvaVend", "controlla.svg", QRect(kSideLeft, side(4), 30, 28),
                      QStringLiteral(" Controlla "));
    cmdInvia = new QPushButton(QStringLiteral("Invia"), panel);
    cmdInvia->setObjectName(QStringLiteral("cmdInvia"));
    cmdInvia->setIcon(icon("posta.svg", 18));
    cmdInvia->setGeometry(kSideLeft, side(8), 62, 28);
    cmdInvia->setCursor(Qt::PointingHandCursor);

    imgVail = pictureButton(panel, "imgVail", "vai.svg", QRect(kSideLeft + 2, side(10) + 1, 26, 26),
                            QStringLiteral(" Vai "));
    imgVail->setIcon(icon("vai.svg", 26));
    imgVail->setIconSize(QSize(26, 26));
    imgVail->setFlat(true);
    imgVail->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; }"));
    imgVail->setAccessibleName(QStringLiteral("Visita il sito Web"));
    cmdInvia->setText(QStringLiteral("Invi&a"));
    cmdInvia->setToolTip(QStringLiteral(" Invia un messaggio e-mail "));
    cmdInvia->setAccessibleName(QStringLiteral("Invia un messaggio e-mail"));
    cmdTitolo->setAccessibleName(QStringLiteral("Colore del nome"));
    cmdSottotitolo->setAccessibleName(QStringLiteral("Colore della specialità"));
    cmdCheckIvaVend->setAccessibleName(QStringLiteral("Controlla la partita IVA"));

    const int barTop = 488;
    auto *bar = new QWidget(panel);
    bar->setObjectName(QStringLiteral("barra"));
    bar->setGeometry(14, barTop - 8, kPanel.width() - 28, 58);
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setStyleSheet(
        QStringLiteral("QWidget#barra { background: #1d3c5e; border-radius: 6px; }"));

    BrowseBar::Look look;
    look.first = QRect(26, barTop, 42, 42);
    look.previous = QRect(72, barTop, 42, 42);
    look.label = QRect(120, barTop + 5, 64, 32);
    look.next = QRect(190, barTop, 42, 42);
    look.last = QRect(236, barTop, 42, 42);
    look.iconSize = QSize(32, 32);
    look.labelAlignment = Qt::AlignCenter;
    look.labelStyle = QStringLiteral(
        "background: #ffffff; border: 1px solid #8a97a6; border-radius: 4px; font-size: 15px; "
        "font-weight: bold; color: #1d3c5e;");
    barBrowse = new BrowseBar(panel, look);
    cmdPrimo = barBrowse->first();
    cmdIndietro = barBrowse->previous();
    lblPosizione = barBrowse->position();
    cmdAvanti = barBrowse->next();
    cmdUltimo = barBrowse->last();
    connect(barBrowse, &BrowseBar::browse, this, &frmArchivio::browseTo);

    int x = 236;
    x += 46;
    cmdNuovo = pictureButton(panel, "cmdNuovo", "nuovo.svg", QRect(x, barTop, 42, 42),
                             QStringLiteral(" Nuova scheda "));
    cmdSalva = pictureButton(panel, "cmdSalva", "salva.svg", QRect(x += 44, barTop, 42, 42),
                             QStringLiteral(" Salva scheda "));
    picVuoto = pictureButton(panel, "picVuoto", "cancella.svg", QRect(x += 44, barTop, 42, 42),
                             QStringLiteral(" Elimina scheda "));

    x += 46;
    cmdTrova = pictureButton(panel, "cmdTrova", "trova.svg", QRect(x, barTop, 42, 42),
                             QStringLiteral(" Trova "));
    cmdElenco = pictureButton(panel, "cmdElenco", "elenco_piccolo.svg",
                              QRect(x += 44, barTop, 42, 42), QStringLiteral(" Elenco contatti "));
    cmdSlide = pictureButton(panel, "cmdSlide", "foglio.svg", QRect(x += 44, barTop, 42, 42),
                             QStringLiteral(" Esporta l'archivio in un foglio di calcolo "));
    cmdWord = pictureButton(panel, "cmdWord", "documento.svg", QRect(x += 44, barTop, 42, 42),
                            QStringLiteral(" Esporta la scheda in un documento "));
    cmdBackup = pictureButton(panel, "cmdBackup", "backup.svg", QRect(x += 44, barTop, 42, 42),
                              QStringLiteral(" Backup e ripristino "));
    cmdRubrica = pictureButton(panel, "cmdRubrica", "rubrica.svg", QRect(x += 44, barTop, 42, 42),
                               QStringLiteral(" Importa ed esporta contatti "));
    cmdSincronizza =
        pictureButton(panel, "cmdSincronizza", "sincronizza.svg", QRect(x += 44, barTop, 42, 42),
                      QStringLiteral(" Sincronizza con la rubrica condivisa (F5) "));
    cmdGuida = pictureButton(panel, "cmdGuida", "guida.svg", QRect(x += 46, barTop, 42, 42),
                             QStringLiteral(" Guida "));
    cmdEsci = pictureButton(panel, "cmdEsci", "esci.svg", QRect(x += 44, barTop, 42, 42),
                            QStringLiteral(" Esci "));

    connect(cmdNuovo, &QPushButton::clicked, this, &frmArchivio::cmdNuovo_Click);
    connect(cmdSalva, &QPushButton::clicked, this, &frmArchivio::cmdSalva_Click);
    connect(picVuoto, &QPushButton::clicked, this, &frmArchivio::picVuoto_Click);
    connect(cmdTitolo, &QPushButton::clicked, this, &frmArchivio::cmdTitolo_Click);
    connect(cmdSottotitolo, &QPushButton::clicked, this, &frmArchivio::cmdSottotitolo_Click);
    connect(cmdInvia, &QPushButton::clicked, this, &frmArchivio::cmdInvia_Click);
    connect(imgVail, &QPushButton::clicked, this, &frmArchivio::imgVail_Click);
    connect(cmdCheckIvaVend, &QPushButton::clicked, this, &frmArchivio::cmdCheckIvaVend_Click);
    connect(cmdTrova, &QPushButton::clicked, this, &frmArchivio::cmdTrova_Click);
    connect(cmdElenco, &QPushButton::clicked, this, &frmArchivio::cmdElenco_Click);
    connect(cmdSlide, &QPushButton::clicked, this, &frmArchivio::cmdSlide_Click);
    connect(cmdWord, &QPushButton::clicked, this, &frmArchivio::cmdWord_Click);
    connect(cmdBackup, &QPushButton::clicked, this, &frmArchivio::cmdBackup_Click);
    connect(cmdRubrica, &QPushButton::clicked, this, &frmArchivio::cmdRubrica_Click);
    connect(cmdSincronizza, &QPushButton::clicked, this, &frmArchivio::cmdSincronizza_Click);
    connect(cmdGuida, &QPushButton::clicked, this, &frmArchivio::cmdGuida_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmArchivio::cmdEsci_Click);
    setUpKeyboard();
}

void frmArchivio::setUpKeyboard() {
    WindowKeys::addForButton(cmdNuovo, QKeySequence(Qt::CTRL | Qt::Key_N),
                             QStringLiteral("Ctrl+N"));
    WindowKeys::addForButton(cmdSalva, QKeySequence(Qt::CTRL | Qt::Key_S),
                             QStringLiteral("Ctrl+S"));
    WindowKeys::addForButton(picVuoto, QKeySequence(Qt::CTRL | Qt::Key_Delete),
                             QStringLiteral("Ctrl+Canc"));
    WindowKeys::addForButton(cmdTrova, QKeySequence(Qt::CTRL | Qt::Key_F),
                             QStringLiteral("Ctrl+F"));
    WindowKeys::addForButton(cmdElenco, QKeySequence(Qt::CTRL | Qt::Key_L),
                             QStringLiteral("Ctrl+L"));
    WindowKeys::addForButton(cmdInvia, QKeySequence(Qt::CTRL | Qt::Key_E),
                             QStringLiteral("Ctrl+E"));
    WindowKeys::addForButton(cmdSincronizza, QKeySequence(Qt::Key_F5), QStringLiteral("F5"));
    WindowKeys::addForButton(cmdGuida, QKeySequence(Qt::Key_F1), QStringLiteral("F1"));
    WindowKeys::addForButton(cmdEsci, QKeySequence(Qt::Key_Escape), QStringLiteral("Esc"));
    WindowKeys::enterClicks(this);

    // Tab: the boxes in record order, the buttons beside them, the logo panels, the
    // browse bar and the button bar.
    QList<QWidget *> order;
    for (QLineEdit *box : entryBoxes()) order << box;
    order << cmdTitolo << cmdSottotitolo << cmdCheckIvaVend << cmdInvia << imgVail << cmdPiccolo
          << cmdMedio << cmdGrande << cmdPrimo << cmdIndietro << cmdAvanti << cmdUltimo << cmdNuovo
          << cmdSalva << picVuoto << cmdTrova << cmdElenco << cmdSlide << cmdWord << cmdBackup
          << cmdRubrica << cmdSincronizza << cmdGuida << cmdEsci;
    WindowKeys::tabChain(order);
}

void frmArchivio::Form_Load() {
    // Colours: black unless the settings file holds them.
    const ArchiveColours::Pair colours = ArchiveColours::read(SettingsFile());
    setTitleColour(colours.title);
    setSubtitleColour(colours.subtitle);

    const Hub &hub = Hub::instance();
    cmdTrova->setEnabled(hub.hasAction(Hub::Action::Search));
    cmdElenco->setEnabled(hub.hasAction(Hub::Action::ContactList));
    cmdSlide->setEnabled(hub.hasAction(Hub::Action::ExportXlsx));
    cmdWord->setEnabled(hub.hasAction(Hub::Action::ExportDoc));
    cmdBackup->setEnabled(hub.hasAction(Hub::Action::Backup));
    cmdRubrica->setEnabled(hub.hasAction(Hub::Action::ImportContacts));
    cmdSincronizza->setEnabled(hub.hasAction(Hub::Action::Sync));
    cmdGuida->setEnabled(hub.hasAction(Hub::Action::Help));

    // The window opens blank: no record is read.
    lblPosizione->clear();
    for (QLabel *box : logoBoxes()) blankLogo(box);
}

void frmArchivio::formUnload() {
    SettingsFile settings;
    ArchiveColours::write(settings, {titleColour(), subtitleColour()});
}

qint32 frmArchivio::titleColour() const {
    return VbColor::fromColor(txtTitolo->palette().color(QPalette::Text));
}

qint32 frmArchivio::subtitleColour() const {
    return VbColor::fromColor(txtSottotitolo->palette().color(QPalette::Text));
}

void frmArchivio::setTitleColour(qint32 colour) {
    setFore(txtTitolo, VbColor::toColor(colour));
}

void frmArchivio::setSubtitleColour(qint32 colour) {
    setFore(txtSottotitolo, VbColor::toColor(colour));
}

// ---- pictures -------------------------------------------------------------------------

bool frmArchivio::isBlankPicture(const QLabel *box) {
    const QPixmap p = box->pixmap();
    return p.isNull() || p.size() == QSize(1, 1);
}

void frmArchivio::blankLogo(QLabel *box) {
    box->setPixmap(picNuovo->pixmap());
}

bool frmArchivio::loadLogo(QLabel *box, const QString &path) {
    const QImage image = PictureLoader::load(path);
    if (image.isNull()) {
        blankLogo(box);
        return false;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    const QSize room = box->contentsRect().size() - QSize(4, 4);
    if (pixmap.width() > room.width() || pixmap.height() > room.height())
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    box->setPixmap(pixmap);
    return true;
}

QList<FileFilter> frmArchivio::logoFilters() {
    return LogoChooser::filters();
}

QString frmArchivio::logoDialogTitle() {
    return QStringLiteral("Cartaflex - Selezionare un file immagine");
}

void frmArchivio::loadLogoFromDialog(int index) {
    const QString path = LogoChooser::choose(logoDialogTitle());
    if (path.isEmpty()) return;
    if (loadLogo(logoBoxes()[index], path)) {
        logoPathBoxes()[index]->setText(ContactRecord::trimBlanks(path));
        m_edited = true;
    } else {
        showMessage(LogoChooser::notAPicture());
    }
}

void frmArchivio::cmdPiccolo_Click() {
    loadLogoFromDialog(0);
}
void frmArchivio::cmdMedio_Click() {
    loadLogoFromDialog(1);
}
void frmArchivio::cmdGrande_Click() {
    loadLogoFromDialog(2);
}

// ---- records ---------------------------------------------------------------------------

void frmArchivio::showRecord(const ContactRecord &record) {
    const auto boxes = entryBoxes();
    for (int f = 0; f < int(boxes.size()); ++f)
        boxes[f]->setText(record.value(ContactRecord::Field(f)));
    const auto paths = logoPathBoxes();
    for (int i = 0; i < 3; ++i)
        paths[i]->setText(record.value(ContactRecord::Field(ContactRecord::Logo01 + i)));
    HourglassCursor hourglass;
    for (int i = 0; i < 3; ++i) {
        const QString path = ContactRecord::trimBlanks(paths[i]->text());
        if (!path.isEmpty()) loadLogo(logoBoxes()[i], path);
    }
    markUnedited();
}

bool frmArchivio::receivesContact(OriginTag tag) const {
    return tag == OriginTag::Archivio;
}

void frmArchivio::receiveContact(const ContactRecord &record, int number, OriginTag) {
    // A missing file or one that is not a picture leaves the blank picture.
    for (QLabel *box : logoBoxes()) blankLogo(box);
    ContactRecord trimmed;
    for (int f = 0; f < ContactRecord::FieldCount; ++f)
        trimmed.setValue(ContactRecord::Field(f),
                         ContactRecord::trimBlanks(record.value(ContactRecord::Field(f))));
    showRecord(trimmed);
    lblPosizione->setText(PositionLabel::text(number));
    m_working = record;
}

ContactRecord frmArchivio::recordFromBoxes() const {
    ContactRecord r;
    const auto boxes = entryBoxes();
    for (int f = 0; f < int(boxes.size()); ++f)
        r.setValue(ContactRecord::Field(f), ContactRecord::trimBlanks(boxes[f]->text()));
    const auto paths = logoPathBoxes();
    for (int i = 0; i < 3; ++i)
        r.setValue(ContactRecord::Field(ContactRecord::Logo01 + i),
                   ContactRecord::trimBlanks(paths[i]->text()));
    return r;
}

void frmArchivio::browse(ArchiveStore::Direction direction) {
    for (QLabel *box : logoBoxes()) blankLogo(box);
    ArchiveStore store;
    const ArchiveStore::Navigation nav = store.navigateTo(direction, lblPosizione->text());
    if (nav.empty) {
        showMessage(nav.message);
        lblPosizione->clear();
        clearToNew();
        return;
    }
    lblPosizione->setText(PositionLabel::text(nav.number));
    barBrowse->announce(nav.number, store.recordCount());
    // A failed read shows the working record as it was.
    if (nav.readOk) m_working = nav.record;
    showRecord(m_working);
}

void frmArchivio::browseTo(ArchiveStore::Direction direction) {
    if (settleUnsavedChanges()) browse(direction);
}

void frmArchivio::cmdNuovo_Click() {
    if (settleUnsavedChanges()) clearToNew();
}

bool frmArchivio::settleUnsavedChanges() {
    if (!m_edited) return true;
    int number = PositionLabel::value(lblPosizione->text());
    if (number <= 0) number = ArchiveStore().recordCount() + 1;
    switch (showMessage(ContactEditor::unsavedQuestion(number))) {
        case MsgAnswer::Yes:
            return save();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

bool frmArchivio::mayClose() {
    return settleUnsavedChanges();
}

void frmArchivio::clearToNew() {
    lblPosizione->clear();
    for (QLineEdit *box : entryBoxes()) box->clear();
    for (QLineEdit *box : logoPathBoxes()) box->clear();
    for (QLabel *box : logoBoxes()) blankLogo(box);
    markUnedited();
    txtTitolo->setFocus();
}

void frmArchivio::resetToNoRecord() {
    clearToNew();
    m_working = ContactRecord();
}

void frmArchivio::cmdSalva_Click() {
    save();
}

bool frmArchivio::save() {
    // Letters the archive cannot hold are named first; saved, they become plain letters
    // and the boxes show what was kept.
    const QString unholdable = ContactEditor::unholdable(recordFromBoxes());
    if (!unholdable.isEmpty()) {
        if (showMessage(ContactEditor::foldQuestion(unholdable)) != MsgAnswer::Yes) return false;
        const ContactRecord plain = ContactEditor::folded(recordFromBoxes());
        const auto boxes = entryBoxes();
        for (int f = 0; f < int(boxes.size()); ++f)
            boxes[f]->setText(plain.value(ContactRecord::Field(f)));
    }
    ArchiveStore store;
    ContactEditor editor(store);
    const ContactRecord record = recordFromBoxes();
    const ContactEditor::SaveOutcome out = editor.save(lblPosizione->text(), record, &m_working);
    switch (out.result) {
        case ContactEditor::SaveResult::MissingName:
            showMessage(out.message);
            txtTitolo->setFocus();
            return false;
        case ContactEditor::SaveResult::OutOfRange:
            showMessage(out.message);
            clearToNew();
            return false;
        case ContactEditor::SaveResult::ChangedElsewhere:
            showMessage(out.message);
            showStoredAgain();
            return false;
        case ContactEditor::SaveResult::Failed:
            // The boxes and the label stay as they were.
            showMessage(out.message);
            return false;
        case ContactEditor::SaveResult::Added:
        case ContactEditor::SaveResult::Changed:
            break;
    }
    const auto paths = logoPathBoxes();
    for (int i = 0; i < 3; ++i)
        if (ContactRecord::trimBlanks(paths[i]->text()).isEmpty()) blankLogo(logoBoxes()[i]);
    lblPosizione->setText(out.labelText);
    m_working = record;
    markUnedited();
    showMessage(out.message);
    return true;
}

void frmArchivio::showStoredAgain() {
    ArchiveStore store;
    ContactRecord now;
    if (!store.readRecord(PositionLabel::value(lblPosizione->text()), now)) {
        clearToNew();
        return;
    }
    for (QLabel *box : logoBoxes()) blankLogo(box);
    m_working = now;
    showRecord(m_working);
}

void frmArchivio::picVuoto_Click() {
    const QString label = lblPosizione->text();
    if (showMessage(ContactEditor::deleteQuestion(label)) != MsgAnswer::Yes) return;
    ArchiveStore store;
    ContactEditor editor(store);
    const ContactEditor::DeleteOutcome out = editor.remove(label, &m_working);
    switch (out.result) {
        case ContactEditor::DeleteResult::NotShown:
        case ContactEditor::DeleteResult::Failed:
            showMessage(out.message);
            return;
        case ContactEditor::DeleteResult::Gone:
            showMessage(out.message);
            clearToNew();
            return;
        case ContactEditor::DeleteResult::ChangedElsewhere:
            showMessage(out.message);
            showStoredAgain();
            return;
        case ContactEditor::DeleteResult::Deleted:
            browse(ArchiveStore::Direction::Previous);
            showMessage(out.message);
            return;
    }
}

// ---- colours ---------------------------------------------------------------------------

void frmArchivio::chooseColour(QLineEdit *box) {
    const std::optional<QColor> chosen = Platform::instance().colorDialog(QColor(Qt::black));
    if (!chosen || !chosen->isValid()) return;
    setFore(box, *chosen);
    box->setFocus();
}

void frmArchivio::cmdTitolo_Click() {
    chooseColour(txtTitolo);
}
void frmArchivio::cmdSottotitolo_Click() {
    chooseColour(txtSottotitolo);
}

// ---- web, e-mail, VAT ------------------------------------------------------------------

void frmArchivio::imgVail_Click() {
    if (ContactRecord::trimBlanks(txtWeb->text()).isEmpty()) {
        Platform::instance().messageBox(
            u8("Impossibile visitare il sito Web in quanto non è stato specificato l'indirizzo."),
            QStringLiteral("Attenzione: dati incompleti"), MsgIcon::Exclamation, MsgButtons::Ok);
        txtWeb->setFocus();
        return;
    }
    const QString address = WebAddress::visitText(txtWeb->text());
    if (address != txtWeb->text()) txtWeb->setText(address);
    const QString url = WebAddress::shellUrl(address);
    HourglassCursor hourglass;
    if (!url.isEmpty()) Platform::instance().openUrl(url);
}

void frmArchivio::cmdInvia_Click() {
    Platform &platform = Platform::instance();
    if (ContactRecord::trimBlanks(txtEmail->text()).isEmpty()) {
        platform.messageBox(u8(MailMessages::kMissingAddressText),
                            u8(MailMessages::kMissingAddressTitle), MsgIcon::Information,
                            MsgButtons::Ok);
        txtEmail->setFocus();
        return;
    }
    const QString request = MailtoBuilder::forContact(txtTitolo->text(), txtEmail->text());
    if (!platform.openUrl(request))
        platform.messageBox(u8(MailMessages::kNoMailProgramText),
                            u8(MailMessages::kArchiveFailedTitle), MsgIcon::Critical,
                            MsgButtons::Ok);
}

void frmArchivio::cmdCheckIvaVend_Click() {
    frmCalcIva check(this);
    check.txtIva->setText(ContactRecord::trimBlanks(txtIva->text()));
    check.exec();
}

// ---- other windows ---------------------------------------------------------------------

void frmArchivio::cmdTrova_Click() {
    if (!settleUnsavedChanges()) return;
    Hub::instance().runAction(Hub::Action::Search, this, QStringLiteral("archivio"));
}
void frmArchivio::cmdElenco_Click() {
    if (!settleUnsavedChanges()) return;
    Hub::instance().runAction(Hub::Action::ContactList, this, QStringLiteral("archivio"));
}
void frmArchivio::cmdSlide_Click() {
    Hub::instance().runAction(Hub::Action::ExportXlsx, this);
}
void frmArchivio::cmdWord_Click() {
    Hub::instance().runAction(Hub::Action::ExportDoc, this);
}
void frmArchivio::cmdBackup_Click() {
    Hub::instance().runAction(Hub::Action::Backup, this);
}
void frmArchivio::cmdRubrica_Click() {
    // The import and the two exports, offered where the archive's exports are.
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuRubrica"));
    Hub &hub = Hub::instance();
    connect(menu.addAction(QStringLiteral("Importa contatti…")), &QAction::triggered, this,
            [this] { Hub::instance().runAction(Hub::Action::ImportContacts, this); });
    for (const char *format : {"csv", "vcard"}) {
        QAction *entry = menu.addAction(std::strcmp(format, "csv") == 0
                                            ? QStringLiteral("Esporta contatti in CSV…")
                                            : QStringLiteral("Esporta contatti in vCard…"));
        entry->setEnabled(hub.hasAction(Hub::Action::ExportContacts));
        connect(entry, &QAction::triggered, this, [this, format] {
            Hub::instance().runAction(Hub::Action::ExportContacts, this,
                                      QString::fromLatin1(format));
        });
    }
    menu.addSeparator();
    QAction *shared = menu.addAction(QStringLiteral("Rubrica condivisa…"));
    shared->setEnabled(hub.hasAction(Hub::Action::SharedAddressBook));
    connect(shared, &QAction::triggered, this,
            [this] { Hub::instance().runAction(Hub::Action::SharedAddressBook, this); });
    menu.exec(cmdRubrica->mapToGlobal(QPoint(0, cmdRubrica->height())));
}
void frmArchivio::cmdSincronizza_Click() {
    // What is typed is settled first: the sync reads the archive as it is on disk.
    if (!settleUnsavedChanges()) return;
    Hub::instance().runAction(Hub::Action::Sync, this);
}
void frmArchivio::cmdGuida_Click() {
    Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("archivio"));
}
void frmArchivio::cmdEsci_Click() {
    close();
}

// ---- entry boxes -----------------------------------------------------------------------

void frmArchivio::txtWeb_LostFocus() {
    const QString completed = WebAddress::completed(txtWeb->text());
    if (completed != txtWeb->text()) txtWeb->setText(completed);
}

bool frmArchivio::txtIva_KeyPress(QKeyEvent *event) {
    switch (DigitKeys::classify(event)) {
        case DigitKeys::Verdict::Digit:
        case DigitKeys::Verdict::Backspace:
        case DigitKeys::Verdict::Enter:
        case DigitKeys::Verdict::NotCharacter:
            return false;
        case DigitKeys::Verdict::Refused:
            break;
    }
    Platform::instance().messageBox(
        QStringLiteral("Inserire il numero di partita IVA digitando solo caratteri numerici."),
        QStringLiteral("Attenzione: valore non valido"), MsgIcon::Information, MsgButtons::Ok);
    return true;
}

bool frmArchivio::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (auto *pic = qobject_cast<QLabel *>(watched)) {
        if (type == QEvent::MouseButtonDblClick) {
            if (pic == picLogo01) cmdPiccolo_Click();
            if (pic == picLogo02) cmdMedio_Click();
            if (pic == picLogo03) cmdGrande_Click();
        }
        return MainWindowBase::eventFilter(watched, event);
    }
    auto *box = qobject_cast<QLineEdit *>(watched);
    const auto boxes = entryBoxes();
    const auto it = box ? std::find(boxes.begin(), boxes.end(), box) : boxes.end();
    if (it == boxes.end()) return MainWindowBase::eventFilter(watched, event);

    if (type == QEvent::FocusOut && box == txtWeb) {
        txtWeb_LostFocus();
    } else if (type == QEvent::ShortcutOverride && box == txtIva) {
        // Ctrl+V and Shift+Insert reach the box as key presses and are refused there.
        auto *key = static_cast<QKeyEvent *>(event);
        if (DigitKeys::classify(key) == DigitKeys::Verdict::Refused) key->accept();
    } else if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (box == txtIva && txtIva_KeyPress(key)) return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const auto next = std::next(it) == boxes.end() ? boxes.begin() : std::next(it);
            (*next)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return MainWindowBase::eventFilter(watched, event);
}
