#include "cards/CardLayout.h"

#include <array>

using F = ContactRecord::Field;

struct CardLayout::Data {
    CardFormat format;
    const char *formName;
    int columns, rows, cellWidth, cellHeight, gridLeft, gridTop;
    QList<int> vertical, horizontal;
    std::optional<QRect> logo;
    QList<CardField> fields;
    QList<CardLine> rules;
    QList<int> variantCards;
    CardLine variantRule;
};

namespace {

constexpr int L = 0, R = 1;

CardLayout::Data smallWithLogo() {
    return {CardFormat::SmallLogo,
            "frmPrnAcquirente",
            3,
            7,
            3600,
            2160,
            405,
            315,
            {4005, 7605},
            {2475, 4635, 6795, 8955, 11115, 13275},
            QRect(90, 90, 1200, 1350),
            {
                {F::Titolo, 1350, 90, 2175, 255, "Arial", 9.75, true, false, L},
                {F::Sottotitolo, 1350, 405, 2175, 255, "Arial", 8.25, true, false, L},
                {F::Indirizzo, 1350, 720, 2175, 240, "Arial", 8.25, false, true, L},
                {F::Citta, 1350, 945, 2175, 240, "Arial", 8.25, false, true, L},
                {F::Iva, 1350, 1170, 2175, 240, "Arial", 8.25, false, true, L},
                {F::Tel, 90, 1530, 1695, 285, "Arial", 8.25, false, false, L},
                {F::Cel, 1845, 1530, 1695, 285, "Arial", 8.25, false, false, R},
                {F::Email, 90, 1935, 3435, 210, "Arial", 8.25, false, false, L},
            },
            {{1350, 360, 3510, 360}, {90, 1890, 3555, 1890}},
            // Eight cells of the sheet (the last eight) draw the e-mail rule from 45.
            {13, 14, 15, 16, 17, 18, 19, 20},
            {45, 1890, 3510, 1890}};
}

CardLayout::Data smallWithoutLogo() {
    return {CardFormat::SmallNoLogo,
            "frmPrnCard02",
            3,
            7,
            3600,
            2160,
            405,
            315,
            {4005, 7605},
            {2475, 4635, 6795, 8955, 11115, 13275},
            std::nullopt,
            {
                {F::Titolo, 90, 90, 3435, 255, "Arial", 9.75, true, false, L},
                {F::Sottotitolo, 90, 405, 3435, 255, "Arial", 8.25, true, false, L},
                {F::Indirizzo, 405, 720, 3120, 240, "Arial", 8.25, false, true, L},
                {F::Citta, 405, 945, 3120, 240, "Arial", 8.25, false, true, L},
                {F::Iva, 405, 1170, 3120, 240, "Arial", 8.25, false, true, L},
                {F::Tel, 90, 1530, 1695, 285, "Arial", 8.25, false, false, L},
                {F::Cel, 1845, 1530, 1695, 285, "Arial", 8.25, false, false, R},
                {F::Email, 90, 1935, 3435, 195, "Arial", 8.25, false, false, L},
            },
            {{90, 360, 3510, 360}, {90, 1890, 3510, 1890}},
            {},
            {}};
}

CardLayout::Data medium() {
    return {CardFormat::Medium,
            "frmPrnCard03",
            2,
            5,
            4365,
            2790,
            1350,
            945,
            {5715},
            {3735, 6525, 9315, 12105},
            QRect(90, 90, 1335, 1485),
            {
                {F::Titolo, 1485, 90, 2790, 255, "Arial", 9.75, true, false, L},
                {F::Sottotitolo, 1485, 405, 2790, 255, "Arial", 8.25, true, false, L},
                {F::Indirizzo, 1485, 855, 2790, 240, "Arial", 8.25, false, true, L},
                {F::Citta, 1485, 1080, 2790, 240, "Arial", 8.25, false, true, L},
                {F::Iva, 1485, 1305, 2790, 240, "Arial", 8.25, false, true, L},
                {F::Tel, 90, 1710, 1335, 285, "Arial", 8.25, false, false, L},
                {F::Fax, 1485, 1710, 2790, 285, "Tahoma", 8.25, false, false, R},
                {F::Cel, 90, 1980, 1335, 240, "Arial", 8.25, false, false, L},
                {F::Email, 1485, 1980, 2790, 240, "Arial", 8.25, false, false, R},
                {F::Web, 90, 2385, 4170, 285, "Arial", 8.25, false, false, L},
            },
            {{1485, 360, 4275, 360}, {90, 2340, 4275, 2340}},
            {},
            {}};
}

CardLayout::Data large() {
    return {CardFormat::Large,
            "frmPrnCard04",
            2,
            4,
            5400,
            3600,
            405,
            765,
            {5805},
            {4365, 7965, 11565},
            QRect(90, 90, 1560, 1710),
            {
                {F::Titolo, 1710, 90, 3570, 300, "Arial", 12.0, true, false, L},
                {F::Sottotitolo, 1710, 450, 3570, 255, "Arial", 9.75, true, false, L},
                {F::Indirizzo, 1710, 1080, 3570, 240, "Arial", 8.25, false, true, L},
                {F::Citta, 1710, 1305, 3570, 240, "Arial", 8.25, false, true, L},
                {F::Iva, 1710, 1530, 3570, 240, "Arial", 8.25, false, true, L},
                {F::Tel, 90, 2070, 1560, 285, "Arial", 8.25, false, false, L},
                {F::Fax, 1710, 2070, 3570, 285, "Tahoma", 8.25, false, false, R},
                {F::Cel, 90, 2340, 1560, 240, "Arial", 8.25, false, false, L},
                {F::Email, 1710, 2340, 3570, 240, "Arial", 8.25, false, false, R},
                {F::Informazioni, 90, 2880, 5190, 240, "Arial", 8.25, false, true, R},
                {F::Web, 90, 3195, 5205, 285, "Arial", 8.25, false, false, L},
            },
            {{1710, 405, 5265, 405}, {90, 3150, 5265, 3150}},
            {},
            {}};
}

}  // namespace

