#include "app/PrintWrappedText.h"

#include "platform/PrinterPage.h"

namespace {

bool isBreakPoint(QChar c) {
    return c == u' ' || c == u'\t';
}

QString withoutTrailingBlanks(const QString &line) {
    qsizetype end = line.size();
    while (end > 0 && isBreakPoint(line.at(end - 1))) --end;
    return line.left(end);
}

}  // namespace

QStringList PrintWrappedText::paragraphs(const QString &text) {
    QStringList out;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lf = text.indexOf(u'\n', start);
        if (lf < 0) {
            out.append(text.mid(start));
            break;
        }
        qsizetype end = lf;
        if (end > start && text.at(end - 1) == u'\r') --end;
        out.append(text.mid(start, end - start));
        start = lf + 1;
    }
    return out;
}

int PrintWrappedText::longestFittingPrefix(const QString &text, double width,
                                           const Measure &measure) {
    // Text width grows with every character, so the longest run that fits is found by
    // halving; at least one character always goes on the line.
    int lo = 1;
    int hi = int(text.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (measure(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    // Never split a surrogate pair.
    if (lo < text.size() && text.at(lo - 1).isHighSurrogate()) lo = lo > 1 ? lo - 1 : lo + 1;
    return lo;
}

QStringList PrintWrappedText::breakParagraph(const QString &paragraph, double width,
                                             const Measure &measure) {
    if (paragraph.isEmpty()) return {QString()};
    QStringList lines;
    QString rest = paragraph;
    while (!rest.isEmpty()) {
        qsizetype lastBreak = -1;
        bool overflowed = false;
        for (qsizetype i = 0; i < rest.size(); ++i) {
            if (!isBreakPoint(rest.at(i))) continue;
            if (measure(rest.left(i)) <= width) {
                lastBreak = i;
            } else {
                overflowed = true;
                break;
            }
        }
        QString line;
        if (!overflowed && measure(rest) <= width)
            line = rest;
        else if (lastBreak >= 0)
            line = rest.left(lastBreak + 1);
        else
            line = rest.left(longestFittingPrefix(rest, width, measure));
        lines.append(line);
        rest = rest.mid(line.size());
        qsizetype blanks = 0;
        while (blanks < rest.size() && rest.at(blanks) == u' ') ++blanks;
        rest = rest.mid(blanks);
    }
    return lines;
}

int PrintWrappedText::print(PrinterPage &page, const WrappedTextBox &box, double leftMargin,
                            double rightMargin, double topMargin, double bottomMargin,
                            bool selectionOnly) {
    const QString text = selectionOnly ? box.selectedText : box.text;
    if (text.isEmpty()) return 0;
    const double scaleWidth = page.scaleWidth();
    const double scaleHeight = page.scaleHeight();
    const double printableWidth = scaleWidth - leftMargin - rightMargin;
    const double printableHeight = scaleHeight - topMargin - bottomMargin;
    if (printableWidth <= 0 || printableHeight <= 0) return 0;

    page.setFont(box.font);
    const Measure measure = [&page](const QString &s) { return page.textWidth(s); };
    int printed = 0;
    for (const QString &paragraph : paragraphs(text)) {
        for (const QString &broken : breakParagraph(paragraph, printableWidth, measure)) {
            // The blank a line was broken at is not printed, so that right-aligned and
            // centred lines end exactly at their margin.
            const QString line = withoutTrailingBlanks(broken);
            const double lineHeight = page.textHeight(line);
            if (page.currentY() + lineHeight > scaleHeight - bottomMargin) {
                page.newPage();
                page.setCurrentY(topMargin);
            }
            const double lineWidth = page.textWidth(line);
            double x = leftMargin;
            if (box.alignment == TextAlign::Right)
                x = scaleWidth - rightMargin - lineWidth;
            else if (box.alignment == TextAlign::Center)
                x = leftMargin + (printableWidth - lineWidth) / 2;
            page.setCurrentX(x);
            page.print(line);
            ++printed;
        }
    }
    return printed;
}
