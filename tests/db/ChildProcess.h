#pragma once
// A second copy of this test program, started to play one role against a site database (the
// roles are in ChildRole_dbtest.cpp): it runs the test ChildRole.Run with the role and its
// arguments in its environment, and reports through files in a folder both can see.

#include <sys/types.h>

#include <map>
#include <string>

class ChildProcess {
public:
    // Starts the child; the settings become MQ_CHILD_<NAME> variables of its environment.
    ChildProcess(const std::string& role, const std::map<std::string, std::string>& settings);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the child to end (at most timeoutMs, then kills it); its exit status, or -1.
    int Wait(int timeoutMs = 20000);

private:
    pid_t m_pid = -1;
};

// Waits until the file exists (at most timeoutMs); its content, or "" on timeout.
std::string WaitForFile(const std::string& path, int timeoutMs = 20000);
// Writes a file whole, through a temporary name, so that a reader never sees half of it.
void WriteFileAtomically(const std::string& path, const std::string& content);
