#pragma once
#include "platform/Messages.h"

// The program's message windows: each is relabelled by the selected language pack
// when it opens, stays on top without taking the focus and reports its answer.
class MessageWindows : public Messages
{
public:
    void show(const MessageContent &message, QObject *receiver = nullptr, Answer answered = {}) override;
};
