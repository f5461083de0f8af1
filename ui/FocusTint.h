#pragma once

#include <QColor>
#include <QObject>

class QWidget;

// Gives an entry box its focus colour while it has the focus: on focus-in the box's
// background becomes the colour, on focus-out it gets back the background it had.
class FocusTint : public QObject {
    Q_OBJECT
public:
    // The pale yellow of the archive's and the search's boxes.
    static QColor paleYellow() { return QColor(255, 255, 192); }
    // The stronger yellow of the composers' boxes.
    static QColor yellow() { return QColor(255, 255, 128); }

    // Tints `box` with `colour` whenever it has the focus (the tint belongs to the box).
    static void install(QWidget *box, const QColor &colour);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FocusTint(QWidget *box, const QColor &colour);
    QColor m_colour;
    QColor m_before;
    bool m_tinted = false;
};
