#pragma once

#include "cards/LayoutForm.h"
#include "printing/PrinterPage.h"

// The form printer: draws every control of a layout form on the printer page at the
// control's own position and size, with its own font and colour, and ends the document.
// One call, one printed page. Coordinates go to the page unchanged (the caller sets the
// scale); the page keeps whatever was last set here (colour, font, transparency, pen,
// current point) until it is set again.
namespace modTools {

// Pen width given to every line: 5 printer pixels at 600 dots per inch, about 0.2 mm,
// so that the cut guides and card rules show on paper.
inline constexpr int kPenValue = 5;

void FormPrinter(const LayoutForm &form, PrinterPage &printer);
// Draws one control by its type: line, text box, label, picture box, image; any other
// type (shapes, buttons, frames) is skipped. Hidden controls are drawn too.
void PrintControl(const LayoutControl &control, PrinterPage &printer);
void PrintTextBox(const LayoutControl &box, PrinterPage &printer);
void PrintLabel(const LayoutControl &label, PrinterPage &printer);
void PrintPictureBox(const LayoutControl &box, PrinterPage &printer);
void PrintImage(const LayoutControl &image, PrinterPage &printer);
void PrintLine(const LayoutControl &line, PrinterPage &printer, qint16 penValue);

}  // namespace modTools
