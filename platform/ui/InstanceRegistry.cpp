#include "platform/ui/InstanceRegistry.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 200;
constexpr char kRaise[] = "raise\n";

std::string EntryPath(pid_t pid, const char* suffix) {
    return std::string(InstanceRegistry::Folder()) + "/" + std::to_string(pid) + suffix;
}

bool FillAddress(const std::string& path, sockaddr_un* address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() >= sizeof address->sun_path)
        return false;
    std::strcpy(address->sun_path, path.c_str());
    return true;
}

// Sends "raise" to the copy whose socket is at path; false when nobody answers there.
bool SendRaise(const std::string& path) {
    sockaddr_un address;
    if (!FillAddress(path, &address))
        return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool sent = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                write(fd, kRaise, sizeof kRaise - 1) == static_cast<ssize_t>(sizeof kRaise - 1);
    close(fd);
    return sent;
}

// A lock file whose lock can be taken belongs to a copy that is gone.
bool IsHeld(const std::string& lockPath) {
    const int fd = open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return held;
}

} // namespace

struct InstanceRegistry::Entry {
    int lockFd = -1;
    int socketFd = -1;
    std::string lockPath;
    std::string socketPath;
    std::function<void()> onRaise;
    std::unique_ptr<wxTimer> timer;
};

InstanceRegistry::InstanceRegistry() = default;

InstanceRegistry::~InstanceRegistry() {
    Unregister();
}

CString InstanceRegistry::Folder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder;
    if (runtime && *runtime)
        folder = std::string(runtime) + "/marquill";
    else {
        const char* tmp = std::getenv("TMPDIR");
        folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/marquill-" + std::to_string(getuid());
    }
    return CString(folder.c_str());
}

BOOL InstanceRegistry::Register(std::function<void()> onRaise) {
    if (m_entry)
        return TRUE;
    const std::string folder(Folder());
    mkdir(folder.c_str(), 0700);
    struct stat info;
    // Another user's folder of that name is not ours to use.
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return FALSE;
    auto entry = std::make_unique<Entry>();
    entry->lockPath = EntryPath(getpid(), ".lock");
    entry->socketPath = EntryPath(getpid(), ".sock");
    entry->onRaise = std::move(onRaise);
    entry->lockFd = open(entry->lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (entry->lockFd < 0 || flock(entry->lockFd, LOCK_EX | LOCK_NB) != 0) {
        if (entry->lockFd >= 0)
            close(entry->lockFd);
        return FALSE;
    }
    sockaddr_un address;
    unlink(entry->socketPath.c_str());
    entry->socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (entry->socketFd < 0 || !FillAddress(entry->socketPath, &address) ||
        bind(entry->socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(entry->socketFd, 4) != 0) {
        if (entry->socketFd >= 0)
            close(entry->socketFd);
        unlink(entry->lockPath.c_str());
        close(entry->lockFd);
        return FALSE;
    }
    m_entry = std::move(entry);
    if (wxTheApp) {
        m_entry->timer = std::make_unique<wxTimer>();
        m_entry->timer->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { PollRequests(); });
        m_entry->timer->Start(kPollMs);
    }
    return TRUE;
}

void InstanceRegistry::Unregister() {
    if (!m_entry)
        return;
    if (m_entry->timer)
        m_entry->timer->Stop();
    close(m_entry->socketFd);
    unlink(m_entry->socketPath.c_str());
    // The lock file goes while it is still held, so no other copy takes it for a dead one's.
    unlink(m_entry->lockPath.c_str());
    close(m_entry->lockFd);
    m_entry.reset();
}

BOOL InstanceRegistry::IsRegistered() const {
    return m_entry != nullptr;
}

BOOL InstanceRegistry::RaiseOther() {
    const std::string folder(Folder());
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return FALSE;
    BOOL found = FALSE;
    const std::string own = std::to_string(getpid()) + ".lock";
    while (dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        const size_t dot = name.rfind(".lock");
        if (dot == std::string::npos || dot + 5 != name.size() || name == own)
            continue;
        const std::string lockPath = folder + "/" + name;
        const std::string socketPath = folder + "/" + name.substr(0, dot) + ".sock";
        if (!IsHeld(lockPath)) {
            unlink(socketPath.c_str());
            unlink(lockPath.c_str());
            continue;
        }
        SendRaise(socketPath);
        found = TRUE;
    }
    closedir(dir);
    return found;
}

int InstanceRegistry::PollRequests() {
    if (!m_entry)
        return 0;
    int taken = 0;
    for (;;) {
        const int client = accept4(m_entry->socketFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            break;
        char request[16] = {};
        // The sender writes its whole request before it closes.
        timeval wait{1, 0};
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        const ssize_t got = read(client, request, sizeof request - 1);
        close(client);
        if (got > 0 && std::strncmp(request, kRaise, sizeof kRaise - 1) == 0) {
            ++taken;
            if (m_entry->onRaise)
                m_entry->onRaise();
        }
    }
    return taken;
}
