#pragma once

#include "platform/Message.h"

// Shows what the logic returned: the beep when the message asks for one, then the box
// through the platform. An empty message shows nothing and answers Ok.
MsgAnswer showMessage(const Message &message);
