#pragma once
// The program mqsetup. Without arguments it makes the default site database when none is there
// (DefaultSiteDatabase.h), as `./dev run` does without asking anything, and names it in the
// settings when they have no key yet, as an installer would. With --choose-database
// it then asks for the site database as an installer would (SiteDatabaseQuestion.h), through
// the setup extension at `extensionPath`, and writes the choice to the settings. Answers the
// program's exit status.

#include "platform/core/CString.h"

#include <string>
#include <vector>

int RunSetup(const std::vector<std::string>& arguments, const CString& extensionPath);
