#pragma once

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <QString>

// A link of the information windows: underlined text in the link colour, with no button
// frame, that takes the focus and answers Space and Enter like a button.
class LinkButton {
public:
    static QPushButton *make(QWidget *parent, const QString &name, const QString &text, QRect place,
                             const QColor &colour);
    // The link's text colour (the palette roles its text is drawn with).
    static void setColour(QPushButton *link, const QColor &colour);
};
