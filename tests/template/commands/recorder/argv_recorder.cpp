// A program for the run command's tests: after MQ_ARGV_SLEEP_MS milliseconds it writes to the
// file MQ_ARGV_OUT (through a temporary name) its process id, its current directory, the
// descriptors it holds open and its arguments after its own name, one to a line.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv) {
    const char* out = std::getenv("MQ_ARGV_OUT");
    if (out == nullptr)
        return 2;
    if (const char* sleep = std::getenv("MQ_ARGV_SLEEP_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(sleep)));
    std::string text = "pid:" + std::to_string(getpid()) + "\n";
    char cwd[4096];
    text += std::string("cwd:") + (getcwd(cwd, sizeof cwd) != nullptr ? cwd : "?") + "\n";
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (dirent* entry = readdir(fds)) {
            std::string name = entry->d_name;
            if (name != "." && name != ".." && std::atoi(name.c_str()) != dirfd(fds))
                text += "fd:" + name + "\n";
        }
        closedir(fds);
    }
    for (int i = 1; i < argc; i++)
        text += std::string("arg:") + argv[i] + "\n";
    std::string temporary = std::string(out) + ".part";
    FILE* file = std::fopen(temporary.c_str(), "w");
    if (file == nullptr)
        return 3;
    std::fputs(text.c_str(), file);
    std::fclose(file);
    return std::rename(temporary.c_str(), out) == 0 ? 0 : 4;
}
