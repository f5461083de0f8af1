#pragma once

#include "platform/MessageFlow.h"

// Shows what the logic returned: the beep when the message asks for one, then the box
// through the platform. An empty message shows nothing and answers Ok.
MsgAnswer showMessage(const Message &message);

// Shows a message flow: each message, its answer handed to the logic's next step.
MsgAnswer showMessages(const MessageFlow &flow);
