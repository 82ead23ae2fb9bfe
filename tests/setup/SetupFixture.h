#pragma once
// Helpers of the set-up step's tests: site databases to choose, and the program's folders
// (the drive root and the settings file) in a temporary folder for one test.

#include "tests/support/TestSupport.h"

#include <string>

// A site database at `path` with every table and stored query and one version row with `dbId`.
void MakeSiteDatabase(const std::string& path, LONG dbId);

// The whole file, "" when there is none.
std::string FileBytes(const std::string& path);

// Points MARQUILL_ROOT and XDG_CONFIG_HOME into a new temporary folder while it lives, so that
// the default site database and the settings file are the test's own.
class SetupFolders {
public:
    SetupFolders();
    ~SetupFolders();
    SetupFolders(const SetupFolders&) = delete;
    SetupFolders& operator=(const SetupFolders&) = delete;

    std::string file(const std::string& name) const { return m_root.file(name); }
    // The environment settings for a program started from the test ("NAME='value' ...").
    std::string environment() const;

private:
    TempDir m_root;
};
