#pragma once
// Other processes for the tests of what several program copies share. A child is either a
// fresh copy of this test program playing a named role (the roles register with
// MQ_CHILD_ROLE; the settings reach it as MQ_CHILD_<NAME> variables, ChildSetting reads them),
// or a forked copy of this process running a function. Parent and child talk through files in a
// folder both can see, or through a ProcessSignal made before a fork.

#include <sys/types.h>

#include <functional>
#include <map>
#include <string>

class ChildProcess {
public:
    // Starts a copy of this test program that runs the role instead of the tests.
    ChildProcess(const std::string& role, const std::map<std::string, std::string>& settings);
    // Forks; the child runs body and ends with 0 when it returned true, else 1.
    explicit ChildProcess(const std::function<bool()>& body);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the child to end (at most timeoutMs, then kills it); its exit status, or -1.
    int Wait(int timeoutMs = 20000);
    // Kills the child at once, as a crash would, and reaps it.
    void Kill();
    // Sends the child a signal (SIGTERM, as the desktop asks a program to end).
    void Signal(int signal);

private:
    pid_t m_pid = -1;
};

// A role's setting: the MQ_CHILD_<name> variable of this process, "" when there is none.
std::string ChildSetting(const char* name);

// Registers a role under its name; MQ_CHILD_ROLE(name, function) does it at start-up.
bool RegisterChildRole(const char* name, void (*role)());
#define MQ_CHILD_ROLE(name, function)                                                              \
    [[maybe_unused]] static const bool function##Registered = RegisterChildRole(name, function)
// Runs the role named by MQ_CHILD_ROLE when this process was started as a child: its exit
// status (1 when a check in it failed or the role is unknown). -1 in a process that is no child.
int RunChildRoleIfAsked();

// Waits until the file exists (at most timeoutMs); its content, or "" on timeout.
std::string WaitForFile(const std::string& path, int timeoutMs = 20000);
// Writes a file whole, through a temporary name, so that a reader never sees half of it.
void WriteFileAtomically(const std::string& path, const std::string& content);

// A one-way signal between a parent and a forked child, made before the fork.
class ProcessSignal {
public:
    ProcessSignal();
    ~ProcessSignal();
    ProcessSignal(const ProcessSignal&) = delete;
    ProcessSignal& operator=(const ProcessSignal&) = delete;
    void Send(int value = 1);
    // The value sent, or -1 when nothing comes within the timeout.
    int Wait(int timeoutMs = 10000);

private:
    int m_fds[2];
};
