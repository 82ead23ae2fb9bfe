#include "platform/registry/RegistryFile.h"

#include "platform/core/MessageBox.h"
#include "platform/registry/WinError.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <optional>

namespace {

constexpr const char* kFolder = "marquill";
constexpr const char* kFileName = "registry.txt";

// The registry as last read, and which version of the file it came from.
struct Cache {
    std::string path;
    struct stat status {};
    RegistryTree tree;
    bool valid = false;
};

std::mutex g_mutex;
Cache g_cache;
void (*g_beforeReplace)() = nullptr;

bool SameVersion(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/tmp";
}

bool ReadWhole(int fd, std::string& text) {
    text.clear();
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        text.append(buffer, static_cast<size_t>(got));
    }
}

bool WriteWhole(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t put = write(fd, text.data(), text.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        text.remove_prefix(static_cast<size_t>(put));
    }
    return true;
}

// What loading the file found.
enum class Found { nothing, registry, unreadable };

// Loads the file into `tree`, with the version it came from; `why` says what is wrong with an
// unreadable file.
Found Load(const std::string& path, RegistryTree& tree, struct stat& status, std::string& why) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        RegistryTree::Parse({}, tree, nullptr);
        return Found::nothing;
    }
    std::string text;
    const bool read = fd >= 0 && fstat(fd, &status) == 0 && ReadWhole(fd, text);
    if (!read)
        why = std::strerror(errno);
    if (fd >= 0)
        close(fd);
    if (read && RegistryTree::Parse(text, tree, &why))
        return Found::registry;
    RegistryTree::Parse({}, tree, nullptr);
    return Found::unreadable;
}

// The exclusive lock of the registry, held while the object lives.
class WriteLock {
public:
    explicit WriteLock(const std::string& path) {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
        m_fd = open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        while (m_fd >= 0 && flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                close(m_fd);
                m_fd = -1;
            }
        }
    }
    ~WriteLock() {
        if (m_fd >= 0)
            close(m_fd);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

std::string TemporaryPrefix(const std::string& path) {
    return std::filesystem::path(path).filename().string() + ".tmp-";
}

// Removes what writers that died before their rename left behind (only while holding the
// lock, when no writer is at work).
void RemoveStaleTemporaries(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const std::string prefix = TemporaryPrefix(path);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            std::filesystem::remove(entry.path(), error);
    }
}

// A free name beside the file for setting an unreadable file aside.
std::string AsideName(const std::string& path) {
    char stamp[32];
    const time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &parts);
    std::string name = path + ".unreadable-" + stamp;
    struct stat status {};
    for (int n = 2; lstat(name.c_str(), &status) == 0; ++n)
        name = path + ".unreadable-" + stamp + "-" + std::to_string(n);
    return name;
}

// Moves the unreadable file aside (under the lock) and says what to tell the user; nullopt
// when it could not be moved, so it must not be written over.
std::optional<std::string> SetAside(const std::string& path, const std::string& why) {
    const std::string aside = AsideName(path);
    if (rename(path.c_str(), aside.c_str()) != 0)
        return std::nullopt;
    return "The settings file " + path + " could not be read (" + why +
           "). It has been set aside as " + aside + ", and the settings start afresh.";
}

void Report(const std::optional<std::string>& message) {
    if (message && !message->empty())
        AfxMessageBox(message->c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool WriteFile(const std::string& path, const std::string& text, std::string& temporary) {
    temporary = (std::filesystem::path(path).parent_path() / TemporaryPrefix(path)).string() +
                std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = WriteWhole(fd, text) && fsync(fd) == 0;
    return close(fd) == 0 && written;
}

void SyncFolder(const std::string& path) {
    const int fd =
        open(std::filesystem::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Loads the file under the lock for a change, setting an unreadable one aside. FALSE when
// the file is unreadable and could not be set aside.
bool LoadForChange(const std::string& path, RegistryTree& tree,
                   std::optional<std::string>& report) {
    struct stat status {};
    std::string why;
    if (Load(path, tree, status, why) != Found::unreadable)
        return true;
    report = SetAside(path, why);
    return report.has_value();
}

// Brings the cache up to the file on disk. An unreadable file is set aside under the lock,
// unless another copy has replaced it by then.
LONG Refresh(const std::string& path, std::optional<std::string>& report) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            return ERROR_CANTREAD;
        RegistryTree::Parse({}, g_cache.tree, nullptr);
        g_cache.valid = false;
        return ERROR_SUCCESS;
    }
    if (g_cache.valid && g_cache.path == path && SameVersion(g_cache.status, status))
        return ERROR_SUCCESS;
    g_cache.valid = false;
    g_cache.path = path;
    std::string why;
    if (Load(path, g_cache.tree, g_cache.status, why) == Found::registry) {
        g_cache.valid = true;
        return ERROR_SUCCESS;
    }
    WriteLock lock(path);
    if (!lock.Held())
        return ERROR_CANTREAD;
    const Found again = Load(path, g_cache.tree, g_cache.status, why);
    if (again != Found::unreadable) {
        g_cache.valid = again == Found::registry;
        return ERROR_SUCCESS;
    }
    report = SetAside(path, why);
    return report ? ERROR_SUCCESS : ERROR_REGISTRY_CORRUPT;
}

} // namespace

std::string RegistryFile::Path() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string folder =
        config && config[0] == '/' ? std::string(config) : HomeFolder() + "/.config";
    return folder + "/" + kFolder + "/" + kFileName;
}

LONG RegistryFile::Read(const std::function<LONG(const RegistryTree&)>& read) {
    std::optional<std::string> report;
    LONG result = ERROR_SUCCESS;
    {
        std::lock_guard guard(g_mutex);
        result = Refresh(Path(), report);
        if (result == ERROR_SUCCESS)
            result = read(g_cache.tree);
    }
    Report(report);
    return result;
}

LONG RegistryFile::Change(const std::function<LONG(RegistryTree&, bool&)>& change) {
    std::optional<std::string> report;
    LONG result = ERROR_SUCCESS;
    {
        std::lock_guard guard(g_mutex);
        const std::string path = Path();
        WriteLock lock(path);
        RegistryTree tree;
        bool modified = false;
        std::string temporary;
        if (!lock.Held()) {
            result = ERROR_CANTWRITE;
        } else if (!LoadForChange(path, tree, report)) {
            result = ERROR_REGISTRY_CORRUPT;
        } else if ((result = change(tree, modified)) != ERROR_SUCCESS || !modified) {
            // Nothing to write.
        } else {
            RemoveStaleTemporaries(path);
            if (!WriteFile(path, tree.Serialize(), temporary)) {
                unlink(temporary.c_str());
                result = ERROR_CANTWRITE;
            } else {
                if (g_beforeReplace)
                    g_beforeReplace();
                if (rename(temporary.c_str(), path.c_str()) != 0) {
                    unlink(temporary.c_str());
                    result = ERROR_CANTWRITE;
                } else {
                    SyncFolder(path);
                }
            }
        }
        g_cache.valid = false;
        if (result == ERROR_SUCCESS && modified && stat(path.c_str(), &g_cache.status) == 0) {
            g_cache.path = path;
            g_cache.tree = std::move(tree);
            g_cache.valid = true;
        }
    }
    Report(report);
    return result;
}

void RegistryFile::SetBeforeReplaceHook(void (*hook)()) {
    g_beforeReplace = hook;
}
