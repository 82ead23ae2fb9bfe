#pragma once
// Starts the window system once for a test executable of the `ui` label (run under Xvfb) and
// shuts it down after the last test. Include it from every ui test file of the executable.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/toplevel.h>

#include "tests/platform/ui/UiTestHelpers.h"

class UiTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        // A failed wx assertion fails the test instead of waiting on a dialog nobody answers.
        wxSetAssertHandler([](const wxString& file, int line, const wxString& function,
                              const wxString& condition, const wxString& message) {
            ADD_FAILURE() << "wx assertion " << condition.utf8_string() << " ("
                          << message.utf8_string() << ") in " << function.utf8_string() << " at "
                          << file.utf8_string() << ":" << line;
        });
        wxApp::SetInstance(new wxApp);
        ASSERT_TRUE(wxEntryStart(argc, argv)) << "no display: run the ui tests under xvfb-run";
        ASSERT_TRUE(wxTheApp->CallOnInit());
    }
    void TearDown() override {
        if (!wxTheApp)
            return;
        wxTheApp->OnExit();
        wxEntryCleanup();
    }
};

inline ::testing::Environment* const g_uiTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiTestEnvironment);
