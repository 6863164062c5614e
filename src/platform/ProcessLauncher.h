// The launcher of a POSIX system: posix_spawnp with an argument vector, "xdg-open" for files
// and addresses. Every child is waited for as soon as it ends, so none lingers as a defunct
// process while the program runs on.
#pragma once
#include <memory>
#include <sys/types.h>

#include "platform/Launcher.h"

namespace vak1 {

class ProcessLauncher : public Launcher {
  public:
    ProcessLauncher();
    ~ProcessLauncher() override;
    bool Exists(const std::string& program) const override;
    bool Start(const std::string& program, const std::vector<std::string>& args) override;
    bool Open(const std::string& fileOrAddress) override;

    pid_t LastPid() const { return last_; }
    // Waits for a child started here; its exit status, or -1 when it is not ours (the status of
    // an ended child is kept only until the next start) or did not end normally.
    int Wait(pid_t pid);

  private:
    struct Children;
    std::shared_ptr<Children> children_;
    pid_t last_ = -1;
};

} // namespace vak1
