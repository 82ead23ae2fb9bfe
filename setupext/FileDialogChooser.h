#pragma once
// The export's question as the user sees it: the window system's Open dialog for an Access
// database file, an existing one. A setup program that runs no window system has one started
// for the question and ended after it; without a display nothing is shown and nothing chosen.

#include "setupext/SetupFileChooser.h"

class FileDialogChooser : public SetupFileChooser {
public:
    bool Choose(const std::string& folder, const std::string& fileName,
                std::string* chosen) override;
};
