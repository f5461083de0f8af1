#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/BrowseDirection.h"

// The four browse buttons (first, previous, next, last) and the position label between
// them, shared by every window that walks through the archive. Each window keeps its own
// look and places (a `Look`); the bar carries the browse keys (Page Up / Page Down,
// Ctrl+Home / Ctrl+End, for the whole window), shows them in the tooltips and gives every
// button its spoken name.
class BrowseBar : public QWidget {
    Q_OBJECT
public:
    struct Look {
        // Places inside the window's panel.
        QRect first, previous, label, next, last;
        // Pictures of the artwork (nav_primo.svg...) at this size, or the short captions
        // "|<", "<", ">", ">|" when the size is empty.
        QSize iconSize;
        QString labelStyle;
        Qt::Alignment labelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        // Tooltips keep the window's padding: " Prima scheda (Ctrl+Inizio) " or without.
        bool paddedTips = true;
    };

    BrowseBar(QWidget *panel, const Look &look);

    QPushButton *first() const { return m_buttons[0]; }
    QPushButton *previous() const { return m_buttons[1]; }
    QPushButton *next() const { return m_buttons[2]; }
    QPushButton *last() const { return m_buttons[3]; }
    QLabel *position() const { return m_position; }

    // Tells assistive technology the record now shown: "Scheda 3 di 10" (the position
    // label keeps its number as its text).
    void announce(int number, int count);

    // Turns the browse keys of the window on or off (off while the window has something
    // else to do with them).
    void setKeysEnabled(bool enabled);

signals:
    // A button was clicked or its key pressed.
    void browse(BrowseDirection direction);

private:
    QPushButton *m_buttons[4] = {};
    QLabel *m_position = nullptr;
    QList<class QShortcut *> m_keys;
};
