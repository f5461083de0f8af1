#include "labels/LabelSheetPrinter.h"

#include "envelopes/EnvelopePrinter.h"
#include "labels/RecipientLines.h"
#include "printing/PrinterPage.h"
#include "printing/TextFit.h"
#include "printing/Twips.h"

namespace {

PageFont blockFont(double size, bool bold) {
    PageFont f;
    f.name = QString::fromLatin1(EnvelopePrinter::kFontName);
    f.size = size;
    f.bold = bold;
    return f;
}

double mmToTwips(double mm) {
    return Twips::fromMm(mm).value();
}

}  // namespace

LabelSheetPrinter::LabelSheetPrinter(PrinterPage &page, const LabelLayout &layout, int firstLabel)
    : m_page(page), m_layout(layout) {
    m_next = (firstLabel >= 1 && firstLabel <= layout.labels()) ? firstLabel - 1 : 0;
    m_page.clearError();
    m_page.setPaper(Paper::a4());
    m_page.setOrientation(PrinterPage::Portrait);
    m_page.setScaleMode(PrinterPage::Twips);
    m_page.setScaleLeft(0);
    m_page.setForeColor(Qt::black);
    m_page.setFontTransparent(true);
}

void LabelSheetPrinter::setProgress(ProgressCallback progress, int pages) {
    m_progress = std::move(progress);
    m_pages = pages;
}

int LabelSheetPrinter::sheetsFor(const LabelLayout &layout, int labels, int firstLabel) {
    if (labels <= 0) return 0;
    const int skipped = (firstLabel >= 1 && firstLabel <= layout.labels()) ? firstLabel - 1 : 0;
    return (skipped + labels + layout.labels() - 1) / layout.labels();
}

bool LabelSheetPrinter::startSheet() {
    if (m_progress && !m_progress({m_sheet + 1, m_pages})) {
        m_cancelled = true;
        return false;
    }
    if (m_sheet > 0) {
        m_page.newPage();
        m_next = 0;
    }
    ++m_sheet;
    return m_page.ok();
}

bool LabelSheetPrinter::add(const ContactRecord &record) {
    if (m_cancelled || !m_page.ok()) return false;
    if (m_sheet == 0 || m_next >= m_layout.labels())
        if (!startSheet()) return false;
    drawBlock(m_page, m_layout.labelRect(m_next), RecipientLines::compact(record),
              RecipientLines::hasName(record));
    ++m_next;
    ++m_printed;
    return m_page.ok();
}

bool LabelSheetPrinter::finish() {
    const bool drawn = m_page.ok();
    return m_page.endDoc() && drawn;
}

void LabelSheetPrinter::drawBlock(PrinterPage &page, const QRectF &labelMm,
                                  const QStringList &lines, bool firstIsName) {
    const PageFont nameFont = blockFont(kNameSize, true);
    const PageFont lineFont = blockFont(kLineSize, false);
    const auto measure = [&page](const QString &text, const PageFont &font) {
        const PageFont kept = page.font();
        page.setFont(font);
        const double w = page.textWidth(text);
        page.setFont(kept);
        return w;
    };
    auto heightOf = [&page](const PageFont &font) {
        page.setFont(font);
        return page.textHeight();
    };
    const double nameHeight = heightOf(nameFont);
    const double lineHeight = heightOf(lineFont);

    double blockHeight = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        blockHeight += (i == 0 && firstIsName) ? nameHeight : lineHeight;
    const double width = mmToTwips(labelMm.width() - 2 * kInset);
    const double x = mmToTwips(labelMm.left() + kInset);
    double y = mmToTwips(labelMm.top()) + (mmToTwips(labelMm.height()) - blockHeight) / 2;

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool name = i == 0 && firstIsName;
        const FittedText fitted =
            TextFit::fit(lines.at(i), name ? nameFont : lineFont, width, measure);
        page.setFont(fitted.font);
        page.setCurrentX(x);
        page.setCurrentY(y);
        page.print(fitted.text);
        y += name ? nameHeight : lineHeight;
    }
}
