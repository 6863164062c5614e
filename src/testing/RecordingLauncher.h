// A launcher that only records what it was asked to start, for tests.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/Launcher.h"

namespace vak1 {

struct LaunchRecord {
    std::string program;
    std::vector<std::string> args;
};

class RecordingLauncher : public Launcher {
  public:
    bool Exists(const std::string& program) const override { return installed.count(program) > 0; }
    bool Start(const std::string& program, const std::vector<std::string>& args) override {
        started.push_back({program, args});
        return true;
    }
    bool Open(const std::string& fileOrAddress) override {
        started.push_back({"", {fileOrAddress}});
        return true;
    }
    // Command lines are recorded as they stand and answered with result.
    int StartProgram(const std::string& commandLine, bool hiddenWindow) override {
        commandLines.push_back(commandLine);
        hidden.push_back(hiddenWindow);
        return result;
    }

    std::set<std::string> installed; // programs Exists reports
    std::vector<LaunchRecord> started;
    std::vector<std::string> commandLines;
    std::vector<bool> hidden;
    int result = 33;
};

} // namespace vak1
