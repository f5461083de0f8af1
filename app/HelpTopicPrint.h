#pragma once

#include <QString>

#include "app/PrintWrappedText.h"

class PrinterPage;

// The printout of a help topic: the title in Verdana 10 bold under three empty lines,
// the text wrapped between margins of 600 twips, a closing rule of underscores in
// Verdana 6, all in one document, portrait, in twips.
class HelpTopicPrint {
public:
    static constexpr double kIndent = 600;     // the title's ScaleLeft is -kIndent
    static constexpr double kTopMargin = 300;  // where the text goes on after a page break
    static constexpr double kBottomMargin = 10;
    static constexpr int kRuleLength = 59;

    // Prints the topic and ends the document. A page with no printer prints nothing.
    static void print(PrinterPage &page, const QString &title, const WrappedTextBox &text);
};
