#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "printing/PageFont.h"

class PrinterPage;

// How a text box lines up its text.
enum class TextAlign { Left, Right, Center };

// What the wrapped printing takes from a text box: its text (paragraphs separated by
// carriage return and line feed), the selected part, its font and its alignment.
struct WrappedTextBox {
    QString text;
    QString selectedText;
    PageFont font;
    TextAlign alignment = TextAlign::Left;
};

// Prints a text box's text on the printer page with word wrap, page breaks and the box's
// alignment. Margins are in the page's current scale unit.
class PrintWrappedText {
public:
    // Prints the whole text, or only the selection when `selectionOnly` is set. Returns
    // the number of lines printed (0 for an empty text or a page without room).
    static int print(PrinterPage &page, const WrappedTextBox &box, double leftMargin,
                     double rightMargin, double topMargin, double bottomMargin, bool selectionOnly);

    // The paragraphs of a text: each ends at a carriage return and line feed (a line feed
    // alone counts too) or at the end of the text; the line break itself is dropped.
    static QStringList paragraphs(const QString &text);

    using Measure = std::function<double(const QString &)>;
    // Breaks one paragraph into lines no wider than `width`: at blanks and tabs where
    // possible, by characters where a single word is wider than the line. An empty
    // paragraph gives one empty line. Lines keep the blank they were broken at.
    static QStringList breakParagraph(const QString &paragraph, double width,
                                      const Measure &measure);

private:
    static int longestFittingPrefix(const QString &text, double width, const Measure &measure);
};
