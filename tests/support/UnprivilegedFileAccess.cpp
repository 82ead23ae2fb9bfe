#include "tests/support/UnprivilegedFileAccess.h"

#include <stdexcept>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user and group "nobody".
constexpr uid_t kUser = 65534;
constexpr gid_t kGroup = 65534;

void HandOver(const std::filesystem::path& path) {
    if (lchown(path.c_str(), kUser, kGroup) != 0)
        throw std::runtime_error("cannot hand over " + path.string());
}

} // namespace

UnprivilegedFileAccess::UnprivilegedFileAccess(const std::filesystem::path& tree) {
    if (geteuid() != 0)
        return;
    HandOver(tree);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree))
        HandOver(entry.path());
    setfsgid(kGroup);
    setfsuid(kUser);
    m_switched = true;
    if (static_cast<uid_t>(setfsuid(kUser)) != kUser)
        throw std::runtime_error("cannot check files as an unprivileged user");
}

UnprivilegedFileAccess::~UnprivilegedFileAccess() {
    if (!m_switched)
        return;
    setfsuid(0);
    setfsgid(0);
}

void UnprivilegedFileAccess::MakeUnreadable(const std::filesystem::path& file) {
    if (chmod(file.c_str(), 0) != 0)
        throw std::runtime_error("cannot make " + file.string() + " unreadable");
}
