#include "cards/CardTestPage.h"

#include "cards/CardLayout.h"
#include "printing/PrinterPage.h"
#include "printing/TextFit.h"
#include "printing/Twips.h"

namespace {

PageFont smallFont(double size) {
    PageFont f;
    f.name = QStringLiteral("Arial");
    f.size = size;
    return f;
}

// Ticks every millimetre, longer every 5 and 10, numbered every centimetre.
void ruler(PrinterPage &page, bool across) {
    const double length = across ? page.scaleWidth() : page.scaleHeight();
    page.setFont(smallFont(6));
    for (int mm = 0; Twips::fromMm(mm).value() <= length; ++mm) {
        const double at = Twips::fromMm(mm).value();
        const double tick = Twips::fromMm(mm % 10 == 0 ? 3.0 : mm % 5 == 0 ? 2.0 : 1.0).value();
        if (across)
            page.line(at, 0, at, tick, Qt::black);
        else
            page.line(0, at, tick, at, Qt::black);
        if (mm % 10 == 0 && mm > 0) {
            const QString n = QString::number(mm / 10);
            page.setCurrentX(across ? at + 20 : Twips::fromMm(3.2).value());
            page.setCurrentY(across ? Twips::fromMm(3.2).value() : at - 60);
            page.print(n);
        }
    }
}

void cross(PrinterPage &page, int x, int y) {
    const int a = CardTestPage::kCrossArm;
    page.line(x - a, y, x + a, y, Qt::black);
    page.line(x, y - a, x, y + a, Qt::black);
}

}  // namespace

bool CardTestPage::print(PrinterPage &page, CardFormat format) {
    page.clearError();
    page.setPaper(Paper::a4());
    page.setOrientation(PrinterPage::Portrait);
    page.setScaleMode(PrinterPage::Twips);
    page.setScaleLeft(0);
    page.setForeColor(Qt::black);
    page.setDrawWidth(2);
    const CardLayout &layout = CardLayout::of(format);
    for (const CardLine &l : layout.cutLines()) page.line(l.x1, l.y1, l.x2, l.y2, Qt::black);
    ruler(page, true);
    ruler(page, false);
    const QRect g = layout.grid();
    for (const QPoint &p :
         {g.topLeft(), QPoint(layout.gridRight(), g.top()), QPoint(g.left(), layout.gridBottom()),
          QPoint(layout.gridRight(), layout.gridBottom())})
        cross(page, p.x(), p.y());

    // The instruction in the middle of the page, inside the second card row.
    const double width = g.width() - 400;
    double y = layout.cellOrigin(layout.columns()).y() + 200;
    PageFont font = smallFont(9);
    font.bold = true;
    for (const char *line : {kInstruction, kInstruction2}) {
        const FittedText fitted = TextFit::fit(
            QString::fromUtf8(line), font, width,
            [&page](const QString &t, const PageFont &f) { return page.textWidth(t, f); });
        page.setFont(fitted.font);
        page.setCurrentX(g.left() + 200);
        page.setCurrentY(y);
        page.print(fitted.text);
        y += 320;
        font.bold = false;
    }
    return page.endDoc();
}
