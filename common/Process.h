// What a program knows about its own process: the folder of its executable, and the per-user
// lock that keeps a second copy from running.
#pragma once

#include <string>

namespace nv {

// The folder of the running executable, without a trailing separator ("." when unknown).
std::string ExecutableFolder();

// The per-user folder of the instance lock and its companions: $XDG_RUNTIME_DIR when it is a
// folder, else $TMPDIR, else /tmp.
std::string InstanceFolder();

// Takes the per-user lock `name` (a file name) in InstanceFolder(), or, where no lock file can be
// had there (a read-only runtime folder), in `fallbackFolder` (made when missing).
// False when this process now holds it (or already did, or no lock can be had); true when
// another process holds it. The kernel drops the lock when the process ends, however it ends,
// so a crashed copy never leaves it stuck.
bool InstanceLockHeldElsewhere(const std::string& name, const std::string& fallbackFolder = {});
// The folder of the lock that the last call took or found held (InstanceFolder() before any).
std::string InstanceLockFolder();
// Lets the lock go before the process ends.
void ReleaseInstanceLock();

// A kill test's hook: with `variable`=N in the environment, the process ends itself with SIGKILL
// as it passes this point for the Nth time; without it, passing costs nothing.
class KillPoint {
public:
    explicit KillPoint(const char* variable);
    void Passed();

private:
    long stopAfter_ = 0;
    long passed_ = 0;
};

}  // namespace nv
