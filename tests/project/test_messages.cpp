// Pins the message list: 36-character cut, duplicates by their first 36 characters, the
// eleven-message limit, and clearing together with the calculation error.
#include <gtest/gtest.h>

#include "model/messages.h"

using namespace vak1;

TEST(Messages, DuplicatesAndCut) {
    MessageList m;
    AddMessage(m, "Schraffurfehler");
    AddMessage(m, "Schraffurfehler");
    EXPECT_EQ(m.count, 1);
    const std::string longText(50, 'x');
    AddMessage(m, longText);
    EXPECT_EQ(m[2], std::string(36, 'x'));
    AddMessage(m, std::string(36, 'x') + "different tail");
    EXPECT_EQ(m.count, 2);
}

TEST(Messages, ElevenAtMost) {
    MessageList m;
    for (int i = 1; i <= 15; ++i)
        AddMessage(m, "Meldung " + std::to_string(i));
    EXPECT_EQ(m.count, 11);
    EXPECT_EQ(m[11], "Meldung 11");
}

TEST(Messages, ClearAlsoClearsCalcError) {
    MessageList m;
    uint8_t calcError = 1;
    AddMessage(m, "Fatal  : A = 0 !");
    ClearMessages(m, calcError);
    EXPECT_EQ(m.count, 0);
    EXPECT_EQ(calcError, 0);
    AddMessage(m, "neu");
    EXPECT_EQ(m[1], "neu");
}
