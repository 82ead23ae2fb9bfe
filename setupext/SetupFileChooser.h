#pragma once
// How the export asks the user for the site database file: the desktop's file chooser in the
// library, a scripted one in tests.

#include <string>

class SetupFileChooser {
public:
    virtual ~SetupFileChooser() = default;
    // Asks for an existing file, opening in `folder` with `fileName` as the initial name (either
    // may be empty). TRUE with the file's full path in *chosen when the user confirmed one.
    virtual bool Choose(const std::string& folder, const std::string& fileName,
                        std::string* chosen) = 0;
};
