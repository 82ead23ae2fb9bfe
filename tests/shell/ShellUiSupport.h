#pragma once
// Helpers of the shell's window tests: a recorder of what the panes ask of the main frame, a
// recorder of command updates, a frame to hold bars and views, waiting with the window system
// running, and screenshots of a window.

#include "platform/ui/CCmdUI.h"
#include "shell/QZFrameServices.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/TestSupport.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/stopwatch.h>
#include <wx/window.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Installs itself as the main frame's services while it lives and keeps every request.
class RecordingFrameServices : public QZFrameServices {
public:
    RecordingFrameServices() : m_previous(SetFrameServices(this)) {}
    ~RecordingFrameServices() override { SetFrameServices(m_previous); }

    void SetStatusPaneText(int nPane, LPCTSTR lpszText) override {
        paneTexts.emplace_back(nPane, lpszText ? lpszText : "");
    }
    void ShowHelpTopic(UINT nTopic) override {
        topics.push_back(nTopic);
        if (onTopic)
            onTopic(nTopic);
    }

    std::vector<std::pair<int, std::string>> paneTexts;
    std::vector<UINT> topics;
    std::function<void(UINT)> onTopic;

private:
    QZFrameServices* m_previous;
};

// What an update handler did to the item it was given.
class RecordingCmdUI : public CCmdUI {
public:
    explicit RecordingCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn = TRUE) override {
        enabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetText(LPCTSTR lpszText) override { text = lpszText ? lpszText : ""; }

    int enabled = -1;
    std::string text;
};

// Runs the window system until `done` holds or the time is up; answers `done`.
inline bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000) {
    wxStopWatch watch;
    while (!done() && watch.Time() < milliseconds) {
        SettleWindows();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

// Runs the window system for a while (timers fire).
inline void PumpFor(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

// Saves what the screen shows of the window as a PNG; true when the file was written.
inline bool ScreenshotOf(wxWindow* window, const std::string& path) {
    SettleWindows();
    PumpFor(300);
    const wxRect rect = window->GetScreenRect();
    const std::string command = "import -silent -window root -crop " + std::to_string(rect.width) +
                                "x" + std::to_string(rect.height) + "+" + std::to_string(rect.x) +
                                "+" + std::to_string(rect.y) + " +repage '" + path +
                                "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

// Where the screenshots for a look by eye go: a folder under the system's temporary directory,
// outside the source tree so that they are never committed.
inline std::string ScreenshotPath(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "marquill-screenshots";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}
