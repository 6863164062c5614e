// The help texts: the same bytes as the suite's and the program's help file; every number
// that begins a line is looked up, shown as help box and hint, with its picture drawn.
#include <set>

#include "app/outputcontext.h"
#include "fuzzsupport.h"
#include "graphics/hpgl.h"
#include "help/helptext.h"

using namespace vak1;

namespace {

// The numbers at the start of the lines, at most a dozen, and the ends of the range.
std::set<uint16_t> NumbersOf(std::string_view text) {
    std::set<uint16_t> numbers{0, 1, kFirstProgramHelp - 1, kFirstProgramHelp, 65535};
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size() && numbers.size() < 16; ++i) {
        if (lineStart && text[i] >= '0' && text[i] <= '9') {
            unsigned long n = 0;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9' && n < 100000)
                n = n * 10 + static_cast<unsigned>(text[i++] - '0');
            if (n <= 65535) numbers.insert(static_cast<uint16_t>(n));
            if (i >= text.size()) break;
        }
        lineStart = text[i] == '\n';
    }
    return numbers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::FuzzApp f;
    App& app = f.app;
    fuzz::WriteFile(fuzz::InFolder("vak1.hlp"), data, size);
    fuzz::WriteFile(fuzz::InFolder("quorven.hlp"), data, size);
    app.State.HelpPicture = [](App& a, const std::string& plt) {
        ShowHelpPicture(a.Graphics, a.Graphics.Hpgl, Dialogs(a), plt);
    };
    const HelpContext help = HelpContextOf(app);
    for (uint16_t n : NumbersOf({reinterpret_cast<const char*>(data), size})) {
        FindHelpEntry(app.Config, n);
        HelpText(app.Config, n);
        ShowHelp(help, n, HelpMode::TextAndPicture);
    }
    fuzz::ReplayAll(app.Graphics, app.Config);
    return 0;
}
