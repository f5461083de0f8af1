#pragma once

#include <QKeySequence>
#include <QList>
#include <QShortcut>
#include <QString>
#include <functional>

class QWidget;
class QPushButton;

// The keyboard side of a window: shortcuts that work wherever the focus is inside the
// window (also in an entry box that would otherwise keep the key for itself, like
// Ctrl+Home or Ctrl+Delete), the key named in a tooltip, and Enter clicking a button as
// Space does.
class WindowKeys {
public:
    // A shortcut of `window` that runs `action`; the shortcut belongs to `window`.
    static QShortcut *add(QWidget *window, const QKeySequence &key, std::function<void()> action);
    // A shortcut that clicks `button` (when it is enabled and shown) and the key named in
    // its tooltip ("Salva scheda" → "Salva scheda (Ctrl+S)", keeping the tooltip's
    // padding blanks).
    static QShortcut *addForButton(QPushButton *button, const QKeySequence &key,
                                   const QString &keyText);
    // The tooltip text with the key after it: " Salva scheda " → " Salva scheda (Ctrl+S) ".
    static QString tipWithKey(const QString &tip, const QString &keyText);
    // Every push button of the window clicks on Enter as on Space (through EnterClicks, the
    // one way the program does it).
    static void enterClicks(QWidget *window);
    // Tab visits the widgets in this order; null entries (controls a window does not
    // have) are skipped.
    static void tabChain(const QList<QWidget *> &chain);
};
