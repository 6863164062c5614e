// Starting other programs. A program gets its arguments one by one, never through a shell,
// so a file name with blanks, ";" or "$(...)" stays one argument. Nothing waits for the
// started program.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // True when program names an executable file, directly or found on the search path.
    virtual bool Exists(const std::string& program) const = 0;
    // Starts program with args; false when it could not be started.
    virtual bool Start(const std::string& program, const std::vector<std::string>& args) = 0;
    // Opens a file or an address with the desktop's handler.
    virtual bool Open(const std::string& fileOrAddress) = 0;
    // Starts a command line built from the settings: words separated by blanks, double quotes
    // keep blanks inside a word. Result codes: above 31 started; 2 program not found; 4..31
    // any other failure.
    virtual int StartProgram(const std::string& commandLine, bool hiddenWindow);
};

// The words of a command line, as StartProgram splits it.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
// word as one word of such a command line: in double quotes when it is empty or holds a blank
// or tab. A word that brings its own quotes is taken as written.
std::string QuoteCommandWord(const std::string& word);

} // namespace vak1
