#include "cards/CardSheet.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "cards/CardLayout.h"
#include "printing/Twips.h"

CardSheet::CardSheet(CardFormat format) : m_format(format) {}

CardSheet::CardSheet(CardFormat format, const CardStock &stock)
    : m_format(format), m_stock(stock), m_scale(scaleFor(format, stock)) {}

double CardSheet::scaleFor(CardFormat format, const CardStock &stock) {
    const CardLayout &layout = CardLayout::of(format);
    return std::min(Twips::fromMm(stock.width).value() / layout.cellWidth(),
                    Twips::fromMm(stock.height).value() / layout.cellHeight());
}

bool CardSheet::fits(CardFormat format, const CardStock &stock) {
    return std::abs(scaleFor(format, stock) - 1.0) <= kMaxScaleChange;
}

QList<CardStock> CardSheet::stocksFor(CardFormat format) {
    QList<CardStock> out;
    for (const CardStock &s : CardStock::all())
        if (fits(format, s)) out << s;
    return out;
}

std::optional<CardSheet> CardSheet::fromKey(CardFormat format, const QString &key) {
    if (key == QLatin1String(kPlainKey)) return CardSheet(format);
    const auto stock = CardStock::fromKey(key);
    if (!stock || !fits(format, *stock)) return std::nullopt;
    return CardSheet(format, *stock);
}

QString CardSheet::keysText(CardFormat format) {
    QStringList keys{QString::fromLatin1(kPlainKey)};
    for (const CardStock &s : stocksFor(format)) keys << QString::fromLatin1(s.key);
    return keys.join(QStringLiteral(", "));
}

QString CardSheet::key() const {
    return QString::fromLatin1(m_stock ? m_stock->key : kPlainKey);
}

QString CardSheet::name() const {
    return m_stock ? m_stock->name() : QString::fromUtf8(kPlainName);
}

int CardSheet::cards() const {
    return m_stock ? m_stock->cards() : CardLayout::of(m_format).cards();
}

QRectF CardSheet::cardRect(int card) const {
    if (m_stock) return m_stock->cardTwips(card);
    const CardLayout &layout = CardLayout::of(m_format);
    return QRectF(layout.cellOrigin(card), QSizeF(layout.cellWidth(), layout.cellHeight()));
}

QPointF CardSheet::designOrigin(int card) const {
    if (!m_stock) return CardLayout::of(m_format).cellOrigin(card);
    const CardLayout &layout = CardLayout::of(m_format);
    const QRectF r = cardRect(card);
    return QPointF(r.x() + (r.width() - m_scale * layout.cellWidth()) / 2,
                   r.y() + (r.height() - m_scale * layout.cellHeight()) / 2);
}

QPointF CardSheet::place(int card, QPointF design) const {
    return designOrigin(card) + design * m_scale;
}
