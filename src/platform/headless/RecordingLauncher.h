// A launcher for tests: records every command line and answers with a chosen result code.
#pragma once
#include <string>
#include <vector>

#include "platform/Launcher.h"

namespace vak1 {

class RecordingLauncher : public Launcher {
  public:
    int StartProgram(const std::string& commandLine, bool hiddenWindow) override {
        started.push_back(commandLine);
        hidden.push_back(hiddenWindow);
        return result;
    }
    int result = 33;
    std::vector<std::string> started;
    std::vector<bool> hidden;
};

} // namespace vak1
