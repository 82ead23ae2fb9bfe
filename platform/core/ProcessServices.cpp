#include "platform/core/ProcessServices.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// Waits for the process to end, through interrupted waits.
void Reap(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// Owns the spawn settings for one start.
class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawn_file_actions_init(&m_actions);
        // Only the standard three descriptors reach the program: database files, sockets and
        // pipes of this process stay its own.
        posix_spawn_file_actions_addclosefrom_np(&m_actions, 3);
        posix_spawnattr_init(&m_attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&m_attributes, &none);
        // Signals this process ignores are not ignored by the program.
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGHUP, SIGTERM, SIGCHLD, SIGUSR1, SIGUSR2,
                           SIGALRM, SIGTSTP, SIGTTIN, SIGTTOU})
            sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&m_attributes, &defaults);
        posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSettings() {
        posix_spawnattr_destroy(&m_attributes);
        posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attributes; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

} // namespace

BOOL StartProcess(const CString& program, const std::vector<CString>& arguments, BOOL wait) {
    if (program.IsEmpty())
        return FALSE;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(static_cast<LPCTSTR>(program)));
    for (const CString& argument : arguments)
        argv.push_back(const_cast<char*>(static_cast<LPCTSTR>(argument)));
    argv.push_back(nullptr);
    SpawnSettings settings;
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, settings.Actions(), settings.Attributes(), argv.data(),
                     environ) != 0)
        return FALSE;
    if (wait)
        Reap(pid);
    else
        // Waiting for this one process only, so that no other wait of the program is touched.
        std::thread(Reap, pid).detach();
    return TRUE;
}
