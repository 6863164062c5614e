// Change log: creation date and author, replacements, then one block per change entry with
// index, date, editor, text and description.
#include "report/changelog.h"

#include "docu/Documentation.h"
#include "report/OutputDocument.h"
#include "settings/Settings.h"
#include "text/cp850.h"
#include "text/program.h"

namespace vak1 {
namespace {

// text left-aligned in a field of width characters, cut when longer.
std::string Pad(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

void WriteEntry(const OutputContext& ctx, const TChangeEntry& e, int n) {
    WriteLine(ctx, "  " + ChangeLogIndex(ctx.settings.IndexStyle, n) + "     " + Pad(e.date, 10) +
                       "   " + Pad(e.editor, 6) + "   " + Pad(e.text, 20));
    // One output line per line of the description, so page breaks and the other kinds
    // see every line.
    for (const std::string& line : DescriptionLines(e.description))
        WriteLine(ctx, " " + line);
    WriteLine(ctx, SeparatorThin(ctx.settings));
}

} // namespace

std::string ChangeLogIndex(uint16_t style, int n) {
    if (style == 1) return std::to_string(n);
    return std::string(1, static_cast<char>((style == 2 ? 'A' : 'a') + n - 1));
}

void WriteChangeLog(const OutputContext& ctx, const Documentation& docu, uint16_t kind) {
    const std::string id = std::string(kProgramTitle) + "  V" + kVersion;
    SetHeader(ctx, {id, cp850("Änderungsprotokoll"), ctx.RemarkLines[0], "", ""}, 0);
    OutputOpen(ctx, kind);
    if (ctx.dialogs.AbortFlag) return;
    const bool header = kind != odScreen;
    if (header) {
        PageHeader(ctx);
        if (ctx.dialogs.AbortFlag) {
            OutputDiscard(ctx);
            return;
        }
    }
    const TApprovalRow& prepared = docu.ApprovalRows[kPrepared];
    WriteLine(ctx, "");
    WriteLine(ctx, "Erstellungsdatum: " + Pad(prepared.date, 10) + "     " + "Erstellt von" + ": " +
                       prepared.name);
    if (!docu.ReplacementFor.empty()) {
        WriteLine(ctx, "");
        WriteLine(ctx, cp850("Ersatz für: ") + Pad(docu.ReplacementFor, 15));
    }
    if (!docu.ReplacedBy.empty()) {
        WriteLine(ctx, "");
        WriteLine(ctx, "Ersetzt durch: " + Pad(docu.ReplacedBy, 15));
    }
    WriteLine(ctx, "");
    WriteLine(ctx, Pad("Index", 6) + "  " + Pad("Datum", 10) + "   " + Pad("Bearb.", 6) + "   " +
                       Pad(cp850("Änderung"), 20));
    WriteLine(ctx, SeparatorThick(ctx.settings));
    for (int n = 1; n <= docu.ChangeCount && n <= kMaxChangeEntries; ++n)
        WriteEntry(ctx, docu.ChangeEntries[static_cast<std::size_t>(n - 1)], n);
    if (header) PageEnd(ctx);
    OutputClose(ctx);
}

} // namespace vak1
