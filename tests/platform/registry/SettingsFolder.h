#pragma once
// Points the registry at a new empty settings folder for one test ($XDG_CONFIG_HOME) and puts
// the old one back afterwards. Header only: the toolkit's tests use it too.

#include "platform/registry/RegistryFile.h"
#include "tests/support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

class SettingsFolder {
public:
    SettingsFolder() {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_had = old != nullptr;
        if (old)
            m_old = old;
        setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1);
    }
    ~SettingsFolder() {
        m_had ? setenv("XDG_CONFIG_HOME", m_old.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    std::string FilePath() const { return RegistryFile::Path(); }
    std::string Folder() const { return m_dir.file("marquill"); }
    // The settings file's text as it is on disk ("" when there is none).
    std::string Text() const {
        std::ifstream in(FilePath(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    TempDir m_dir;
    bool m_had = false;
    std::string m_old;
};
