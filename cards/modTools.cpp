#include "cards/modTools.h"

#include "platform/VbColor.h"
#include "printing/LogoFit.h"
#include "printing/TextFit.h"

namespace modTools {

namespace {

// The printer's font takes the control's: the whole font first, then each attribute in
// turn (name, character set, bold, italic, size, strike-through, underline, weight).
void takeFont(const PageFont &from, PrinterPage &printer) {
    printer.setFont(from);
    PageFont &f = printer.font();
    f.name = from.name;
    f.charset = from.charset;
    f.bold = from.bold;
    f.italic = from.italic;
    f.size = from.size;
    f.strikethrough = from.strikethrough;
    f.underline = from.underline;
    f.weight = from.weight;
}

// CurrentX by alignment, in single precision as the page's layout arithmetic has it.
void placeText(const LayoutControl &c, const QString &text, PrinterPage &printer) {
    switch (c.alignment) {
        case 0:
            printer.setCurrentX(c.left);
            break;
        case 1:
            printer.setCurrentX(float(c.left) + float(c.width) - float(printer.textWidth(text)));
            break;
        case 2:
            printer.setCurrentX(float(c.left) +
                                (float(c.width) - float(printer.textWidth(text))) / 2.0f);
            break;
        default:
            break;  // CurrentX keeps its value
    }
    printer.setCurrentY(c.top);
}

}  // namespace

void FormPrinter(const LayoutForm &form, PrinterPage &printer) {
    for (const LayoutControl &control : form.controls) PrintControl(control, printer);
    printer.endDoc();
}

void PrintControl(const LayoutControl &control, PrinterPage &printer) {
    switch (control.type) {
        case LayoutControl::Type::Line:
            PrintLine(control, printer, kPenValue);
            break;
        case LayoutControl::Type::TextBox:
            PrintTextBox(control, printer);
            break;
        case LayoutControl::Type::Label:
            PrintLabel(control, printer);
            break;
        case LayoutControl::Type::PictureBox:
            PrintPictureBox(control, printer);
            break;
        case LayoutControl::Type::Image:
            PrintImage(control, printer);
            break;
        case LayoutControl::Type::Shape:
        case LayoutControl::Type::Other:
            break;
    }
}

void PrintTextBox(const LayoutControl &box, PrinterPage &printer) {
    printer.setForeColor(VbColor::toColor(box.foreColor));
    takeFont(box.font, printer);
    // A text wider than its box shrinks to fit it, or is cut at its edge.
    const FittedText fitted = TextFit::fit(
        box.text, printer.font(), box.width,
        [&printer](const QString &t, const PageFont &f) { return printer.textWidth(t, f); });
    printer.font().size = fitted.font.size;
    placeText(box, fitted.text, printer);
    printer.print(fitted.text);
}

void PrintLabel(const LayoutControl &label, PrinterPage &printer) {
    printer.setForeColor(VbColor::toColor(label.foreColor));
    printer.setFontTransparent(label.backStyle == 0);
    takeFont(label.font, printer);
    placeText(label, label.text, printer);
    printer.print(label.text);
}

void PrintPictureBox(const LayoutControl &box, PrinterPage &printer) {
    // The picture itself, at its own resolution, fitted into the box at its top-left.
    const double unit = printer.unitTwips();
    const QSizeF fitted =
        LogoFit::sizeInBox(box.picture, QSizeF(box.width * unit, box.height * unit)) / unit;
    if (fitted.isEmpty()) return;
    printer.paintPicture(box.picture, box.left, box.top, fitted.width(), fitted.height());
}

void PrintImage(const LayoutControl &image, PrinterPage &printer) {
    printer.paintPicture(image.picture, image.left, image.top, image.width, image.height);
}

void PrintLine(const LayoutControl &line, PrinterPage &printer, qint16 penValue) {
    printer.setDrawWidth(penValue);
    printer.line(line.x1, line.y1, line.x2, line.y2, VbColor::toColor(0));
}

}  // namespace modTools
