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

}  // namespace

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
        for (const CardField &f : layout.fields()) {
            LayoutControl box;
            box.type = LayoutControl::Type::TextBox;
            box.name = CardTexts::boxName(f.field);
            box.index = k;
            box.left = origin.x() + f.left;
            box.top = origin.y() + f.top;
            box.width = f.width;
            box.height = f.height;
            box.text = CardTexts::layoutDesignText(f.field);
            box.foreColor = 0;
            box.font.name = QString::fromLatin1(f.fontName);
            box.font.size = f.fontSize;
            box.font.bold = f.bold;
            box.font.italic = f.italic;
            box.font.charset = 0;
            box.font.weight = f.bold ? 700 : 400;
            box.alignment = f.alignment;
            form.add(box);
        }
        const QList<CardLine> rules = layout.rules(k);
        for (int r = 0; r < rules.size(); ++r)
            form.add(lineControl(QStringLiteral("linRegola"), 2 * k + r, rules[r], origin));
    }
    return form;
}
