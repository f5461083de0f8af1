#include "envelopes/EnvelopePrinter.h"

#include "envelopes/EnvelopeLayout.h"
#include "envelopes/OrientationWord.h"
#include "envelopes/SenderLogo.h"
#include "platform/HourglassCursor.h"
#include "printing/LogoFit.h"
#include "printing/PrinterPage.h"
#include "printing/TextFit.h"
#include "printing/Twips.h"

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
    page.setPaper(content.paper);
    if (const auto o = OrientationWord::printerOrientation(content.orientation))
        page.setOrientation(*o);
    HourglassCursor hourglass;
    page.setScaleMode(PrinterPage::Centimeters);
    const EnvelopeLayout::Origins o = EnvelopeLayout::origins(content);

    page.print(QString());
    if (!page.ok()) return false;
    // The logo no larger than the composer's box shows it.
    const QSizeF logo =
        LogoFit::sizeInBox(content.logo,
                           QSizeF(Twips::fromScreenPixels(SenderLogo::kWidth).value(),
                                  Twips::fromScreenPixels(SenderLogo::kHeight).value())) /
        page.unitTwips();
    if (!logo.isEmpty()) page.paintPicture(content.logo, o.sx, o.sy, logo.width(), logo.height());
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
        const double x = (sender ? o.sx : o.rx) + EnvelopeLayout::kTextIndent.value();
        page.setCurrentX(x);
        page.setCurrentY((sender ? double(o.sy) : double(o.ry)) + line.dy.value());
        // A line that would pass the envelope's right edge shrinks, or is cut there.
        const FittedText fitted = TextFit::fit(
            EnvelopeLayout::lineText(content, i), page.font(), page.scaleWidth() - x,
            [&page](const QString &t, const PageFont &f) { return page.textWidth(t, f); });
        page.font().size = fitted.font.size;
        page.print(fitted.text);
    }
    return page.endDoc();
}
