// The directory-name edit on a real display, typed into on the display's keyboard: blanks,
// slashes and backslashes never reach it while other keys do; text pasted or set by the program
// is not filtered, and the one directory-name rule judges it.

#include "platform/ui/WindowStyles.h"
#include "shell/QZDirectoryEdit.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/RealKeyboard.h"
#include "tests/support/TestSupport.h"

#include <wx/clipbrd.h>

#include <chrono>
#include <thread>

namespace {

class QZDirectoryEditTest : public ::testing::Test {
protected:
    QZDirectoryEditTest() {
        EXPECT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0, nullptr, nullptr, nullptr),
                                    "Directory", WS_POPUP | WS_VISIBLE | WS_CAPTION, 60, 60, 300,
                                    80, nullptr, 0));
        EXPECT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP,
                                CRect(10, 10, 290, 40), &parent, 1134));
        edit.SetFocus();
        Settle(300);
    }
    ~QZDirectoryEditTest() override {
        edit.DestroyWindow();
        parent.DestroyWindow();
        SettleWindows();
    }

    // Lets the window system work for a while: keys from the display arrive as events.
    static void Settle(int ms) {
        for (auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
             std::chrono::steady_clock::now() < end;) {
            SettleWindows();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // Types the keys into the edit with the pointer over it, and answers its text.
    std::string Type(std::initializer_list<const char*> keys, const char* modifier = nullptr) {
        RECT rect;
        edit.GetWindowRect(&rect);
        for (const char* key : keys) {
            keyboard.Press((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, key,
                           modifier);
            Settle(60);
        }
        Settle(200);
        return Text();
    }
    std::string Text() const {
        CString text;
        edit.GetWindowText(text);
        return text.str();
    }

    RealKeyboard keyboard;
    CWnd parent;
    QZDirectoryEdit edit;
};

TEST_F(QZDirectoryEditTest, TypedBlanksSlashesAndBackslashesNeverReachIt) {
    ASSERT_TRUE(keyboard.IsUsable()) << "no XTest on the display";
    EXPECT_EQ(Type({"a", "space", "b", "slash", "c", "backslash", "d", "period"}), "abcd.");
    EXPECT_EQ(Type({"BackSpace"}), "abcd") << "control keys still work";
}

TEST_F(QZDirectoryEditTest, PastedTextIsNotFilteredAndTheRuleJudgesIt) {
    ASSERT_TRUE(keyboard.IsUsable()) << "no XTest on the display";
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("my site/x"));
    wxTheClipboard->Close();
    EXPECT_EQ(Type({"v"}, "Control_L"), "my site/x");
    MessageBoxRecorder boxes;
    EXPECT_FALSE(QZDirectoryEdit::CheckDirectoryName(Text().c_str()));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Invalid directory name:  my site/x"});
}

TEST_F(QZDirectoryEditTest, TextSetByTheProgramIsKeptAsItIs) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{"news", true}, {"a b", false}, {"..", false}, {"a\\b", false}};
    for (const auto& c : cases) {
        edit.SetWindowText(c.text);
        EXPECT_EQ(Text(), c.text);
        MessageBoxRecorder boxes;
        EXPECT_EQ(QZDirectoryEdit::CheckDirectoryName(Text().c_str()), c.valid ? TRUE : FALSE);
        EXPECT_EQ(boxes.texts().size(), c.valid ? 0u : 1u) << c.text;
    }
}

TEST_F(QZDirectoryEditTest, TheLimitStopsTyping) {
    ASSERT_TRUE(keyboard.IsUsable()) << "no XTest on the display";
    edit.LimitText(3);
    EXPECT_EQ(Type({"a", "b", "c", "d"}), "abc");
}

} // namespace
