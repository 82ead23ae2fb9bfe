#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

std::map<std::string, void (*)()>& Roles() {
    static std::map<std::string, void (*)()> roles;
    return roles;
}
} // namespace

ChildProcess::ChildProcess(const std::string& role,
                           const std::map<std::string, std::string>& settings) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string(*entry).rfind("MQ_CHILD_", 0) != 0 &&
            std::string(*entry).rfind("GTEST_", 0) != 0)
            env.emplace_back(*entry);
    }
    env.push_back("MQ_CHILD_ROLE=" + role);
    for (const auto& [name, value] : settings)
        env.push_back("MQ_CHILD_" + name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::string exe = "/proc/self/exe";
    char* argv[] = {exe.data(), nullptr};
    // The child's test report would mix into the parent's; its errors still reach stderr.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    int failed = posix_spawn(&m_pid, exe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start the child process");
}

ChildProcess::ChildProcess(const std::function<bool()>& body) {
    m_pid = fork();
    if (m_pid == 0) {
        bool ok = false;
        try {
            ok = body();
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    if (m_pid < 0)
        throw std::runtime_error("cannot fork the child process");
}

void ChildProcess::Kill() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

void ChildProcess::Signal(int signal) {
    if (m_pid > 0)
        kill(m_pid, signal);
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0)
        Wait(0);
}

int ChildProcess::Wait(int timeoutMs) {
    if (m_pid <= 0)
        return -1;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    for (;;) {
        pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid)
            break;
        if (std::chrono::steady_clock::now() >= end) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
            m_pid = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string WaitForFile(const std::string& path, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!Exists(path)) {
        if (std::chrono::steady_clock::now() >= end)
            return "";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFileAtomically(const std::string& path, const std::string& content) {
    std::string temporary = path + ".part";
    {
        std::ofstream out(temporary);
        out << content;
    }
    std::rename(temporary.c_str(), path.c_str());
}

std::string ChildSetting(const char* name) {
    const char* value = std::getenv((std::string("MQ_CHILD_") + name).c_str());
    return value != nullptr ? value : "";
}

bool RegisterChildRole(const char* name, void (*role)()) {
    Roles()[name] = role;
    return true;
}

int RunChildRoleIfAsked() {
    const char* role = std::getenv("MQ_CHILD_ROLE");
    if (role == nullptr)
        return -1;
    auto found = Roles().find(role);
    if (found == Roles().end()) {
        std::fprintf(stderr, "unknown child role %s\n", role);
        return 1;
    }
    found->second();
    // A failed check inside the role is recorded outside any test.
    return ::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed() ? 1 : 0;
}

ProcessSignal::ProcessSignal() {
    if (pipe(m_fds) != 0)
        m_fds[0] = m_fds[1] = -1;
}

ProcessSignal::~ProcessSignal() {
    close(m_fds[0]);
    close(m_fds[1]);
}

void ProcessSignal::Send(int value) {
    ssize_t written = write(m_fds[1], &value, sizeof value);
    (void)written;
}

int ProcessSignal::Wait(int timeoutMs) {
    pollfd fd{m_fds[0], POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) != 1)
        return -1;
    int value = -1;
    if (read(m_fds[0], &value, sizeof value) != static_cast<ssize_t>(sizeof value))
        return -1;
    return value;
}
