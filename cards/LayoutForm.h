#pragma once

#include <QList>
#include <QString>

#include "cards/CardFormat.h"
#include "cards/CardSheet.h"
#include "cards/LayoutControl.h"

// A form that is never shown: a white page whose controls are placed in twips. The
// card sheets are layout forms built from their CardLayout; the form printer draws any
// layout form control by control, in the order of `controls`.
class LayoutForm {
public:
    LayoutForm() = default;
    // The layout form of a card format in its design state: every card's fields with
    // their design texts in black, empty logo boxes, the card rules and the cut guides.
    static LayoutForm forCards(CardFormat format);
    // The layout form of a format on a sheet: on the plain sheet forCards(); on stock
    // every card of the stock with the format's design scaled and centred in it (fields,
    // fonts, logo box and rules alike), and no cut guide.
    static LayoutForm forSheet(const CardSheet &sheet);

    QString caption = QStringLiteral("Form1");
    QString name;
    QList<LayoutControl> controls;

    LayoutControl &add(const LayoutControl &control);
    // Element `index` of the control array `name`; nullptr when there is none.
    LayoutControl *control(const QString &name, int index = -1);
    const LayoutControl *control(const QString &name, int index = -1) const;
    // How many elements the control array `name` has.
    int count(const QString &name) const;
};
