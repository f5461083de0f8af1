#include "ui/ShowMessage.h"

#include "platform/Platform.h"

MsgAnswer showMessage(const Message &message) {
    if (message.isEmpty()) return MsgAnswer::Ok;
    Platform &platform = Platform::instance();
    if (message.beep) platform.beep();
    return platform.messageBox(message.text, message.title, message.icon, message.buttons);
}

MsgAnswer showMessages(const MessageFlow &flow) {
    return flow.run(showMessage);
}
