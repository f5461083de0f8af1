#include "cards/LayoutForm.h"

#include "cards/CardLayout.h"
#include "cards/CardTexts.h"

LayoutControl &LayoutForm::add(const LayoutControl &control) {
    controls.append(control);
    return controls.last();
}

LayoutControl *LayoutForm::control(const QString &name, int index) {
    for (LayoutControl &c : controls)
        if (c.index == index && c.name == name) return &c;
    return nullptr;
}

const LayoutControl *LayoutForm::control(const QString &name, int index) const {
    return const_cast<LayoutForm *>(this)->control(name, index);
}

int LayoutForm::count(const QString &name) const {
    int n = 0;
    for (const LayoutControl &c : controls)
        if (c.name == name) ++n;
    return n;
}

namespace {

LayoutControl lineControl(const QString &name, int index, const CardLine &l, QPoint origin) {
    LayoutControl c;
    c.type = LayoutControl::Type::Line;
    c.name = name;
    c.index = index;
    c.x1 = origin.x() + l.x1;
    c.y1 = origin.y() + l.y1;
    c.x2 = origin.x() + l.x2;
    c.y2 = origin.y() + l.y2;
    return c;
}

LayoutControl fieldControl(const CardField &f, int index, QPointF at, double scale) {
    LayoutControl box;
    box.type = LayoutControl::Type::TextBox;
    box.name = CardTexts::boxName(f.field);
    box.index = index;
    box.left = at.x();
    box.top = at.y();
    box.width = f.width * scale;
    box.height = f.height * scale;
    box.text = CardTexts::layoutDesignText(f.field);
    box.foreColor = 0;
    box.font.name = QString::fromLatin1(f.fontName);
    box.font.size = f.fontSize * scale;
    box.font.bold = f.bold;
    box.font.italic = f.italic;
    box.font.charset = 0;
    box.font.weight = f.bold ? 700 : 400;
    box.alignment = f.alignment;
    return box;
}

}  // namespace

LayoutForm LayoutForm::forSheet(const CardSheet &sheet) {
    if (sheet.isPlain()) return forCards(sheet.format());
    const CardLayout &layout = CardLayout::of(sheet.format());
    const double s = sheet.scale();
    LayoutForm form;
    form.name = layout.formName();
    for (int k = 0; k < sheet.cards(); ++k) {
        if (layout.logo()) {
            LayoutControl logo;
            logo.type = LayoutControl::Type::PictureBox;
            logo.name = QStringLiteral("picLogo");
            logo.index = k;
            const QPointF at = sheet.place(k, layout.logo()->topLeft());
            logo.left = at.x();
            logo.top = at.y();
            logo.width = layout.logo()->width() * s;
            logo.height = layout.logo()->height() * s;
            form.add(logo);
        }
        for (const CardField &f : layout.fields())
            form.add(fieldControl(f, k, sheet.place(k, QPointF(f.left, f.top)), s));
        // Every card of a stock carries the design's own rules.
        const QList<CardLine> rules = layout.rules(0);
        for (int r = 0; r < rules.size(); ++r) {
            LayoutControl c;
            c.type = LayoutControl::Type::Line;
            c.name = QStringLiteral("linRegola");
            c.index = 2 * k + r;
            const QPointF a = sheet.place(k, QPointF(rules[r].x1, rules[r].y1));
            const QPointF b = sheet.place(k, QPointF(rules[r].x2, rules[r].y2));
            c.x1 = a.x();
            c.y1 = a.y();
            c.x2 = b.x();
            c.y2 = b.y();
            form.add(c);
        }
    }
    return form;
}

LayoutForm LayoutForm::forCards(CardFormat format) {
    const CardLayout &layout = CardLayout::of(format);
    LayoutForm form;
    form.name = layout.formName();

    const QList<CardLine> cuts = layout.cutLines();
    for (int i = 0; i < cuts.size(); ++i)
        form.add(lineControl(QStringLiteral("linTaglio"), i, cuts[i], QPoint()));

    for (int k = 0; k < layout.cards(); ++k) {
        const QPoint origin = layout.cellOrigin(k);
        if (layout.logo()) {
            LayoutControl logo;
            logo.type = LayoutControl::Type::PictureBox;
            logo.name = QStringLiteral("picLogo");
            logo.index = k;
            const QRect r = layout.logo()->translated(origin);
            logo.left = r.left();
            logo.top = r.top();
            logo.width = r.width();
            logo.height = r.height();
            form.add(logo);
        }
        for (const CardField &f : layout.fields())
            form.add(fieldControl(f, k, QPointF(origin.x() + f.left, origin.y() + f.top), 1.0));
        const QList<CardLine> rules = layout.rules(k);
        for (int r = 0; r < rules.size(); ++r)
            form.add(lineControl(QStringLiteral("linRegola"), 2 * k + r, rules[r], origin));
    }
    return form;
}
