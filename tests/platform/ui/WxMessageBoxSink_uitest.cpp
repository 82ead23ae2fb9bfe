#include "platform/ui/CWnd.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WxMessageBoxSink.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <string>

namespace {

// Answers every modal dialog with a fixed button instead of showing it, and keeps what the
// dialog was asked to show.
class AnsweringHook : public wxModalDialogHook {
public:
    explicit AnsweringHook(int answer) : m_answer(answer) { Register(); }

    int shown = 0;
    std::string message, caption, yes, no, ok, cancel;
    long style = 0;
    wxWindow* parent = nullptr;

protected:
    int Enter(wxDialog* dialog) override {
        ++shown;
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            message = box->GetMessage().utf8_string();
            caption = box->GetTitle().utf8_string();
            style = box->GetMessageDialogStyle();
            yes = box->GetYesLabel().utf8_string();
            no = box->GetNoLabel().utf8_string();
            ok = box->GetOKLabel().utf8_string();
            cancel = box->GetCancelLabel().utf8_string();
            parent = box->GetParent();
        }
        return m_answer;
    }
    void Exit(wxDialog*) override {}

private:
    int m_answer;
};

// A button label without its mnemonic mark (wx's "&" or the toolkit's "_").
std::string WithoutMnemonic(std::string label) {
    std::erase_if(label, [](char ch) { return ch == '&' || ch == '_'; });
    return label;
}

} // namespace

TEST(WxMessageBoxSink, ShowsTheTextInARealMessageDialog) {
    WxMessageBoxSink sink("Marquill");
    MessageBoxSink* previous = SetMessageBoxSink(&sink);
    AnsweringHook hook(wxID_OK);
    const char* text = "Update Successful!\n\tline two \xC3\xA9";
    EXPECT_EQ(AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION), IDOK);
    SetMessageBoxSink(previous);
    EXPECT_EQ(hook.shown, 1);
    EXPECT_EQ(hook.message, text);
    EXPECT_EQ(hook.caption, "Marquill");
    EXPECT_TRUE(hook.style & wxICON_WARNING);
    EXPECT_FALSE(hook.style & wxCANCEL);
}

TEST(WxMessageBoxSink, ButtonSetsAndAnswersFollowTheBoxType) {
    struct Case {
        UINT type;
        long buttons;      // wx buttons the dialog must have
        int wxAnswer;      // what the user presses
        int expected;      // what the caller gets
        const char* yesOk; // first button's label when relabelled, else ""
    };
    const Case cases[] = {
        {MB_OK, wxOK, wxID_OK, IDOK, ""},
        {MB_OK, wxOK, wxID_CANCEL, IDOK, ""},
        {MB_OKCANCEL, wxOK | wxCANCEL, wxID_OK, IDOK, ""},
        {MB_OKCANCEL, wxOK | wxCANCEL, wxID_CANCEL, IDCANCEL, ""},
        {MB_YESNO, wxYES_NO, wxID_YES, IDYES, ""},
        {MB_YESNO, wxYES_NO, wxID_NO, IDNO, ""},
        {MB_YESNO, wxYES_NO, wxID_CANCEL, IDNO, ""},
        {MB_YESNOCANCEL, wxYES_NO | wxCANCEL, wxID_CANCEL, IDCANCEL, ""},
        {MB_YESNOCANCEL, wxYES_NO | wxCANCEL, wxID_NO, IDNO, ""},
        {MB_ABORTRETRYIGNORE, wxYES_NO | wxCANCEL, wxID_YES, IDABORT, "Abort"},
        {MB_ABORTRETRYIGNORE, wxYES_NO | wxCANCEL, wxID_NO, IDRETRY, "Abort"},
        {MB_ABORTRETRYIGNORE, wxYES_NO | wxCANCEL, wxID_CANCEL, IDIGNORE, "Abort"},
        {MB_RETRYCANCEL, wxOK | wxCANCEL, wxID_OK, IDRETRY, "Retry"},
        {MB_RETRYCANCEL, wxOK | wxCANCEL, wxID_CANCEL, IDCANCEL, "Retry"},
    };
    WxMessageBoxSink sink("Marquill");
    for (const Case& c : cases) {
        AnsweringHook hook(c.wxAnswer);
        EXPECT_EQ(sink.Show("Question?", c.type, 0), c.expected) << c.type << " " << c.wxAnswer;
        EXPECT_EQ(hook.style & (wxOK | wxYES_NO | wxCANCEL), c.buttons) << c.type;
        if (*c.yesOk) {
            EXPECT_EQ(WithoutMnemonic((c.buttons & wxYES_NO) ? hook.yes : hook.ok), c.yesOk)
                << c.type;
        }
    }
}

TEST(WxMessageBoxSink, IconAndDefaultButtonFollowTheBoxType) {
    struct Case {
        UINT type;
        long expected;
        long mask;
    };
    const long icons = wxICON_ERROR | wxICON_QUESTION | wxICON_WARNING | wxICON_INFORMATION;
    const long defaults = wxNO_DEFAULT | wxCANCEL_DEFAULT;
    const Case cases[] = {
        {MB_OK, 0, icons},
        {MB_OK | MB_ICONSTOP, wxICON_ERROR, icons},
        {MB_YESNO | MB_ICONQUESTION, wxICON_QUESTION, icons},
        {MB_OK | MB_ICONINFORMATION, wxICON_INFORMATION, icons},
        {MB_YESNO, 0, defaults},
        {MB_YESNO | MB_DEFBUTTON2, wxNO_DEFAULT, defaults},
        {MB_OKCANCEL | MB_DEFBUTTON2, wxCANCEL_DEFAULT, defaults},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, wxCANCEL_DEFAULT, defaults},
    };
    WxMessageBoxSink sink("Marquill");
    for (const Case& c : cases) {
        AnsweringHook hook(wxID_OK);
        sink.Show("Text", c.type, 0);
        EXPECT_EQ(hook.style & c.mask, c.expected) << c.type;
    }
}

TEST(WxMessageBoxSink, BoxOpensOverTheMainWindow) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Main");
    frame->Show();
    CWnd main;
    main.Attach(frame);
    SetMainWnd(&main);
    WxMessageBoxSink sink("Marquill");
    AnsweringHook hook(wxID_OK);
    sink.Show("Text", MB_OK, 0);
    SetMainWnd(nullptr);
    EXPECT_EQ(hook.parent, frame);
}
