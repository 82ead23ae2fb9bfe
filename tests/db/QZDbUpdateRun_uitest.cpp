// An update shows its progress in the progress dialog while the main window waits.

#include "db/QZDbUpdate.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/MessagePump.h"
#include "res/Resources.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/stattext.h>

#include <string>
#include <vector>

namespace {

wxWindow* ProgressDialog() {
    for (wxWindow* window : wxTopLevelWindows)
        if (window->GetLabel() == "Please Wait:  Converting Database..." &&
            !window->IsBeingDeleted())
            return window;
    return nullptr;
}

template <typename Control> Control* ChildOf(wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren()) {
        if (auto* control = dynamic_cast<Control*>(child))
            return control;
        if (Control* inner = ChildOf<Control>(child))
            return inner;
    }
    return nullptr;
}

// At each step, before the bar moves: the bar's position, the status line and whether the main
// window takes input.
class WatchingPump : public MessagePump {
public:
    explicit WatchingPump(CWnd& main) : m_main(main) {}
    void PumpWaitingMessages() override {
        wxWindow* dialog = ProgressDialog();
        if (!dialog) {
            seen.push_back("no dialog");
            return;
        }
        wxGauge* bar = ChildOf<wxGauge>(dialog);
        wxStaticText* status = ChildOf<wxStaticText>(dialog);
        seen.push_back(std::to_string(bar ? bar->GetValue() : -1) + " " +
                       (status ? status->GetLabel().ToStdString() : "?") +
                       (m_main.IsWindowEnabled() ? " main enabled" : ""));
    }
    std::vector<std::string> seen;

private:
    CWnd& m_main;
};

TEST(QZDbUpdateRunUi, UpdateNamesEachStepWhileTheMainWindowWaits) {
    RegisterResources();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Main window", wxPoint(20, 20), wxSize(600, 400));
    frame->Show();
    CWnd main;
    main.Attach(frame);
    SetMainWnd(&main);

    TempDir dir;
    std::string path = dir.file("mq.mdb");
    CreateSiteDatabase(path, 7);
    ExecuteOn(path, "UPDATE Marquill SET VersionNumber = '1.29'");
    WatchingPump pump(main);
    MessagePump* previous = SetMessagePump(&pump);
    MessageBoxRecorder boxes;
    QZDbUpdate update;
    EXPECT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(path.c_str(), 1));
    SetMessagePump(previous);

    EXPECT_EQ((std::vector<std::string>{"0 ", "10 InitDbUpdate", "20 CreateTables",
                                        "30 DeleteQueryDefs", "40 CreateQueryDefs"}),
              pump.seen);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_TRUE(main.IsWindowEnabled());
    SettleWindows();
    EXPECT_EQ(nullptr, ProgressDialog());

    SetMainWnd(nullptr);
    main.DestroyWindow();
    SettleWindows();
}

} // namespace
