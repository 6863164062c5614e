// Generic dialogs on top of the Ui interface: parsing, range checks, code-page conversion.
#include "dialogs/dialogs.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/parse.h"
#include "platform/Ui.h"
#include "text/formats.h"
#include "text/cp850.h"
#include "text/program.h"

namespace vak1 {
namespace {

std::string Disp(const DialogContext& d, std::string_view text) {
    return DisplayText(d.style, text);
}

// Message boxes have no help buttons; they show no help number.
Ui& UiOf(const DialogContext& d) {
    return DialogUi(d, 0);
}

constexpr std::size_t kValueLength = 30;
constexpr std::size_t kIntegerLength = 12;

// One pass of a number dialog: false when cancelled.
bool AskNumberText(const DialogContext& d, uint16_t help, std::string_view prompt,
                   std::size_t maxLength, std::string& text) {
    UiOf(d).numberInput = true;
    InputText(d, help, prompt, maxLength, text);
    UiOf(d).numberInput = false;
    return !d.AbortFlag;
}

std::string Quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out.append(text);
    out += '"';
    return out;
}

} // namespace

Ui& DialogUi(const DialogContext& d, uint16_t help) {
    d.ui.helpNumber = help;
    return d.ui;
}

std::string DisplayText(const NumberStyle& style, std::string_view text) {
    return ToDisplay(text, style.PlainCharacters == UnitCharacters::Plain);
}

std::string FieldText(std::string_view text) {
    if (text.size() >= kMaxConvertedText) return {};
    return Cp850ToUtf8(text);
}

std::string FieldValue(std::string_view utf8) {
    std::string text = cp850(utf8);
    if (text.size() >= kMaxConvertedText) return {};
    return text;
}

void InputText(const DialogContext& d, uint16_t help, std::string_view prompt,
               std::size_t maxLength, std::string& text) {
    std::string shown = FieldText(text);
    if (!DialogUi(d, help).InputTextDialog("Eingabe", Disp(d, prompt), maxLength, shown)) {
        d.AbortFlag = 1;
        return;
    }
    std::string back = FieldValue(shown);
    if (back.size() > maxLength) back.resize(maxLength);
    text = back;
}

// The number dialogs' loop: offer the value, parse a changed text, refuse what is not a
// number or lies outside [min, max], and ask again until a valid value or a cancel.
template <typename T, typename Format, typename Parse>
void InputNumber(const DialogContext& d, uint16_t help, std::string_view prompt,
                 std::size_t maxLength, T& value, T min, T max, Format format, Parse parse) {
    const T atEntry = value;
    T current = value;
    for (;;) {
        const std::string offered = format(current);
        std::string text = offered;
        if (!AskNumberText(d, help, prompt, maxLength, text)) return;
        if (text != offered) {
            const auto n = parse(text);
            if (!n.valid) {
                ShowInvalidEntry(d, text);
                current = atEntry;
                continue;
            }
            current = static_cast<T>(n.value);
        }
        if (current < min || current > max) {
            ShowRangeError(d, format(min), format(max));
            continue;
        }
        value = current;
        return;
    }
}

void InputValue(const DialogContext& d, uint16_t help, std::string_view prompt, long double& value,
                long double min, long double max) {
    const NumberStyle& s = d.style;
    InputNumber(
        d, help, prompt, kValueLength, value, min, max,
        [&s](long double x) { return FormatSignificant(s, x); }, ParseNumber);
}

void InputLength(const DialogContext& d, uint16_t help, std::string_view prompt, long double& value,
                 long double min, long double max) {
    if (d.style.EnglishUnits != Units::English) {
        InputValue(d, help, std::string(prompt) + " [mm]", value, min, max);
        return;
    }
    const long double offered = value * kMmToInch;
    long double inch = offered;
    InputValue(d, help, std::string(prompt) + " [inch]", inch, min * kMmToInch, max * kMmToInch);
    if (d.AbortFlag || inch == offered) return; // unchanged keeps the exact mm value
    // The bounds were checked in inch; rounding back must not carry the value past them.
    value = std::clamp(inch * kInchToMm, min, max);
}

void InputInteger(const DialogContext& d, uint16_t help, std::string_view prompt, long& value,
                  long a, long b) {
    if (a > b) std::swap(a, b);
    InputNumber(
        d, help, prompt, kIntegerLength, value, a, b, [](long x) { return std::to_string(x); },
        ParseInteger);
}

void InputChoice(const DialogContext& d, uint16_t help, std::string_view prompt,
                 const std::vector<std::string>& lines, uint16_t& choice) {
    const auto n = static_cast<uint16_t>(lines.size());
    if (choice == 0 || choice > n) choice = 1;
    std::vector<std::string> shown;
    shown.reserve(lines.size());
    for (const auto& l : lines)
        shown.push_back(Disp(d, l));
    int picked = choice;
    if (!DialogUi(d, help).ChoiceDialog("Auswahl", Disp(d, prompt), shown, n > 7, picked)) {
        d.AbortFlag = 1;
        return;
    }
    if (picked >= 1 && picked <= n) choice = static_cast<uint16_t>(picked);
}

void InputChoice(const DialogContext& d, uint16_t help, std::string_view prompt,
                 const std::vector<std::string>& table, uint16_t n, uint16_t& choice) {
    n = static_cast<uint16_t>(std::min<std::size_t>(n, table.size()));
    std::vector<std::string> lines(table.begin(), table.begin() + n);
    InputChoice(d, help, prompt, lines, choice);
}

