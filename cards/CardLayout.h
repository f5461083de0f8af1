#pragma once

// Folder cards/: the card composer, the four sheet layouts, the form printer, the card
// print job and the test page.

#include <QList>
#include <QMetaType>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "archive/ContactRecord.h"
#include "cards/CardFormat.h"

// One text field of a card: its box inside the card (twips from the card's top-left
// corner), its font and alignment, and where the composer's preview moves it.
struct CardField {
    ContactRecord::Field field;
    int left = 0, top = 0, width = 0, height = 0;
    const char *fontName = "Arial";
    double fontSize = 8.25;  // points
    bool bold = false;
    bool italic = false;
    int alignment = 0;  // 0 left, 1 right, 2 centre
    // The preview shows the box this many twips higher, and this high when not 0.
    int previewRaise = 0;
    int previewHeight = 0;

    QRect rect() const { return QRect(left, top, width, height); }
};
Q_DECLARE_METATYPE(CardField)

// A straight line, in twips.
struct CardLine {
    int x1, y1, x2, y2;
    bool operator==(const CardLine &o) const = default;
};

// The sheet layout of one card format: the grid of cells on the A4 page, the cut
// guides, and every field, logo and rule of a card. The same table places the printed
// sheet and the composer's preview, so screen and paper cannot drift apart.
class CardLayout {
public:
    static const CardLayout &of(CardFormat format);

    CardFormat format() const { return m_format; }
    // The layout form's name ("frmPrnAcquirente", "frmPrnCard02", …).
    QString formName() const { return QString::fromLatin1(m_formName); }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int cards() const { return m_columns * m_rows; }
    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }
    QRect grid() const {
        return QRect(m_gridLeft, m_gridTop, m_columns * m_cellWidth, m_rows * m_cellHeight);
    }
    int gridRight() const { return m_gridLeft + m_columns * m_cellWidth; }
    int gridBottom() const { return m_gridTop + m_rows * m_cellHeight; }
    const QList<int> &verticalDividers() const { return m_vertical; }
    const QList<int> &horizontalDividers() const { return m_horizontal; }
    // The cut guides: the four sides of the grid, then every divider across the grid.
    QList<CardLine> cutLines() const;

    // Card k (0 … cards − 1) fills column k % columns of row k / columns.
    QPoint cellOrigin(int card) const;
    const std::optional<QRect> &logo() const { return m_logo; }
    const QList<CardField> &fields() const { return m_fields; }
    // The field of that kind, or nullptr when the format has none.
    const CardField *field(ContactRecord::Field f) const;
    // The two rules of card k (under the title, above the last line), inside the card.
    QList<CardLine> rules(int card) const;

    // The field as the composer's preview places it (the table's preview columns: on the
    // two small previews the telephone and mobile boxes sit 45 twips higher and are 240
    // twips high, the e-mail box 90 twips higher); a field the format lacks is empty.
    CardField previewField(ContactRecord::Field f) const;
    // The preview's two rules: as on paper, the second one raised with the e-mail box.
    QList<CardLine> previewRules() const;
    // The preview card's size in twips.
    QSize previewSize() const { return m_previewSize; }

    struct Grid;
    struct Data;
    explicit CardLayout(const Data &d);

private:
    CardFormat m_format;
    const char *m_formName;
    int m_columns, m_rows, m_cellWidth, m_cellHeight, m_gridLeft, m_gridTop;
    QList<int> m_vertical, m_horizontal;
    std::optional<QRect> m_logo;
    QList<CardField> m_fields;
    QList<CardLine> m_rules;
    // Cards whose second rule starts further left, and that rule.
    QList<int> m_variantCards;
    CardLine m_variantRule{};
    QSize m_previewSize;
    int m_previewRuleRaise = 0;
};
