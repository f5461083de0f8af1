#include "app/frmMenu.h"

#include <QEvent>
#include <QMouseEvent>

#include "platform/Artwork.h"
#include "printing/Twips.h"
#include "ui/Hub.h"
#include "ui/WindowKeys.h"

namespace {

constexpr QSize kPanel(760, 580);
constexpr int kFlashTop = 0;

QLabel *pictureLabel(QWidget *parent, const QString &name, const QString &art, QSize size) {
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(QPixmap::fromImage(Artwork::render(art, size)));
    l->setFixedSize(size);
    l->setMouseTracking(true);
    return l;
}

// A picture key of the side bar: a flat button showing the picture alone.
QPushButton *pictureKey(QWidget *parent, const QString &name, const QString &art, QSize size,
                        const QString &spoken) {
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setFlat(true);
    b->setIcon(QIcon(QPixmap::fromImage(Artwork::render(art, size))));
    b->setIconSize(size);
    b->setFixedSize(size);
    b->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    b->setMouseTracking(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setAccessibleName(spoken);
    return b;
}

QFrame *highlightShape(QWidget *parent, const QString &name, QRect r) {
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(r);
    f->setStyleSheet(
        QStringLiteral("QFrame#%1 { border: 2px solid rgb(255,0,0); background: transparent; }")
            .arg(name));
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

}  // namespace

frmMenu::frmMenu(QWidget *parent)
    : MainWindowBase(QStringLiteral("frmMenu"), QStringLiteral(" Cartaflex 2.0"), kPanel, parent) {
    QWidget *panel = picContainer();
    picBody = panelBody();
    picBody->setMouseTracking(true);

    auto *title = new QLabel(QStringLiteral("Cartaflex 2.0"), panel);
    title->setGeometry(90, 24, 600, 40);
    title->setStyleSheet(QStringLiteral("font-size: 26px; font-weight: bold; color: #1d3c5e;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *subtitle =
        new QLabel(QStringLiteral("Biglietti da visita, buste e archivio dati personali"), panel);
    subtitle->setGeometry(92, 64, 600, 22);
    subtitle->setStyleSheet(QStringLiteral("font-size: 13px; color: #4a5a6a;"));
    subtitle->setAttribute(Qt::WA_TransparentForMouseEvents);

    struct Key {
        QPushButton **cmd;
        QLabel **pic;
        QFrame **shp;
        const char *cmdName;
        const char *picName;
        const char *shpName;
        const char *art;
        const char *caption;
        int left;
    };
    const Key keys[] = {
        {&cmdArchivioDati, &picArchivioDati, &shpArchivioDati, "cmdArchivioDati", "picArchivioDati",
         "shpArchivioDati", ":/art/archivio.svg", "Archivio dati", 100},
        {&cmdBiglietti, &picBiglietti, &shpBiglietti, "cmdBiglietti", "picBiglietti",
         "shpBiglietti", ":/art/biglietti.svg", "Biglietti da visita", 320},
        {&cmdBuste, &picProtocollo, &shpBuste, "cmdBuste", "picProtocollo", "shpBuste",
         ":/art/buste.svg", "Buste", 540},
    };
    for (const Key &k : keys) {
        *k.shp =
            highlightShape(panel, QString::fromLatin1(k.shpName), QRect(k.left - 8, 128, 196, 230));
        *k.pic = pictureLabel(panel, QString::fromLatin1(k.picName), QString::fromLatin1(k.art),
                              QSize(128, 104));
        (*k.pic)->move(k.left + 26, 150);
        *k.cmd = new QPushButton(QString::fromUtf8(k.caption), panel);
        (*k.cmd)->setObjectName(QString::fromLatin1(k.cmdName));
        (*k.cmd)->setGeometry(k.left, 280, 180, 56);
        (*k.cmd)->setMouseTracking(true);
        (*k.cmd)->setCursor(Qt::PointingHandCursor);
        (*k.cmd)->setStyleSheet(QStringLiteral(
            "QPushButton { font-size: 14px; font-weight: bold; color: #1d3c5e; background: #ffffff;"
            " border: 1px solid #8a97a6; border-radius: 6px; }"
            "QPushButton:pressed { background: #dfe6ee; } QPushButton:disabled { color: #a0a8b0; "
            "}"));
        (*k.pic)->installEventFilter(this);
        (*k.cmd)->installEventFilter(this);
    }
    connect(cmdArchivioDati, &QPushButton::clicked, this, &frmMenu::cmdArchivioDati_Click);
    connect(cmdBiglietti, &QPushButton::clicked, this, &frmMenu::cmdBiglietti_Click);
    connect(cmdBuste, &QPushButton::clicked, this, &frmMenu::cmdBuste_Click);

    auto *hint = new QLabel(QStringLiteral("Scegli che cosa vuoi fare: il lavoro riprende da qui "
                                           "ogni volta che chiudi una finestra."),
                            panel);
    hint->setGeometry(100, 380, 620, 40);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("font-size: 12px; color: #4a5a6a;"));
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);

    picControlli = new QWidget(panel);
    picControlli->setObjectName(QStringLiteral("picControlli"));
    picControlli->setGeometry(14, 20, 56, 530);
    picControlli->setStyleSheet(
        QStringLiteral("QWidget#picControlli { background: #1d3c5e; border-radius: 6px; }"));
    picControlli->setAttribute(Qt::WA_StyledBackground);
    picControlli->setMouseTracking(true);
    imgGuida =
        pictureKey(picControlli, QStringLiteral("imgGuida"), QStringLiteral(":/art/guida.svg"),
                   QSize(32, 32), QStringLiteral("Guida"));
    imgGuida->setToolTip(QStringLiteral(" Guida "));
    imgReg = pictureKey(picControlli, QStringLiteral("imgReg"), QStringLiteral(":/art/info.svg"),
                        QSize(32, 32), QStringLiteral("Informazioni su Cartaflex"));
    imgReg->setToolTip(QStringLiteral(" Informazioni su... "));
    picRights =
        pictureKey(picControlli, QStringLiteral("picRights"), QStringLiteral(":/art/rights.svg"),
                   QSize(32, 32), QStringLiteral("Diritti e assistenza"));
    imgEsci = pictureKey(picControlli, QStringLiteral("imgEsci"), QStringLiteral(":/art/esci.svg"),
                         QSize(32, 32), QStringLiteral("Esci"));
    imgEsci->setToolTip(QStringLiteral(" Esci "));
    for (QPushButton *key : {imgGuida, imgReg, picRights, imgEsci}) {
        placeKey(key, fixedPlace(key->objectName()));
        connect(key, &QPushButton::pressed, this, [this, key] { keyDown(key); });
        connect(key, &QPushButton::released, this,
                [this, key] { placeKey(key, fixedPlace(key->objectName())); });
        connect(key, &QPushButton::clicked, this, [this, key] { runKey(key); });
        key->installEventFilter(this);
    }

    imgVista = pictureLabel(panel, QStringLiteral("imgVista"), QStringLiteral(":/art/vista.svg"),
                            QSize(40, 40));
    imgVista->move(kPanel.width() - 52, kPanel.height() - 48);
    imgVista->setToolTip(QStringLiteral(
        " Software per sistemi Windows 98, Millennium, 2000, XP, Server 2003, Vista "));

    picScroll = new QWidget(panel);
    picScroll->setObjectName(QStringLiteral("picScroll"));
    picScroll->setGeometry(76, 506, Twips(10200).screenPixels(), 18);
    picScroll->setStyleSheet(QStringLiteral("background: #1d3c5e;"));
    picScroll->setAttribute(Qt::WA_StyledBackground);
    picFlash = pictureLabel(picScroll, QStringLiteral("picFlash"),
                            QStringLiteral(":/art/banner.svg"), QSize(1257, 18));
    picFlash->move(Twips(m_flashLeft).screenPixels(), kFlashTop);

    tmrMarquee = new QTimer(this);
    tmrMarquee->setObjectName(QStringLiteral("tmrMarquee"));
    tmrMarquee->setInterval(20);
    connect(tmrMarquee, &QTimer::timeout, this, &frmMenu::tmrMarquee_Timer);

    for (QWidget *w :
         {static_cast<QWidget *>(this), panel, static_cast<QWidget *>(picBody), picControlli}) {
        w->setMouseTracking(true);
        if (w != this) w->installEventFilter(this);
    }
    setMouseTracking(true);
    installEventFilter(this);
    setUpKeyboard();
    Form_Load();
}

QPoint frmMenu::fixedPlace(const QString &keyName) {
    if (keyName == QLatin1String("imgGuida")) return QPoint(90, 180);
    if (keyName == QLatin1String("imgReg")) return QPoint(90, 2520);
    if (keyName == QLatin1String("picRights")) return QPoint(180, 4995);
    if (keyName == QLatin1String("imgEsci")) return QPoint(225, 7245);
    return QPoint();
}

void frmMenu::setUpKeyboard() {
    cmdArchivioDati->setText(QStringLiteral("&Archivio dati"));
    cmdBiglietti->setText(QStringLiteral("&Biglietti da visita"));
    cmdBuste->setText(QStringLiteral("B&uste"));
    picArchivioDati->setAccessibleName(QStringLiteral("Archivio dati"));
    picBiglietti->setAccessibleName(QStringLiteral("Biglietti da visita"));
    picProtocollo->setAccessibleName(QStringLiteral("Buste"));
    imgVista->setAccessibleName(QStringLiteral("Sistemi supportati"));
    WindowKeys::addForButton(imgGuida, QKeySequence(Qt::Key_F1), QStringLiteral("F1"));
    WindowKeys::addForButton(imgReg, QKeySequence(Qt::ALT | Qt::Key_I), QStringLiteral("Alt+I"));
    WindowKeys::addForButton(imgEsci, QKeySequence(Qt::ALT | Qt::Key_X), QStringLiteral("Alt+X"));
    WindowKeys::enterClicks(this);
    const QList<QWidget *> order = {cmdArchivioDati, cmdBiglietti, cmdBuste, imgGuida,
                                    imgReg,          picRights,    imgEsci};
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QPoint frmMenu::keyPlace(QWidget *key) const {
    return m_keyTwips.value(key);
}

void frmMenu::placeKey(QWidget *key, QPoint twips) {
    m_keyTwips[key] = twips;
    key->move(Twips::screenPoint(twips.x(), twips.y()));
}

void frmMenu::Form_Load() {
    const Hub &hub = Hub::instance();
    cmdArchivioDati->setEnabled(hub.hasMain(Hub::Main::Archive));
    picArchivioDati->setEnabled(hub.hasMain(Hub::Main::Archive));
    cmdBiglietti->setEnabled(hub.hasMain(Hub::Main::Cards));
    picBiglietti->setEnabled(hub.hasMain(Hub::Main::Cards));
    cmdBuste->setEnabled(hub.hasMain(Hub::Main::Envelopes));
    picProtocollo->setEnabled(hub.hasMain(Hub::Main::Envelopes));
    imgGuida->setEnabled(hub.hasAction(Hub::Action::Help));
    imgReg->setEnabled(hub.hasAction(Hub::Action::Info));
    picRights->setEnabled(hub.hasAction(Hub::Action::About));
    tmrMarquee->start();
}

void frmMenu::cmdArchivioDati_Click() {
    Hub::instance().open(Hub::Main::Archive);
}
void frmMenu::cmdBiglietti_Click() {
    Hub::instance().open(Hub::Main::Cards);
}
void frmMenu::cmdBuste_Click() {
    Hub::instance().open(Hub::Main::Envelopes);
}

void frmMenu::tmrMarquee_Timer() {
    if (m_flashLeft < -19500) m_flashLeft = 10200;
    m_flashLeft -= 20;
    picFlash->move(Twips(m_flashLeft).screenPixels(), picFlash->y());
}

void frmMenu::highlight(QFrame *shape) {
    if (!shape->isHidden()) return;
    shape->show();
    for (QFrame *other : {shpArchivioDati, shpBiglietti, shpBuste})
        if (other != shape && !other->isHidden()) other->hide();
}

void frmMenu::hideHighlights() {
    for (QFrame *s : {shpArchivioDati, shpBiglietti, shpBuste})
        if (!s->isHidden()) s->hide();
}

void frmMenu::keyDown(QWidget *key) {
    const QPoint place = fixedPlace(key->objectName());
    placeKey(key, place + QPoint(20, 20));
}

void frmMenu::keyUp(QWidget *key) {
    placeKey(key, fixedPlace(key->objectName()));
    runKey(key);
}

void frmMenu::runKey(QWidget *key) {
    Hub &hub = Hub::instance();
    if (key == imgGuida) {
        hub.runAction(Hub::Action::Help, this, QStringLiteral("menu"));
    } else if (key == imgReg) {
        hub.runAction(Hub::Action::Info, this);
    } else if (key == picRights) {
        hub.runAction(Hub::Action::About, this);
    } else if (key == imgEsci) {
        hub.exitProgram();
    }
}

bool frmMenu::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        // A move over a key is its own: it must not reach the panel behind and hide the
        // highlight again.
        const bool hover = type == QEvent::MouseMove &&
                           static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton;
        if (watched == cmdArchivioDati || watched == picArchivioDati) {
            highlight(shpArchivioDati);
            if (hover) return true;
        } else if (watched == cmdBiglietti || watched == picBiglietti) {
            highlight(shpBiglietti);
            if (hover) return true;
        } else if (watched == cmdBuste || watched == picProtocollo) {
            highlight(shpBuste);
            if (hover) return true;
        } else if (watched == this || watched == picContainer() || watched == picBody ||
                   watched == picControlli) {
            hideHighlights();
        }
    }
    // The mouse works the picture keys as the pictures they were: down on the press, the
    // key runs on the release wherever it happens. The keyboard clicks them as buttons.
    const bool isKey =
        watched == imgGuida || watched == imgReg || watched == picRights || watched == imgEsci;
    auto *key = static_cast<QWidget *>(isKey ? watched : nullptr);
    if (key && key->isEnabled() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (type == QEvent::MouseButtonPress) {
            key->setFocus(Qt::MouseFocusReason);
            keyDown(key);
        } else {
            keyUp(key);
        }
        return true;
    }
    auto *pic = qobject_cast<QLabel *>(watched);
    if (pic && type == QEvent::MouseButtonRelease && pic->isEnabled()) {
        if (pic == picArchivioDati) {
            cmdArchivioDati_Click();
            return true;
        }
        if (pic == picBiglietti) {
            cmdBiglietti_Click();
            return true;
        }
        if (pic == picProtocollo) {
            cmdBuste_Click();
            return true;
        }
    }
    return MainWindowBase::eventFilter(watched, event);
}
