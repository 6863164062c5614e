// The message file: the first lines of the bytes become the messages of a calculation; each
// is looked up for the report, explained, edited and written back into the file.
#include "app/outputcontext.h"
#include "fuzzsupport.h"
#include "help/helperr.h"
#include "model/messages.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::FuzzApp f;
    App& app = f.app;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::WriteFile(MessageFilePath(app.Config), data, size);
    for (std::size_t at = 0; at < text.size() && app.Messages.count < kMaxMessages;) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        AddMessage(app.Messages, text.substr(at, end - at));
        at = end + 1;
    }
    AddMessage(app.Messages, "keine solche Meldung");
    const HelpContext help = HelpContextOf(app);
    for (uint16_t i = 1; i <= app.Messages.count; ++i) {
        MessageCause(app.Config, app.Messages, i);
        MessageRemedy(app.Config, app.Messages, i);
        f.ui.Push(ScriptedAnswer::Edit("Ursache " + std::to_string(i), "Abhilfe"));
        f.ui.Push(ScriptedAnswer::Answer(Reply::Yes));
        app.State.AbortFlag = 0;
        ExplainMessage(help, app.Messages, i);
    }
    return 0;
}
