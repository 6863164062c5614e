// Starting other programs without waiting for them (plotting program, text program, ...).
#pragma once
#include <string>

namespace vak1 {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts commandLine (program and arguments separated by blanks) and returns at once.
    // Result codes: above 31 started; 0 out of memory; 2 or 3 program not found; 4..31 any
    // other failure.
    virtual int StartProgram(const std::string& commandLine, bool hiddenWindow) = 0;
};

} // namespace vak1
