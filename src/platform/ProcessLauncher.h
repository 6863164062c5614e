// The launcher of a POSIX system: posix_spawnp with an argument vector, "xdg-open" for files
// and addresses. Finished children are reaped at the next start and at destruction.
#pragma once
#include <sys/types.h>
#include <vector>

#include "platform/Launcher.h"

namespace vak1 {

class ProcessLauncher : public Launcher {
  public:
    ~ProcessLauncher() override;
    bool Exists(const std::string& program) const override;
    bool Start(const std::string& program, const std::vector<std::string>& args) override;
    bool Open(const std::string& fileOrAddress) override;

    pid_t LastPid() const { return last_; }
    // Waits for a child started here; its exit status, or -1 when it is not ours.
    int Wait(pid_t pid);

  private:
    void Reap();
    std::vector<pid_t> children_;
    pid_t last_ = -1;
};

} // namespace vak1
