#include "ui/BrowseBar.h"

#include <QIcon>
#include <QPixmap>
#include <QShortcut>

#include "platform/Artwork.h"
#include "ui/Announce.h"
#include "ui/WindowKeys.h"

namespace {

struct Step {
    const char *name;
    const char *art;
    const char *caption;
    const char *spoken;
    const char *keyText;
    QKeySequence key;
    BrowseDirection direction;
};

const Step kSteps[4] = {
    {"cmdPrimo", "nav_primo.svg", "|<", "Prima scheda", "Ctrl+Inizio",
     QKeySequence(Qt::CTRL | Qt::Key_Home), BrowseDirection::First},
    {"cmdIndietro", "nav_indietro.svg", "<", "Scheda precedente", "PgSu",
     QKeySequence(Qt::Key_PageUp), BrowseDirection::Previous},
    {"cmdAvanti", "nav_avanti.svg", ">", "Scheda successiva", "PgGiù",
     QKeySequence(Qt::Key_PageDown), BrowseDirection::Next},
    {"cmdUltimo", "nav_ultimo.svg", ">|", "Ultima scheda", "Ctrl+Fine",
     QKeySequence(Qt::CTRL | Qt::Key_End), BrowseDirection::Last},
};

}  // namespace

BrowseBar::BrowseBar(QWidget *panel, const Look &look) : QWidget(panel) {
    setObjectName(QStringLiteral("barBrowse"));
    const QRect places[4] = {look.first, look.previous, look.next, look.last};
    QRect all = look.label;
    for (const QRect &r : places) all |= r;
    setGeometry(all);
    const QPoint origin = all.topLeft();

    for (int i = 0; i < 4; ++i) {
        const Step &s = kSteps[i];
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(s.name));
        b->setGeometry(places[i].translated(-origin));
        if (look.iconSize.isEmpty()) {
            b->setText(QLatin1String(s.caption));
        } else {
            b->setIcon(QIcon(QPixmap::fromImage(
                Artwork::render(QStringLiteral(":/art/") + QLatin1String(s.art), look.iconSize))));
            b->setIconSize(look.iconSize);
            b->setCursor(Qt::PointingHandCursor);
        }
        const QString spoken = QString::fromUtf8(s.spoken);
        const QString tip =
            spoken + QStringLiteral(" (") + QString::fromUtf8(s.keyText) + QLatin1Char(')');
        b->setToolTip(look.paddedTips ? QLatin1Char(' ') + tip + QLatin1Char(' ') : tip);
        b->setAccessibleName(spoken);
        b->setAutoDefault(true);  // Enter clicks it as Space does
        const BrowseDirection direction = s.direction;
        connect(b, &QPushButton::clicked, this, [this, direction] { emit browse(direction); });

        m_keys.append(WindowKeys::add(panel->window(), s.key, [b] {
            if (b->isEnabled() && b->isVisible()) b->click();
        }));
        m_buttons[i] = b;
    }

    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("lblPosizione"));
    m_position->setGeometry(look.label.translated(-origin));
    m_position->setAlignment(look.labelAlignment);
    m_position->setStyleSheet(look.labelStyle);
    // The label's spoken name is its own text, the number; what it is goes in its
    // description.
    m_position->setAccessibleDescription(QStringLiteral("Numero della scheda"));

    // Tab visits the buttons from first to last, past the label.
    for (int i = 1; i < 4; ++i) QWidget::setTabOrder(m_buttons[i - 1], m_buttons[i]);
}

void BrowseBar::setKeysEnabled(bool enabled) {
    for (QShortcut *key : m_keys) key->setEnabled(enabled);
}

void BrowseBar::announce(int number, int count) {
    ::announce(m_position, QStringLiteral("Scheda %1 di %2").arg(number).arg(count));
}
