#include "app/PrintWrappedText.h"

#include <algorithm>

#include "printing/PrinterPage.h"

namespace {

// Shorter than any line that fits on paper: measuring it whole costs less than searching.
constexpr int kShortText = 512;

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
    // Text width grows with every character. Doubling finds a run that no longer fits
    // (never measuring much more than one line), halving then finds the longest one that
    // does; at least one character always goes on the line.
    const int size = int(text.size());
    // A short text is measured whole first: most of the time it is a paragraph's last line.
    if (size <= kShortText && measure(text) <= width) return size;
    int lo = 1;
    int hi = 1;
    while (hi < size && measure(text.left(hi)) <= width) {
        lo = hi;
        hi = std::min(size, hi * 2);
    }
    if (hi == size && measure(text) <= width) return size;
    // Here the first `lo` characters fit (or lo is 1) and the first `hi` do not.
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (measure(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid;
    }
    // Never split a surrogate pair.
    if (lo < size && text.at(lo - 1).isHighSurrogate()) lo = lo > 1 ? lo - 1 : lo + 1;
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
        if (overflowed && lastBreak >= 0) {
            line = rest.left(lastBreak + 1);
        } else {
            // No break point left over the line: the whole rest if it fits, else up to the
            // last break point, else as many characters as fit.
            const int fitting = longestFittingPrefix(rest, width, measure);
            if (fitting == rest.size())
                line = rest;
            else if (lastBreak >= 0)
                line = rest.left(lastBreak + 1);
            else
                line = rest.left(fitting);
        }
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
