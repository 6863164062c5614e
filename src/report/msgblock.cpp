// The message block of printed reports: each message of the last calculation with its
// cause and remedy, long texts wrapped for the text kinds.
#include "app/App.h"
#include "help/helperr.h"
#include "report/OutputDocument.h"

namespace vak1 {
namespace {

constexpr std::size_t kWrapFrom = 73;
constexpr std::size_t kPieceLength = 64;
constexpr std::size_t kBreakWithin = 63;

void WriteMessageText(App& app, const std::string& text) {
    if (text.empty()) return;
    if (app.Output.Kind == odHtml) {
        OpenHtmlTable(app);
        WriteRawLine(app, "<TR><TD>" + HtmlEscape(text) + "</TD></TR>");
        return;
    }
    for (const auto& piece : WrapMessageText(text))
        WriteLine(app, piece);
}

} // namespace

std::vector<std::string> WrapMessageText(std::string_view text) {
    if (text.size() < kWrapFrom) return {std::string(text)};
    std::vector<std::string> pieces;
    while (text.size() > kPieceLength) {
        const auto blank = text.substr(0, kBreakWithin).find_last_of(' ');
        const std::size_t cut = blank == std::string_view::npos ? kPieceLength : blank + 1;
        pieces.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
    }
    if (!text.empty()) pieces.emplace_back(text);
    return pieces;
}

void WriteMessageBlock(App& app) {
    const MessageList& list = app.Messages;
    if (list.count == 0) return;
    OutputDocument& d = app.Output;
    const Settings& s = app.Config;
    WriteRawLine(app, "");
    WriteLine(app, "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
    if (!IsTabKind(d.Kind)) {
        WriteLine(app, SeparatorThick(s));
        WriteRawLine(app, "");
        WriteLine(app, SeparatorThin(s));
    }
    if (d.Kind == odHtml) OpenHtmlTable(app);
    for (uint16_t i = 1; i <= list.count; ++i) {
        const std::string message(list[i]);
        const std::string cause = MessageCause(app, i);
        const std::string remedy = MessageRemedy(app, i);
        if (IsTabKind(d.Kind)) {
            WriteRawLine(app, (message + "\t").substr(0, 37) + cause + "\t" + remedy);
            continue;
        }
        WriteMessageText(app, message);
        WriteMessageText(app, cause);
        WriteMessageText(app, remedy);
        if (d.Kind == odHtml) {
            CloseHtmlTable(app);
            WriteRawLine(app, "");
            OpenHtmlTable(app);
        } else if (s.SeparatorStyle != 4) {
            WriteLine(app, SeparatorThin(s));
        }
    }
    if (d.Kind == odHtml) CloseHtmlTable(app);
}

} // namespace vak1
