#include "platform/registry/Registry.h"
#include "tests/platform/registry/SettingsFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

namespace {

LONG WriteString(const char* keyPath, const char* name, const std::string& text) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyEx(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return result;
}

// The string value, or "<missing>".
std::string ReadString(const char* keyPath, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    char text[256] = {};
    DWORD size = sizeof text;
    const LONG result =
        RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? text : "<missing>";
}

// Runs `body` in a child process, which ends with status 0 when body returns true.
pid_t StartChild(const std::function<bool()>& body) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body() ? 0 : 1);
    return pid;
}

int WaitForChild(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WaitForPath(const std::string& path) {
    for (int i = 0; i < 1000; ++i) {
        if (std::filesystem::exists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string g_stopMarker;

// Stops a writer between writing its new file and renaming it.
void StopBeforeReplace() {
    std::FILE* marker = std::fopen(g_stopMarker.c_str(), "w");
    if (marker)
        std::fclose(marker);
    for (;;)
        pause();
}

} // namespace

TEST(RegistryFile, ProgramCopiesWritingAtOnceKeepEachOthersValues) {
    SettingsFolder settings;
    const std::string go = settings.Folder() + "-go";
    constexpr int kCopies = 4, kValues = 25;
    std::vector<pid_t> children;
    for (int copy = 0; copy < kCopies; ++copy) {
        children.push_back(StartChild([&, copy] {
            if (!WaitForPath(go))
                return false;
            for (int n = 0; n < kValues; ++n) {
                const std::string name = "copy" + std::to_string(copy) + "-" + std::to_string(n);
                const std::string key = "Software\\Shared\\" + std::to_string(n % 3);
                if (WriteString(key.c_str(), name.c_str(), name) != ERROR_SUCCESS)
                    return false;
            }
            return true;
        }));
    }
    std::FILE* start = std::fopen(go.c_str(), "w");
    ASSERT_NE(start, nullptr);
    std::fclose(start);
    for (const pid_t child : children)
        EXPECT_EQ(WaitForChild(child), 0);
    std::filesystem::remove(go);

    for (int copy = 0; copy < kCopies; ++copy) {
        for (int n = 0; n < kValues; ++n) {
            const std::string name = "copy" + std::to_string(copy) + "-" + std::to_string(n);
            const std::string key = "Software\\Shared\\" + std::to_string(n % 3);
            EXPECT_EQ(ReadString(key.c_str(), name.c_str()), name);
        }
    }
}

TEST(RegistryFile, AWriterKilledBeforeItsRenameLeavesTheOldFileWhole) {
    SettingsFolder settings;
    ASSERT_EQ(WriteString("Software\\App", "Setting", "old"), ERROR_SUCCESS);
    const std::string before = settings.Text();
    g_stopMarker = settings.Folder() + "/stopped";

    const pid_t writer = StartChild([] {
        RegistryFile::SetBeforeReplaceHook(&StopBeforeReplace);
        return WriteString("Software\\App", "Setting", "new") == ERROR_SUCCESS;
    });
    ASSERT_TRUE(WaitForPath(g_stopMarker));
    kill(writer, SIGKILL);
    EXPECT_EQ(WaitForChild(writer), -1);

    EXPECT_EQ(settings.Text(), before);
    EXPECT_EQ(ReadString("Software\\App", "Setting"), "old");
    // The lock died with the writer; the next change goes through and clears what it left.
    ASSERT_EQ(WriteString("Software\\App", "Setting", "next"), ERROR_SUCCESS);
    EXPECT_EQ(ReadString("Software\\App", "Setting"), "next");
    for (const auto& entry : std::filesystem::directory_iterator(settings.Folder()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
}

TEST(RegistryFile, ReadsSeeWhatAnotherCopyWrote) {
    SettingsFolder settings;
    ASSERT_EQ(WriteString("Software\\App", "Setting", "mine"), ERROR_SUCCESS);
    EXPECT_EQ(ReadString("Software\\App", "Setting"), "mine");
    const pid_t other = StartChild(
        [] { return WriteString("Software\\App", "Setting", "theirs") == ERROR_SUCCESS; });
    ASSERT_EQ(WaitForChild(other), 0);
    EXPECT_EQ(ReadString("Software\\App", "Setting"), "theirs");
}

TEST(RegistryFile, AnUnreadableFileIsSetAsideAndReported) {
    SettingsFolder settings;
    std::filesystem::create_directories(settings.Folder());
    const std::string garbage = "not settings at all\n\x01\x02";
    {
        std::FILE* file = std::fopen(settings.FilePath().c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs(garbage.c_str(), file);
        std::fclose(file);
    }
    MessageBoxRecorder boxes;
    EXPECT_EQ(ReadString("Software\\App", "Setting"), "<missing>");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("could not be read"), std::string::npos);

    std::string aside;
    for (const auto& entry : std::filesystem::directory_iterator(settings.Folder())) {
        if (entry.path().filename().string().find(".unreadable-") != std::string::npos)
            aside = entry.path().string();
    }
    ASSERT_FALSE(aside.empty());
    EXPECT_NE(boxes.shown()[0].text.find(aside), std::string::npos);
    std::FILE* kept = std::fopen(aside.c_str(), "r");
    ASSERT_NE(kept, nullptr);
    char content[64] = {};
    const size_t length = std::fread(content, 1, sizeof content, kept);
    std::fclose(kept);
    EXPECT_EQ(std::string(content, length), garbage);

    ASSERT_EQ(WriteString("Software\\App", "Setting", "fresh"), ERROR_SUCCESS);
    EXPECT_EQ(ReadString("Software\\App", "Setting"), "fresh");
    EXPECT_EQ(boxes.shown().size(), 1u);
}
