#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

// Tells assistive technology something that just happened ("Scheda 3 di 10", "Trovati 4
// contatti"): the control's description says it, and an alert makes a screen reader
// speak it wherever the focus is.
inline void announce(QWidget *control, const QString &text) {
    control->setAccessibleDescription(text);
    QAccessibleEvent changed(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