void InputYesNo(const DialogContext& d, uint16_t help, std::string_view prompt, bool& flag) {
    bool yes = flag;
    if (!DialogUi(d, help).YesNoDialog("Eingabe", Disp(d, prompt), yes)) {
        d.AbortFlag = 1;
        return;
    }
    flag = yes;
}

bool AskQuestion(const DialogContext& d, uint16_t help, std::string_view text) {
    switch (DialogUi(d, help).Question(kProgramTitle, Disp(d, text))) {
    case Reply::Yes:
        return true;
    case Reply::No:
        return false;
    case Reply::Cancel:
        break;
    }
    d.AbortFlag = 1;
    return false;
}

void ShowError(const DialogContext& d, std::string_view text) {
    if (!d.MessageDisplay) return;
    UiOf(d).MessageBox(MessageKind::Error, "Fehler : ", Disp(d, text));
}

void ShowRangeError(const DialogContext& d, std::string_view min, std::string_view max) {
    UiOf(d).Beep();
    ShowError(d, cp850("Gültiger Wertebereich: ") + std::string(min) + " .. " + std::string(max) +
                     " !");
}

void ShowInvalidEntry(const DialogContext& d, std::string_view text) {
    UiOf(d).Beep();
    ShowError(d, cp850("Ungültige Eingabe ") + Quoted(text) + " !");
}

void ShowInfo(const DialogContext& d, std::string_view text) {
    UiOf(d).MessageBox(MessageKind::Info, "Meldung:", Disp(d, text));
}

void ShowHelpBox(const DialogContext& d, std::string_view caption, std::string_view text) {
    UiOf(d).MessageBox(MessageKind::Help, Disp(d, caption), Disp(d, text));
}

std::string FormatCoordinate(const NumberStyle& s, long double mm) {
    if (!std::isfinite(mm)) return FormatSignificant(s, mm);
    if (s.EnglishUnits == Units::English) {
        long double inch = mm * kMmToInch;
        return FormatFixed(s, inch, SignificantDigits(inch, 3).w, 4);
    }
    if (std::fabs(mm) < 1e-5L) return "0";
    SignificantWidth w = SignificantDigits(mm, 6);
    return FormatFixed(s, mm, w.w, w.d);
}

void CheckTargetFile(const DialogContext& d, const std::string& path) {
    const bool exists = FileExists(path);
    if (exists && d.OverwriteQuestion && path.find("aktuell") == std::string::npos) {
        bool yes =
            AskQuestion(d, kHelpOverwrite, path + cp850(" existiert bereits.   Überschreiben ?"));
        if (!yes) {
            d.AbortFlag = 1;
            return;
        }
    }
    if (d.AbortFlag) return;
    // An existing file is opened for appending, never emptied: the old contents must
    // survive until the new file is complete. A new one is created only by this test itself,
    // never through a link; an entry that stands there (a link) is replaced by the writer's
    // rename, not written through.
    bool ok = false;
    if (exists) {
        std::FILE* f = std::fopen(path.c_str(), "ab");
        ok = f != nullptr && std::fclose(f) == 0;
    } else {
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ok = ::close(fd) == 0;
            ok = ::unlink(path.c_str()) == 0 && ok;
        } else {
            struct stat st {};
            ok = errno == EEXIST && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
        }
    }
    if (!ok) {
        ShowError(d, cp850("Ungültiger Dateiname ") + Quoted(path) + " !");
        d.AbortFlag = 1;
    }
}

void CheckSourceFile(const DialogContext& d, const std::string& path) {
    struct stat st {};
    std::FILE* f = nullptr;
    if (::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) f = std::fopen(path.c_str(), "rb");
    if (!f) {
        ShowError(d, "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !");
        d.AbortFlag = 1;
        return;
    }
    std::fclose(f);
}

std::string IoErrorText(IoStage stage, int error) {
    const bool full = error == ENOSPC || error == EDQUOT || error == EFBIG;
    switch (stage) {
    case IoStage::Create:
        if (error == EROFS || error == EACCES || error == EPERM) return "Schreibschutz entfernen !";
        if (full) return "Diskette/Platte voll";
        if (error == ENAMETOOLONG) return "Dateiname zu lang";
        return "I/O-Error " + std::to_string(error);
    case IoStage::Write:
        if (full) return "Diskette/Platte voll";
        if (error == EINVAL) return "Falsches numerisches Format";
        return "Fehler bei Zugriff auf Diskette/Platte";
    case IoStage::Close:
        if (full) return "Diskette/Platte voll";
        return cp850("Fehler beim Schließen einer Datei");
    case IoStage::None:
        break;
    }
    return {};
}

void ReportWriteError(const DialogContext& d, const TextFileWriter& writer) {
    if (!writer.Failed()) return;
    ShowError(d, IoErrorText(writer.Stage(), writer.ErrorCode()) + " (" + writer.Path() + ")");
    d.AbortFlag = 1;
}

bool CreateFileWithRetry(const DialogContext& d, TextFileWriter& writer, const std::string& path,
                         bool atomic) {
    for (;;) {
        if (writer.Open(path, atomic)) return true;
        ShowError(d, IoErrorText(IoStage::Create, writer.ErrorCode()) + " (" + path + ")");
        // Retrying without asking would never end where the cause cannot be mended.
        if (!AskQuestion(d, kHelpRetry, "Erneut versuchen ?")) {
            d.AbortFlag = 1;
            return false;
        }
    }
}

} // namespace vak1
