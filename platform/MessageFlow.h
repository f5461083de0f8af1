#pragma once

#include <functional>

#include "platform/Message.h"

// Whoever shows the logic's messages: a window passes ui's showMessage, the terminal
// prints, a test records. It returns the user's answer.
using MessageSink = std::function<MsgAnswer(const Message &)>;

// What the logic has to say and, when that is a question, how it goes on with the answer:
// `next` takes the answer and returns what follows (nothing more when it is empty).
struct MessageFlow {
    Message message;
    std::function<MessageFlow(MsgAnswer)> next = nullptr;

    // Shows each message through `show` and hands its answer on; the last answer.
    MsgAnswer run(const MessageSink &show) const {
        MsgAnswer answer = show(message);
        for (auto step = next; step;) {
            const MessageFlow following = step(answer);
            answer = show(following.message);
            step = following.next;
        }
        return answer;
    }
};
