#pragma once

#include <QString>

#include "platform/Platform.h"  // the icons, buttons and answers of a box

// What the user is told or asked: the logic returns it, a window shows it (with
// ui/ShowMessage) and the terminal prints its text. An empty text means "nothing to say".
struct Message {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    bool beep = false;  // the beep sounds before the box opens

    bool isEmpty() const { return text.isEmpty(); }
};
