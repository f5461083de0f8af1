#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class QShortcut;
class QWidget;

// The keys a window answers wherever its focus is (Ctrl+P, F1, Escape...). A key is
// shown in the tooltip of the control that does the same ("Stampa (Ctrl+P)").
class WindowKeys {
public:
    static QShortcut *add(QWidget *window, const QKeySequence &key, std::function<void()> action,
                          QWidget *shownOn = nullptr);
    // "Stampa" and Ctrl+P give "Stampa (Ctrl+P)".
    static QString withKey(const QString &text, const QKeySequence &key);
    // What a control is called for the user: its tooltip, else its accessible name, else
    // its caption without the accelerator's mark.
    static QString nameOf(const QWidget *control);
};
