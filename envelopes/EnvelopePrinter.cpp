#include "envelopes/EnvelopePrinter.h"

#include "envelopes/EnvelopeLayout.h"
#include "envelopes/OrientationWord.h"
#include "platform/HourglassCursor.h"
#include "platform/PrinterPage.h"

namespace {

PageFont blockFont(double size) {
    PageFont f;
    f.name = QString::fromLatin1(EnvelopePrinter::kFontName);
    f.size = size;
    f.bold = true;
    f.italic = false;
    f.underline = false;
    f.strikethrough = false;
    return f;
}

QColor colourOf(EnvelopeLayout::Colour c, const EnvelopeContent &content) {
    switch (c) {
        case EnvelopeLayout::Colour::Title:
            return content.titleColour;
        case EnvelopeLayout::Colour::Subtitle:
            return content.subtitleColour;
        case EnvelopeLayout::Colour::Black:
            break;
    }
    return QColor(Qt::black);
}

}  // namespace

bool EnvelopePrinter::print(const EnvelopeContent &content, PrinterPage &page) {
    page.clearError();
    if (const auto o = OrientationWord::printerOrientation(content.orientation))
        page.setOrientation(*o);
    HourglassCursor hourglass;
    page.setScaleMode(PrinterPage::Centimeters);
    const EnvelopeLayout::Origins o = EnvelopeLayout::origins(content);

    page.print(QString());
    if (!page.ok()) return false;
    page.paintPicture(content.logo, o.sx, o.sy);
    page.setFont(blockFont(10));

    bool recipientStarted = false;
    const auto &lines = EnvelopeLayout::lines();
    for (int i = 0; i < EnvelopeLayout::kLineCount; ++i) {
        const EnvelopeLayout::Line &line = lines[i];
        const bool sender = line.block == EnvelopeLayout::Block::Sender;
        if (!sender && !recipientStarted) {
            page.setFont(blockFont(12));
            recipientStarted = true;
        }
        page.font().size = line.size;
        if (line.colour) page.setForeColor(colourOf(*line.colour, content));
        if (line.bold) page.font().bold = *line.bold;
        page.setCurrentX((sender ? o.sx : o.rx) + EnvelopeLayout::kTextIndent);
        page.setCurrentY((sender ? double(o.sy) : double(o.ry)) + line.dy);
        page.print(EnvelopeLayout::lineText(content, i));
    }
    return page.endDoc();
}
