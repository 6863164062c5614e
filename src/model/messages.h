// The message list of the current calculation: at most 11 distinct short messages.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vak1 {

constexpr uint16_t kMaxMessages = 11;
constexpr std::size_t kMessageLength = 36;

struct MessageList {
    uint16_t count = 0;
    std::array<std::string, kMaxMessages> texts{}; // code page 850, each at most 36 characters

    // The slots keep their room, so a calculation adds messages without allocating.
    MessageList() {
        for (auto& t : texts)
            t.reserve(kMessageLength);
    }

    std::string_view operator[](uint16_t i) const { return texts[i - 1]; } // 1-based
};

// Adds text unless its first 36 characters are listed already or the list is full.
void AddMessage(MessageList& list, std::string_view text);
// Empties the list and clears the calculation's error flag.
void ClearMessages(MessageList& list, uint8_t& calcError);

} // namespace vak1
