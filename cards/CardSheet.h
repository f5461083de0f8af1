#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

#include "cards/CardFormat.h"
#include "cards/CardStock.h"

// The sheet a card format prints on: the plain A4 sheet of its own layout, cut by hand
// along the printed guides, or a sheet of card stock. On stock the format's card design
// is scaled by one factor to fit the stock's card, and centred in it; no guide is drawn.
class CardSheet {
public:
    // The terminal's name of the plain sheet, and what the print dialog calls it.
    static constexpr const char *kPlainKey = "a4";
    static constexpr const char *kPlainName = "Foglio A4 da ritagliare";
    // How much a design may grow or shrink to go on a stock.
    static constexpr double kMaxScaleChange = 0.15;

    // The plain A4 sheet of the format.
    explicit CardSheet(CardFormat format);
    // The stock; the caller makes sure the format fits it (fits()).
    CardSheet(CardFormat format, const CardStock &stock);

    // The scale that fits a format's card into a stock's card, and whether it is within
    // 15 % of the design's own size.
    static double scaleFor(CardFormat format, const CardStock &stock);
    static bool fits(CardFormat format, const CardStock &stock);
    // The stocks a format can go on, in the table's order.
    static QList<CardStock> stocksFor(CardFormat format);
    // The sheet of a terminal name ("a4" or a stock's key) for a format; nothing when the
    // name is unknown or the format does not fit that stock.
    static std::optional<CardSheet> fromKey(CardFormat format, const QString &key);
    // "a4, 85x55-10, …": the names a format can be printed on (for messages).
    static QString keysText(CardFormat format);

    CardFormat format() const { return m_format; }
    const std::optional<CardStock> &stock() const { return m_stock; }
    bool isPlain() const { return !m_stock; }
    QString key() const;
    QString name() const;
    int cards() const;
    // 1 on the plain sheet.
    double scale() const { return m_scale; }
    // Where the top-left corner of the design of card k lands on the page (twips); the
    // design is then drawn scale() times its size.
    QPointF designOrigin(int card) const;
    // The card k on the page, in twips: its cell on the plain sheet, the stock's card.
    QRectF cardRect(int card) const;
    // A point of the design of card k (twips from the design's top-left corner) on the
    // page.
    QPointF place(int card, QPointF design) const;

private:
    CardFormat m_format;
    std::optional<CardStock> m_stock;
    double m_scale = 1.0;
};
