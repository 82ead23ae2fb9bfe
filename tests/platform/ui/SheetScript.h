#pragma once
// Plays the user at a property sheet run modally, through wx's modal dialog hook: once the sheet
// shows, the scripted steps run one after the other, each after the window system has handled
// the one before. A sheet still open after the last step is a failure and is ended.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/timer.h>

#include <cstdlib>
#include <deque>
#include <dlfcn.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class SheetScript : public wxModalDialogHook {
public:
    using Step = std::function<void(wxDialog&)>;

    explicit SheetScript(std::vector<Step> steps) : m_steps(steps.begin(), steps.end()) {
        m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Tick(); });
        Register();
    }
    ~SheetScript() override { Unregister(); }

    size_t StepsLeft() const { return m_steps.size(); }
    int shown = 0;

protected:
    int Enter(wxDialog* dialog) override {
        if (dynamic_cast<wxMessageDialog*>(dialog))
            return wxID_OK;
        ++shown;
        m_dialog = dialog;
        m_timer.StartOnce(kPause);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override {
        if (dialog != m_dialog)
            return;
        m_timer.Stop();
        m_dialog = nullptr;
    }

private:
    static constexpr int kPause = 30; // ms: long enough for the toolkit to lay the sheet out

    void Tick() {
        if (!m_dialog)
            return;
        if (m_steps.empty()) {
            ADD_FAILURE() << "the sheet is still open after the last step";
            m_dialog->EndModal(wxID_ABORT);
            return;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(*m_dialog);
        if (m_dialog && m_dialog->IsModal())
            m_timer.StartOnce(kPause);
    }

    std::deque<Step> m_steps;
    wxDialog* m_dialog = nullptr;
    wxTimer m_timer;
};

// The sheet's own button `id` (IDOK, ID_WIZNEXT, ...), or nullptr.
inline wxButton* SheetButton(wxDialog& sheet, int id) {
    for (wxWindow* child : sheet.GetChildren()) {
        if (child->GetId() == id)
            return dynamic_cast<wxButton*>(child);
    }
    return nullptr;
}

// Clicks a button as a user can: only when it shows and is enabled.
inline void Click(wxDialog& sheet, int id) {
    wxButton* button = SheetButton(sheet, id);
    ASSERT_NE(button, nullptr) << "no button " << id;
    ASSERT_TRUE(button->IsShown() && button->IsEnabled())
        << "button " << id << " cannot be pressed";
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

inline wxNotebook* Tabs(wxDialog& sheet) {
    for (wxWindow* child : sheet.GetChildren()) {
        if (auto* tabs = dynamic_cast<wxNotebook*>(child))
            return tabs;
    }
    return nullptr;
}

// The tab the toolkit shows (which a refused change must leave as it was).
inline int ShownTab(wxDialog& sheet) {
    using Current = int (*)(void*);
    const auto current =
        reinterpret_cast<Current>(dlsym(RTLD_DEFAULT, "gtk_notebook_get_current_page"));
    wxNotebook* tabs = Tabs(sheet);
    return current && tabs ? current(tabs->GetHandle()) : -1;
}

// Clicks the tab at `index`, as the toolkit switches pages on a click (wx's own SetSelection
// notes the new page even when the change is refused); the sheet may refuse the change.
inline void ChooseTab(wxDialog& sheet, int index) {
    using SetCurrent = void (*)(void*, int);
    const auto set =
        reinterpret_cast<SetCurrent>(dlsym(RTLD_DEFAULT, "gtk_notebook_set_current_page"));
    wxNotebook* tabs = Tabs(sheet);
    ASSERT_NE(tabs, nullptr);
    ASSERT_NE(set, nullptr);
    set(tabs->GetHandle(), index);
}

// The control with the original's id on the page the sheet shows.
template <class Control> Control* Shown(wxDialog& sheet, int id) {
    std::vector<wxWindow*> windows{&sheet};
    while (!windows.empty()) {
        wxWindow* window = windows.back();
        windows.pop_back();
        if (window != &sheet && window->GetId() == id && window->IsShownOnScreen())
            if (auto* control = dynamic_cast<Control*>(window))
                return control;
        for (wxWindow* child : window->GetChildren())
            windows.push_back(child);
    }
    ADD_FAILURE() << "no control " << id << " shows";
    return nullptr;
}

// Saves the sheet as the screen shows it, when MQ_SCREENSHOT_DIR names a folder.
inline void SaveScreenshot(wxDialog& sheet, const std::string& name) {
    const char* folder = std::getenv("MQ_SCREENSHOT_DIR");
    if (!folder)
        return;
    const wxRect r = sheet.GetScreenRect();
    const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                                std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                                std::to_string(r.y) + " +repage '" + folder + "/" + name + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
