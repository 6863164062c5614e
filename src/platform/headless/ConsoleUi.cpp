// Unattended dialogs: report on standard error, answer nothing.
#include "platform/headless/ConsoleUi.h"

namespace vak1 {

Reply ConsoleUi::Question(const std::string& caption, const std::string& text) {
    std::fprintf(out_, "%s: %s -> Abbrechen\n", caption.c_str(), text.c_str());
    return Reply::Cancel;
}

void ConsoleUi::MessageBox(MessageKind, const std::string& caption, const std::string& text) {
    std::fprintf(out_, "%s %s\n", caption.c_str(), text.c_str());
}

} // namespace vak1