CardLayout::CardLayout(const Data &d)
    : m_format(d.format),
      m_formName(d.formName),
      m_columns(d.columns),
      m_rows(d.rows),
      m_cellWidth(d.cellWidth),
      m_cellHeight(d.cellHeight),
      m_gridLeft(d.gridLeft),
      m_gridTop(d.gridTop),
      m_vertical(d.vertical),
      m_horizontal(d.horizontal),
      m_logo(d.logo),
      m_fields(d.fields),
      m_rules(d.rules),
      m_variantCards(d.variantCards),
      m_variantRule(d.variantRule) {}

const CardLayout &CardLayout::of(CardFormat format) {
    static const std::array<CardLayout, 4> layouts{CardLayout(smallWithLogo()),
                                                   CardLayout(smallWithoutLogo()),
                                                   CardLayout(medium()), CardLayout(large())};
    return layouts[std::size_t(format)];
}

QList<CardLine> CardLayout::cutLines() const {
    const int l = m_gridLeft, t = m_gridTop, r = gridRight(), b = gridBottom();
    QList<CardLine> out{{l, t, r, t}, {r, t, r, b}, {l, b, r, b}, {l, t, l, b}};
    for (int x : m_vertical) out.append({x, t, x, b});
    for (int y : m_horizontal) out.append({l, y, r, y});
    return out;
}

QPoint CardLayout::cellOrigin(int card) const {
    const int column = card % m_columns, row = card / m_columns;
    return QPoint(m_gridLeft + column * m_cellWidth, m_gridTop + row * m_cellHeight);
}

const CardField *CardLayout::field(ContactRecord::Field f) const {
    for (const CardField &c : m_fields)
        if (c.field == f) return &c;
    return nullptr;
}

QList<CardLine> CardLayout::rules(int card) const {
    QList<CardLine> out = m_rules;
    if (m_variantCards.contains(card)) out[1] = m_variantRule;
    return out;
}

CardField CardLayout::previewField(ContactRecord::Field f) const {
    const CardField *placed = field(f);
    if (!placed) return CardField{f, 0, 0, 0, 0, "Arial", 8.25, false, false, L};
    CardField out = *placed;
    const bool small = m_format == CardFormat::SmallLogo || m_format == CardFormat::SmallNoLogo;
    if (small && (f == F::Tel || f == F::Cel)) {
        out.top -= 45;
        out.height = 240;
    } else if (small && f == F::Email) {
        out.top -= 90;
    }
    return out;
}

QList<CardLine> CardLayout::previewRules() const {
    QList<CardLine> out = m_rules;
    if (m_format == CardFormat::SmallLogo || m_format == CardFormat::SmallNoLogo) {
        out[1].y1 -= 90;
        out[1].y2 -= 90;
    }
    return out;
}

QSize CardLayout::previewSize() const {
    switch (m_format) {
        case CardFormat::SmallLogo:
        case CardFormat::SmallNoLogo:
            return QSize(3615, 2175);
        case CardFormat::Medium:
            return QSize(4380, 2805);
        case CardFormat::Large:
            return QSize(5415, 3615);
    }
    return QSize();
}
