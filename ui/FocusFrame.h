#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

// The frame that shows which control has the keyboard focus: a 2-px border in a strong
// orange drawn over the focused control, whatever its own look (style sheets, flat
// picture buttons, the dark button bars). One frame serves the whole program: it moves
// to each control that takes the focus and hides when the focus leaves the program.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2;
    // Contrast of at least 3:1 both on white and on the dark blue bars.
    static QColor colour() { return QColor(0xE6, 0x51, 0x00); }

    // Starts following the focus (once per program; later calls do nothing).
    static void install();
    // The frame around the focused control, or null while no control has the focus.
    static FocusFrame *current();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusFrame(QWidget *control);
    static void follow(QWidget *now);
    static QPointer<FocusFrame> s_frame;
};
