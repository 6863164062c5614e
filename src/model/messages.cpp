// Adding to and emptying the message list.
#include "model/messages.h"

namespace vak1 {

void AddMessage(MessageList& list, std::string_view text) {
    std::string_view head = text.substr(0, kMessageLength);
    for (uint16_t i = 0; i < list.count; ++i)
        if (list.texts[i] == head) return;
    if (list.count >= kMaxMessages) return;
    list.texts[list.count++].assign(head);
}

void ClearMessages(MessageList& list, uint8_t& calcError) {
    list.count = 0;
    calcError = 0;
}

} // namespace vak1
