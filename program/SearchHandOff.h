#pragma once

#include <QString>
#include <QWidget>

#include "archive/ContactRecord.h"

// Loads a contact chosen in the search window into the window that asked for it, as its
// origin tag says: the archive window (whole contact), the card composer (all four
// formats), or the envelope composer's sender or recipient block. An unknown tag loads
// nothing. `receiver` is the window that opened the search; when it is not a window of
// the kind the tag names, the hub's open main window is used.
class SearchHandOff {
public:
    static void deliver(const QString &tag, const ContactRecord &record, int number,
                        QWidget *receiver);
};
