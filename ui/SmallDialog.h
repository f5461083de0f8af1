#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

// The frame shared by the program's small modal windows (information, about, help, VAT
// check, e-mail, exports, import, labels, margins, backup): the window's object name and
// caption, modal, a fixed size when one is given (a window that lays itself out first
// fixes its size later), and its own background, kept off its children by the object
// name. Escape closes it as Cancel does (QDialog's own key).
class SmallDialog : public QDialog {
    Q_OBJECT
public:
    enum class Background {
        None,     // the desktop's window colour
        Plain,    // the pale blue-grey of the information windows
        Gradient  // the soft top-to-bottom gradient of the program's panels
    };

protected:
    SmallDialog(const QString &name, const QString &caption, QSize size, Background background,
                QWidget *parent);
};
