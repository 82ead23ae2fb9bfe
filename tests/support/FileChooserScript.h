#pragma once
// Plays the user at the desktop's modal dialogs, through wx's modal dialog hook, for window
// tests. A file chooser is left to open; once it shows its folder, what it shows is noted (and
// the screen saved when a screenshot file is given), then the next scripted answer is given in
// the chooser itself: a file selected and Open pressed, or Cancel pressed. A message box is
// answered OK at once and its text kept. The toolkit's calls are found at run time, as the ui
// layer keeps the toolkit to itself. Header only: the ui test programs that include it link wx.

#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>

#include <cstdlib>
#include <deque>
#include <dlfcn.h>
#include <memory>
#include <string>
#include <vector>

// The chooser keeps its own settings through the desktop's settings service; without a session
// bus (as under Xvfb) that only fails noisily, so they stay in memory.
inline const int g_chooserSettingsInMemory = setenv("GSETTINGS_BACKEND", "memory", 0);

class FileChooserScript : public wxModalDialogHook {
public:
    // What one chooser showed when it opened.
    struct Shown {
        std::string folder;
        std::string selected;              // the file shown selected, if any
        std::vector<std::string> filters;  // the filter entries' names, in order
        std::string filter;                // the entry in use
        std::vector<std::string> accepted; // the probe names that entry lets through
    };

    FileChooserScript() { Register(); }
    ~FileChooserScript() override { Unregister(); }

    // The next chooser: select `path` and press Open; or press Cancel. With a screenshot file,
    // the screen is saved there once the chooser shows its folder.
    void Choose(const std::string& path, const std::string& screenshot = "") {
        m_answers.push_back({path, screenshot});
    }
    void Cancel(const std::string& screenshot = "") { m_answers.push_back({"", screenshot}); }
    // File names to try on the filter in use (they need not exist).
    std::vector<std::string> probes;

    std::vector<Shown> shown;
    std::vector<std::string> messages;

protected:
    int Enter(wxDialog* dialog) override {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back(box->GetMessage().utf8_string());
            return wxID_OK;
        }
        auto* chooser = dynamic_cast<wxFileDialog*>(dialog);
        // The file dialog passes the hook twice on its way to showing itself.
        if (!chooser || chooser == m_chooser)
            return wxID_NONE;
        if (m_answers.empty()) {
            ADD_FAILURE() << "a file chooser that the test did not expect";
            return wxID_CANCEL;
        }
        KeepNoRecentFiles();
        m_answer = m_answers.front();
        m_answers.pop_front();
        m_chooser = chooser;
        m_ticks = 0;
        m_selecting = false;
        m_timer = std::make_unique<wxTimer>();
        m_timer->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Tick(); });
        m_timer->Start(100);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override {
        if (dialog != m_chooser)
            return;
        m_timer.reset();
        m_chooser = nullptr;
    }

private:
    struct Answer {
        std::string path; // empty: Cancel
        std::string screenshot;
    };
    struct FilterInfo {
        int contains;
        const char* filename;
        const char* uri;
        const char* displayName;
        const char* mimeType;
    };
    struct List {
        void* data;
        List* next;
    };
    static constexpr int kAccept = -3; // the toolkit's response ids
    static constexpr int kCancel = -6;
    static constexpr int kDisplayName = 4;

    template <typename Function> static Function Toolkit(const char* name) {
        return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
    }
    static std::string Owned(char* text) {
        std::string result = text ? text : "";
        Toolkit<void (*)(void*)>("g_free")(text);
        return result;
    }

    // Choosing a file would add it to the user's recently used files.
    static void KeepNoRecentFiles() {
        void* settings = Toolkit<void* (*)()>("gtk_settings_get_default")();
        Toolkit<void (*)(void*, const char*, ...)>("g_object_set")(
            settings, "gtk-recent-files-enabled", 0, nullptr);
    }

    void Tick() {
        void* widget = m_chooser->GetHandle();
        if (++m_ticks > 150) {
            ADD_FAILURE() << "the file chooser did not do as the test asked";
            Respond(widget, kCancel);
            return;
        }
        if (m_selecting) {
            if (Owned(Toolkit<char* (*)(void*)>("gtk_file_chooser_get_filename")(widget)) ==
                m_answer.path)
                Respond(widget, kAccept);
            return;
        }
        // Give the chooser a moment to draw itself and list its folder.
        const std::string folder =
            Owned(Toolkit<char* (*)(void*)>("gtk_file_chooser_get_current_folder")(widget));
        if (folder.empty() || !m_chooser->IsShown() || m_ticks < 5)
            return;
        Note(widget, folder);
        if (!m_answer.screenshot.empty()) {
            const std::string command = "import -window root '" + m_answer.screenshot + "'";
            EXPECT_EQ(std::system(command.c_str()), 0);
        }
        if (m_answer.path.empty()) {
            Respond(widget, kCancel);
            return;
        }
        Toolkit<int (*)(void*, const char*)>("gtk_file_chooser_select_filename")(
            widget, m_answer.path.c_str());
        m_selecting = true;
    }

    void Note(void* widget, const std::string& folder) {
        Shown now;
        now.folder = folder;
        now.selected = Owned(Toolkit<char* (*)(void*)>("gtk_file_chooser_get_filename")(widget));
        const auto name = Toolkit<const char* (*)(void*)>("gtk_file_filter_get_name");
        List* filters = Toolkit<List* (*)(void*)>("gtk_file_chooser_list_filters")(widget);
        for (List* item = filters; item; item = item->next)
            now.filters.push_back(name(item->data));
        Toolkit<void (*)(List*)>("g_slist_free")(filters);
        if (void* filter = Toolkit<void* (*)(void*)>("gtk_file_chooser_get_filter")(widget)) {
            now.filter = name(filter);
            const auto lets = Toolkit<int (*)(void*, const FilterInfo*)>("gtk_file_filter_filter");
            for (const std::string& probe : probes) {
                const FilterInfo info{kDisplayName, nullptr, nullptr, probe.c_str(), nullptr};
                if (lets(filter, &info))
                    now.accepted.push_back(probe);
            }
        }
        shown.push_back(now);
    }

    static void Respond(void* widget, int response) {
        Toolkit<void (*)(void*, int)>("gtk_dialog_response")(widget, response);
    }

    std::deque<Answer> m_answers;
    Answer m_answer;
    wxFileDialog* m_chooser = nullptr;
    std::unique_ptr<wxTimer> m_timer;
    int m_ticks = 0;
    bool m_selecting = false;
};
