// The message block of printed reports: each message of the last calculation with its
// cause and remedy, long texts wrapped for the text kinds.
#include "help/helperr.h"
#include "model/messages.h"
#include "settings/Settings.h"
#include "report/OutputDocument.h"

namespace vak1 {
namespace {

constexpr std::size_t kWrapFrom = 73;
constexpr std::size_t kPieceLength = 64;
constexpr std::size_t kBreakWithin = 63;

void WriteMessageText(const OutputContext& ctx, const std::string& text) {
    if (text.empty()) return;
    if (ctx.doc.Kind == odHtml) {
        OpenHtmlTable(ctx);
        WriteRawLine(ctx, "<TR><TD>" + HtmlEscape(text) + "</TD></TR>");
        return;
    }
    WriteWrappedLines(ctx, text);
}

} // namespace

void WriteWrappedLines(const OutputContext& ctx, std::string_view text) {
    for (const auto& piece : WrapMessageText(text))
        WriteLine(ctx, piece);
}

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

void WriteMessageBlock(const OutputContext& ctx, const MessageList& list) {
    if (list.count == 0) return;
    OutputDocument& d = ctx.doc;
    const Settings& s = ctx.settings;
    WriteRawLine(ctx, "");
    WriteLine(ctx, "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
    if (!IsTabKind(d.Kind)) {
        WriteLine(ctx, SeparatorThick(s));
        WriteRawLine(ctx, "");
        WriteLine(ctx, SeparatorThin(s));
    }
    if (d.Kind == odHtml) OpenHtmlTable(ctx);
    for (uint16_t i = 1; i <= list.count; ++i) {
        const std::string message(list[i]);
        const std::string cause = MessageCause(s, list, i);
        const std::string remedy = MessageRemedy(s, list, i);
        if (IsTabKind(d.Kind)) {
            WriteRawLine(ctx, (message + "\t").substr(0, 37) + cause + "\t" + remedy);
            continue;
        }
        WriteMessageText(ctx, message);
        WriteMessageText(ctx, cause);
        WriteMessageText(ctx, remedy);
        if (d.Kind == odHtml) {
            CloseHtmlTable(ctx);
            WriteRawLine(ctx, "");
            OpenHtmlTable(ctx);
        } else if (s.SeparatorStyle != 4) {
            WriteLine(ctx, SeparatorThin(s));
        }
    }
    if (d.Kind == odHtml) CloseHtmlTable(ctx);
}

} // namespace vak1
