#pragma once
// A copy of the program mq30 started by a test with the test's environment, its exit awaited or
// forced.

#include <chrono>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

inline std::string ProgramPath() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "../../app/mq30")
        .lexically_normal()
        .string();
}

// One mq30 started with the test's folders.
class Copy {
public:
    explicit Copy(const std::vector<std::string>& arguments) {
        m_pid = fork();
        if (m_pid == 0) {
            std::vector<char*> argv;
            static std::string program = ProgramPath();
            argv.push_back(program.data());
            std::vector<std::string> own = arguments;
            for (std::string& a : own)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }
    ~Copy() {
        if (m_pid > 0 && !m_ended) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    // The exit status, or -1 when it has not ended within the time.
    int Wait(int ms = 20000) {
        for (int waited = 0; waited < ms; waited += 50) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_ended = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }
    void Signal(int signal) { kill(m_pid, signal); }
    void Kill() {
        kill(m_pid, SIGKILL);
        Wait();
    }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    bool m_ended = false;
};
