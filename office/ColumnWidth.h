#pragma once

#include <QString>

// The width a spreadsheet column needs to show its longest text, in the spreadsheet's
// width unit (the width of one digit of the default 11 pt font), computed from the texts
// themselves: narrow letters, wide letters, capitals and bold are told apart, and a small
// margin is added as the spreadsheet's own fitting does.
class ColumnWidth {
public:
    // The width needed by one text.
    static double of(const QString &text, bool bold = false);

    // Keeps the widest text seen.
    void add(const QString &text, bool bold = false);
    // 0 while no non-empty text was added (the column keeps its default width).
    double width() const { return m_width; }

    static constexpr double kMaximum = 255.0;

private:
    double m_width = 0;
};
