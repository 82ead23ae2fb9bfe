#pragma once
// Answers the window system's colour dialog through wx's modal dialog hook, as a user would:
// picks a colour in it and presses OK, or cancels. Records the colour it was opened with.

#include <wx/colordlg.h>
#include <wx/modalhook.h>

#include <dlfcn.h>

class ColourDialogAnswer : public wxModalDialogHook {
public:
    ColourDialogAnswer(int answer, wxColour pick) : m_answer(answer), m_pick(pick) { Register(); }
    ~ColourDialogAnswer() override { Unregister(); }

    int Enter(wxDialog* dialog) override {
        auto* colours = dynamic_cast<wxColourDialog*>(dialog);
        if (!colours)
            return wxID_NONE;
        ++opened;
        shownColour = colours->GetColourData().GetColour();
        Pick(colours);
        return m_answer;
    }
    void Exit(wxDialog*) override {}

    int opened = 0;
    wxColour shownColour;

private:
    // The desktop's dialog reads the colour back from its colour editor; the toolkit's calls
    // are found at run time, as the ui layer keeps them to itself.
    void Pick(wxColourDialog* dialog) const {
        struct Rgba {
            double red, green, blue, alpha;
        };
        using Selection = void* (*)(void*);
        using SetColour = void (*)(void*, const Rgba*);
        const auto selection = reinterpret_cast<Selection>(
            dlsym(RTLD_DEFAULT, "gtk_color_selection_dialog_get_color_selection"));
        const auto set = reinterpret_cast<SetColour>(
            dlsym(RTLD_DEFAULT, "gtk_color_selection_set_current_rgba"));
        if (!selection || !set)
            return;
        const Rgba colour{m_pick.Red() / 255.0, m_pick.Green() / 255.0, m_pick.Blue() / 255.0, 1};
        set(selection(dialog->GetHandle()), &colour);
    }

    int m_answer;
    wxColour m_pick;
};
