#include "app/HelpTopicPrint.h"

#include "printing/PrinterPage.h"

namespace {

void setVerdana(PrinterPage &page, double size, bool bold) {
    PageFont &font = page.font();
    font.name = QStringLiteral("Verdana");
    font.size = size;
    font.bold = bold;
    // An italic face left by an earlier printout would slant the title and the rule.
    font.italic = false;
    font.underline = false;
    font.strikethrough = false;
}

}  // namespace

void HelpTopicPrint::print(PrinterPage &page, const QString &title, const WrappedTextBox &text) {
    page.setPaper(Paper::a4());
    page.setOrientation(PrinterPage::Portrait);
    page.setScaleMode(PrinterPage::Twips);
    page.setScaleLeft(-kIndent);
    setVerdana(page, 10, true);

    for (int i = 0; i < 3; ++i) page.print(QStringLiteral(" "));
    page.print(title.trimmed());
    page.print(QString());

    page.setScaleLeft(0);
    PrintWrappedText::print(page, text, kIndent, kIndent, kTopMargin, kBottomMargin, false);

    page.setScaleLeft(-kIndent);
    page.print(QString());
    setVerdana(page, 6, false);
    page.print(QString(kRuleLength, u'_'));
    page.print(QString());

    page.endDoc();
}
