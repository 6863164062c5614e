// The question before a program named by a file is first started. A project file or a
// settings file from another folder may come from anybody: the program they name runs only
// once the user has seen the full command and said yes. Each answer is remembered per command
// in the user's own folder, so the question comes once.
#pragma once
#include <map>
#include <string>

#include "platform/Launcher.h"

namespace vak1 {

struct App;

// The file of the remembered answers, in the user's own folder.
constexpr const char* kStartAnswersFile = "vak1-programs.txt";

class AskingApproval : public StartApproval {
  public:
    // userFolder: the user's own folder (ends with "/"; empty: answers are kept for the run
    // only, and every settings file counts as another's).
    AskingApproval(App& app, std::string userFolder);
    bool Approve(const std::string& command, NamedBy namedBy) override;

  private:
    bool OwnSettings() const;
    void Remember(const std::string& command, bool yes);

    App& app_;
    std::string userFolder_;
    std::map<std::string, bool> answers_;
    bool loaded_ = false;
};

} // namespace vak1
