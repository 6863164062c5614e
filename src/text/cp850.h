// Code-page conversions. Inside the program every text is a byte string in code page 850;
// dialogs and Windows-style files see Windows-1252, the Qt front end sees UTF-8.
#pragma once
#include <string>
#include <string_view>

namespace vak1 {

// Texts of this length or more become empty when they cross a code-page boundary.
constexpr std::size_t kMaxConvertedText = 255;

// UTF-8 (source literals, Qt) <-> code page 850. Characters 850 lacks become '?'.
std::string cp850(std::string_view utf8);
std::string Cp850ToUtf8(std::string_view text);

// Windows-1252 <-> UTF-8, for files meant for Windows programs and for the display.
std::string Win1252ToUtf8(std::string_view text);
std::string Utf8ToWin1252(std::string_view utf8);

// ASCII replacements for the special characters of code page 850 ("ä" -> "ae", "°" -> "deg").
std::string PlainAscii(std::string_view text);

// Code page 850 -> Windows-1252. With plainCharacters the ASCII replacements and the fixed
// table are used instead of the code-page conversion.
std::string OemToAnsiText(std::string_view text, bool plainCharacters);
// Code page 850 -> UTF-8, the code page of this desktop's programs, for the copies of
// reports other programs open (where Windows wanted its ANSI code page); long texts and the
// plain option as in OemToAnsiText.
std::string OemToDesktopText(std::string_view text, bool plainCharacters);
// Windows-1252 -> code page 850 (texts typed by the user).
std::string AnsiToOemText(std::string_view text);

// ASCII letters in capitals, every other byte as it is (names compared "in capitals").
std::string UpperAscii(std::string_view text);

// What a dialog shows of a stored text, and what it stores of a typed one (UTF-8 at the
// platform boundary).
std::string ToDisplay(std::string_view text, bool plainCharacters);
std::string FromDisplay(std::string_view utf8);

} // namespace vak1
