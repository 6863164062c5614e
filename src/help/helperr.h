// Showing and explaining the messages of the last calculation, and the message file with
// a cause and a remedy for each message.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "help/helptext.h"

namespace vak1 {

struct MessageList;

// Records in the message file are found by the first characters of the message.
constexpr std::size_t kMessageKeyLength = 14;

// Help numbers of the message list and the explanation window.
constexpr uint16_t kHelpMessageList = 1210;
constexpr uint16_t kHelpExplanation = 1970;
inline constexpr const char* kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

std::string MessageFilePath(const Settings& settings);
// True when noGui is set or "/NOGUI" is among the command-line parameters, in any case.
bool NoGuiRequested(bool noGui, const std::vector<std::string>& commandLine);

// The choice dialog that walks through the messages; a set help.ShowMessageList hook is
// called instead. Notes on the section (no calculation errors, code page 850) follow the
// messages; choosing one shows it whole.
void ShowMessageList(const HelpContext& help, const MessageList& messages,
                     const std::vector<std::string>& notes = {});
// The explanation window of message i (1-based), with editing of cause and remedy.
void ExplainMessage(const HelpContext& help, const MessageList& messages, uint16_t i);
// Cause and remedy of message i for printed reports, without any window.
std::string MessageCause(const Settings& settings, const MessageList& messages, uint16_t i);
std::string MessageRemedy(const Settings& settings, const MessageList& messages, uint16_t i);
// Replaces cause and remedy of the record of message m; every other byte of the file stays.
bool RewriteMessageFile(const HelpContext& help, std::string_view m, std::string_view cause,
                        std::string_view remedy);

} // namespace vak1
