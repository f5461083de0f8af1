#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// Keyboard reach of a window, for the window tests: the controls Tab visits, the
// controls a user acts on, and the name a screen reader speaks for each.
namespace FocusChain {

// Shows and activates the window (when it is not yet), puts the focus on its first
// control and presses Tab until the focus comes back: the controls visited, in order.
QList<QWidget *> walk(QWidget *window);

// The visible, enabled controls of the window a user acts on: buttons, editable boxes,
// lists, combos, spin boxes (read-only boxes, labels and picture-only buttons are not
// acting).
QList<QWidget *> actingControls(QWidget *window);

// The accessible name of the control, as Qt's accessibility interface gives it.
QString spokenName(QWidget *control);

// The Alt letters of the window's shown captions (buttons, box labels with a buddy,
// group titles), in the order the controls were made; a letter used twice comes twice.
QStringList altLetters(QWidget *window);

// "objectName (class)" of each control missing from `chain` or nameless, for messages:
// empty when every acting control is on the chain and has a name.
QStringList unreachableOrNameless(QWidget *window);

}  // namespace FocusChain
