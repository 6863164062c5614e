// Starting other programs. A program gets its arguments one by one, never through a shell,
// so a file name with blanks, ";" or "$(...)" stays one argument. Nothing waits for the
// started program.
#pragma once
#include <string>
#include <vector>

namespace vak1 {

// Who named a program about to be started: the program itself, or a file that may have come
// from somebody else (a settings file, a project file).
enum class NamedBy { Program, SettingsFile, ProjectFile };

// Asked before a program named by a file starts, with the full command as it would run.
class StartApproval {
  public:
    virtual ~StartApproval() = default;
    virtual bool Approve(const std::string& command, NamedBy namedBy) = 0;
};

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

    // Before a program named by a file is started: true when it may run. Without an approval
    // every program may run.
    bool MayStart(const std::string& command, NamedBy namedBy) const {
        return !approval_ || namedBy == NamedBy::Program || approval_->Approve(command, namedBy);
    }
    void SetApproval(StartApproval* approval) { approval_ = approval; }

  private:
    StartApproval* approval_ = nullptr;
};

// The full command of Start(program, args) as one line, words quoted as a command line needs.
std::string CommandText(const std::string& program, const std::vector<std::string>& args);
// The full command of Open(fileOrAddress).
std::string OpenCommandText(const std::string& fileOrAddress);

// The words of a command line, as StartProgram splits it.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
// word as one word of such a command line: in double quotes when it is empty or holds a blank
// or tab. A word that brings its own quotes is taken as written.
std::string QuoteCommandWord(const std::string& word);

} // namespace vak1
