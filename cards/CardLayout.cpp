#include "cards/CardLayout.h"

#include <array>

using F = ContactRecord::Field;

// The grid of cells on the A4 sheet, and the cut guides across it, in twips.
struct CardLayout::Grid {
    int columns, rows, cellWidth, cellHeight, left, top;
    QList<int> vertical, horizontal;
};

// One row of the table: a card format, its grid, its fields and rules; the preview's
// columns (the card's size, how far the second rule rises) beside the paper's.
struct CardLayout::Data {
    CardFormat format;
    const char *formName;
    Grid grid;
    std::optional<QRect> logo;
    QList<CardField> fields;
    QList<CardLine> rules;
    QList<int> variantCards = {};
    CardLine variantRule = {};
    QSize previewSize;
    int previewRuleRaise = 0;
};

namespace {

// clang-format off: the tables keep one row a line.

constexpr int R = 1;

// The two small formats share the sheet: 3 × 7 cells of 3600 × 2160.
CardLayout::Grid smallGrid() {
    return {.columns = 3,
            .rows = 7,
            .cellWidth = 3600,
            .cellHeight = 2160,
            .left = 405,
            .top = 315,
            .vertical = {4005, 7605},
            .horizontal = {2475, 4635, 6795, 8955, 11115, 13275}};
}

CardLayout::Data smallWithLogo() {
    return {
        .format = CardFormat::SmallLogo,
        .formName = "frmPrnAcquirente",
        .grid = smallGrid(),
        .logo = QRect(90, 90, 1200, 1350),
        .fields =
            {
                {.field = F::Titolo,
                 .left = 1350,
                 .top = 90,
                 .width = 2175,
                 .height = 255,
                 .fontSize = 9.75,
                 .bold = true},
                {.field = F::Sottotitolo,
                 .left = 1350,
                 .top = 405,
                 .width = 2175,
                 .height = 255,
                 .bold = true},
                {.field = F::Indirizzo,
                 .left = 1350,
                 .top = 720,
                 .width = 2175,
                 .height = 240,
                 .italic = true},
                {.field = F::Citta,
                 .left = 1350,
                 .top = 945,
                 .width = 2175,
                 .height = 240,
                 .italic = true},
                {.field = F::Iva,
                 .left = 1350,
                 .top = 1170,
                 .width = 2175,
                 .height = 240,
                 .italic = true},
                {.field = F::Tel,
                 .left = 90,
                 .top = 1530,
                 .width = 1695,
                 .height = 285,
                 .previewRaise = 45,
                 .previewHeight = 240},
                {.field = F::Cel,
                 .left = 1845,
                 .top = 1530,
                 .width = 1695,
                 .height = 285,
                 .alignment = R,
                 .previewRaise = 45,
                 .previewHeight = 240},
                {.field = F::Email,
                 .left = 90,
                 .top = 1935,
                 .width = 3435,
                 .height = 210,
                 .previewRaise = 90},
            },
        .rules = {{1350, 360, 3510, 360}, {90, 1890, 3555, 1890}},
        // Eight cells of the sheet (the last eight) draw the e-mail rule from 45.
        .variantCards = {13, 14, 15, 16, 17, 18, 19, 20},
        .variantRule = {45, 1890, 3510, 1890},
        .previewSize = {3615, 2175},
        .previewRuleRaise = 90,
    };
}

CardLayout::Data smallWithoutLogo() {
    return {
        .format = CardFormat::SmallNoLogo,
        .formName = "frmPrnCard02",
        .grid = smallGrid(),
        .logo = std::nullopt,
        .fields =
            {
                {.field = F::Titolo,
                 .left = 90,
                 .top = 90,
                 .width = 3435,
                 .height = 255,
                 .fontSize = 9.75,
                 .bold = true},
                {.field = F::Sottotitolo,
                 .left = 90,
                 .top = 405,
                 .width = 3435,
                 .height = 255,
                 .bold = true},
                {.field = F::Indirizzo,
                 .left = 405,
                 .top = 720,
                 .width = 3120,
                 .height = 240,
                 .italic = true},
                {.field = F::Citta,
                 .left = 405,
                 .top = 945,
                 .width = 3120,
                 .height = 240,
                 .italic = true},
                {.field = F::Iva,
                 .left = 405,
                 .top = 1170,
                 .width = 3120,
                 .height = 240,
                 .italic = true},
                {.field = F::Tel,
                 .left = 90,
                 .top = 1530,
                 .width = 1695,
                 .height = 285,
                 .previewRaise = 45,
                 .previewHeight = 240},
                {.field = F::Cel,
                 .left = 1845,
                 .top = 1530,
                 .width = 1695,
                 .height = 285,
                 .alignment = R,
                 .previewRaise = 45,
                 .previewHeight = 240},
                {.field = F::Email,
                 .left = 90,
                 .top = 1935,
                 .width = 3435,
                 .height = 195,
                 .previewRaise = 90},
            },
        .rules = {{90, 360, 3510, 360}, {90, 1890, 3510, 1890}},
        .previewSize = {3615, 2175},
        .previewRuleRaise = 90,
    };
}

CardLayout::Data medium() {
    return {
        .format = CardFormat::Medium,
        .formName = "frmPrnCard03",
        .grid = {.columns = 2,
                 .rows = 5,
                 .cellWidth = 4365,
                 .cellHeight = 2790,
                 .left = 1350,
                 .top = 945,
                 .vertical = {5715},
                 .horizontal = {3735, 6525, 9315, 12105}},
        .logo = QRect(90, 90, 1335, 1485),
        .fields =
            {
                {.field = F::Titolo,
                 .left = 1485,
                 .top = 90,
                 .width = 2790,
                 .height = 255,
                 .fontSize = 9.75,
                 .bold = true},
                {.field = F::Sottotitolo,
                 .left = 1485,
                 .top = 405,
                 .width = 2790,
                 .height = 255,
                 .bold = true},
                {.field = F::Indirizzo,
                 .left = 1485,
                 .top = 855,
                 .width = 2790,
                 .height = 240,
                 .italic = true},
                {.field = F::Citta,
                 .left = 1485,
                 .top = 1080,
                 .width = 2790,
                 .height = 240,
                 .italic = true},
                {.field = F::Iva,
                 .left = 1485,
                 .top = 1305,
                 .width = 2790,
                 .height = 240,
                 .italic = true},
                {.field = F::Tel, .left = 90, .top = 1710, .width = 1335, .height = 285},
                {.field = F::Fax,
                 .left = 1485,
                 .top = 1710,
                 .width = 2790,
                 .height = 285,
                 .fontName = "Tahoma",
                 .alignment = R},
                {.field = F::Cel, .left = 90, .top = 1980, .width = 1335, .height = 240},
                {.field = F::Email,
                 .left = 1485,
                 .top = 1980,
                 .width = 2790,
                 .height = 240,
                 .alignment = R},
                {.field = F::Web, .left = 90, .top = 2385, .width = 4170, .height = 285},
            },
        .rules = {{1485, 360, 4275, 360}, {90, 2340, 4275, 2340}},
        .previewSize = {4380, 2805},
    };
}

CardLayout::Data large() {
    return {
        .format = CardFormat::Large,
        .formName = "frmPrnCard04",
        .grid = {.columns = 2,
                 .rows = 4,
                 .cellWidth = 5400,
                 .cellHeight = 3600,
                 .left = 405,
                 .top = 765,
                 .vertical = {5805},
                 .horizontal = {4365, 7965, 11565}},
        .logo = QRect(90, 90, 1560, 1710),
        .fields =
            {
                {.field = F::Titolo,
                 .left = 1710,
                 .top = 90,
                 .width = 3570,
                 .height = 300,
                 .fontSize = 12.0,
                 .bold = true},
                {.field = F::Sottotitolo,
                 .left = 1710,
                 .top = 450,
                 .width = 3570,
                 .height = 255,
                 .fontSize = 9.75,
                 .bold = true},
                {.field = F::Indirizzo,
                 .left = 1710,
                 .top = 1080,
                 .width = 3570,
                 .height = 240,
                 .italic = true},
                {.field = F::Citta,
                 .left = 1710,
                 .top = 1305,
                 .width = 3570,
                 .height = 240,
                 .italic = true},
                {.field = F::Iva,
                 .left = 1710,
                 .top = 1530,
                 .width = 3570,
                 .height = 240,
                 .italic = true},
                {.field = F::Tel, .left = 90, .top = 2070, .width = 1560, .height = 285},
                {.field = F::Fax,
                 .left = 1710,
                 .top = 2070,
                 .width = 3570,
                 .height = 285,
                 .fontName = "Tahoma",
                 .alignment = R},
                {.field = F::Cel, .left = 90, .top = 2340, .width = 1560, .height = 240},
                {.field = F::Email,
                 .left = 1710,
                 .top = 2340,
                 .width = 3570,
                 .height = 240,
                 .alignment = R},
                {.field = F::Informazioni,
                 .left = 90,
                 .top = 2880,
                 .width = 5190,
                 .height = 240,
                 .italic = true,
                 .alignment = R},
                {.field = F::Web, .left = 90, .top = 3195, .width = 5205, .height = 285},
            },
        .rules = {{1710, 405, 5265, 405}, {90, 3150, 5265, 3150}},
        .previewSize = {5415, 3615},
    };
}

// clang-format on

}  // namespace

CardLayout::CardLayout(const Data &d)
    : m_format(d.format),
      m_formName(d.formName),
      m_columns(d.grid.columns),
      m_rows(d.grid.rows),
      m_cellWidth(d.grid.cellWidth),
      m_cellHeight(d.grid.cellHeight),
      m_gridLeft(d.grid.left),
      m_gridTop(d.grid.top),
      m_vertical(d.grid.vertical),
      m_horizontal(d.grid.horizontal),
      m_logo(d.logo),
      m_fields(d.fields),
      m_rules(d.rules),
      m_variantCards(d.variantCards),
      m_variantRule(d.variantRule),
      m_previewSize(d.previewSize),
      m_previewRuleRaise(d.previewRuleRaise) {}

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
    if (!placed) return CardField{.field = f};
    CardField out = *placed;
    out.top -= out.previewRaise;
    if (out.previewHeight > 0) out.height = out.previewHeight;
    return out;
}

QList<CardLine> CardLayout::previewRules() const {
    QList<CardLine> out = m_rules;
    out[1].y1 -= m_previewRuleRaise;
    out[1].y2 -= m_previewRuleRaise;
    return out;
}
