#pragma once
#include "platform/Messages.h"

// The program's message windows: each is relabelled by the selected language pack
// when it opens, stays on top without taking the focus and reports its answer.
class MessageWindows : public Messages
{
public:
    void show(const MessageContent &message, QObject *receiver = nullptr, Answer answered = {}) override;
};

class MessageWindow;

// A message window built by hand (one with texts of its own feature, outside the
// catalogue) shown like the catalogue's: relabelled by the selected language pack first.
MessageWindow *showRelabelled(MessageWindow *window);
// The same for a window of the catalogue that is brought forward when open instead of
// being shown twice.
MessageWindow *showRelabelledMessage(const MessageContent &message);
