// The text editor views in real editor windows on the site database: each text tab loads its
// field unmodified and saves into it, bytes come back as they went in, a keystroke recolours its
// line alone, the status pane, and a read-only copy's greyed commands.

#include "content/commands/QZCmdImage.h"
#include "content/commands/RegisterContentCommands.h"
#include "editors/QZEditStyles.h"
#include "editors/QZEditView.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CommandIds.h"
#include "template/commands/QZCommandDialogs.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestHelpers.h"

#include <gtest/gtest.h>
#include <wx/event.h>
#include <wx/window.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

struct TextTab {
    size_t kind; // index in EditorKinds()
    const char* caption;
    const char* viewClass;
    const char* column;
    const char* otherColumn; // a text column of the same row the tab must leave alone
};

const std::vector<TextTab>& TextTabs() {
    static const std::vector<TextTab> tabs{
        {0, "Edit", "CVantrel3View", "ScriptBody", "Header"},
        {0, "Header", "QZHeaderView", "Header", "ScriptBody"},
        {1, "Macro", "QZVantrel3TemplateView", "ScriptBody", nullptr},
        {2, "Script", "QZScriptsView", "ScriptBody", nullptr},
        {8, "Form", "QZVantrelFormView", "ScriptBody", "ActionBody"},
        {8, "Action", "QZScriptView", "ActionBody", "ScriptBody"},
        {9, "Message", "QZMessageView", "Body", "SubjectLine"},
        {12, "Event Script", "QZEventView", "ScriptBody", nullptr},
    };
    return tabs;
}

// CRLF and lone line ends, UTF-8, bytes that are not UTF-8, tabs and coloured parts.
const std::string kCorpus = "<<print Date>>\r\n\tcaf\xc3\xa9 <b>bold</b>\n\xff\xfe raw\r\n"
                            "<!-- note -->\r\n<<if x>>yes<</if>>";

} // namespace

class TextEditorViewsTest : public EditorTest {
protected:
    // Opens row 12 of the tab's kind with the text in its column and "other" in the other one.
    QZEditView* OpenTab(const TextTab& tab, const std::string& text, LONG id = 12) {
        const EditorKind& kind = EditorKinds()[tab.kind];
        std::string columns = tab.column;
        std::string values = "'" + text + "'";
        if (tab.otherColumn) {
            columns += std::string(", ") + tab.otherColumn;
            values += ", 'other'";
        }
        AddKindRow(kind, id, "Home", columns, values);
        if (!Open(kind.type, id))
            return nullptr;
        SettleWindows();
        return ViewOf(tab.caption);
    }
};

TEST_F(TextEditorViewsTest, EachTextTabOpensUnmodifiedAndSavesIntoItsColumn) {
    LONG id = 12;
    for (const TextTab& tab : TextTabs()) {
        SCOPED_TRACE(tab.caption);
        const EditorKind& kind = EditorKinds()[tab.kind];
        ++id;
        QZEditView* view = OpenTab(tab, "<<print Date>>\r\nHello", id);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->GetRuntimeClass()->IsDerivedFrom(CRuntimeClass::FromName(tab.viewClass)));
        view->LoadFromObject();
        EXPECT_EQ(Text(*view), "<<print Date>>\r\nHello");
        EXPECT_FALSE(ActiveDocument()->IsModified());

        view->GetLogic().GetBuffer().SetSel(0, 0);
        view->GetLogic().GetControl().TypeText("A");
        EXPECT_TRUE(ActiveDocument()->IsModified());
        ActiveDocument()->SaveObject();
        EXPECT_EQ(Column(kind, id, tab.column), "A<<print Date>>\r\nHello");
        if (tab.otherColumn) {
            EXPECT_EQ(Column(kind, id, tab.otherColumn), "other");
        }
        CloseAll();
    }
}

TEST_F(TextEditorViewsTest, BytesComeBackAsTheyWentIn) {
    const TextTab& tab = TextTabs()[0];
    QZEditView* view = OpenTab(tab, kCorpus);
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    EXPECT_EQ(Text(*view), kCorpus);
    view->GetLogic().SetModified(TRUE);
    ActiveDocument()->SaveObject();
    EXPECT_EQ(Column(EditorKinds()[0], 12, tab.column), kCorpus);
}

TEST_F(TextEditorViewsTest, KeysTypedIntoACommandRecolourItsLineOnly) {
    QZEditView* view = OpenTab(TextTabs()[0], "<b>a</b>\r\n<<print Date>>\r\n<b>c</b>");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    QZRichEditCtrl& edit = view->GetEditCtrl();
    // Marks on the lines around: a recolour of them would wipe the marks.
    edit.SetStyle(0, 8, STYLE_COMMENT);
    edit.SetStyle(26, 8, STYLE_COMMENT);
    edit.SetSel(14, 14); // "<<pr|int"
    view->GetEditCtrl().OnEditChar("x");
    view->GetEditCtrl().OnEditChar("y");
    EXPECT_EQ(Text(*view), "<b>a</b>\r\n<<prxyint Date>>\r\n<b>c</b>");
    EXPECT_EQ(edit.GetStyleAt(10), edit.ControlStyle(STYLE_BRACKET));
    EXPECT_EQ(edit.GetStyleAt(13), edit.ControlStyle(STYLE_COMMAND));
    EXPECT_EQ(edit.GetStyleAt(15), edit.ControlStyle(STYLE_COMMAND));
    EXPECT_EQ(edit.GetStyleAt(0), edit.ControlStyle(STYLE_COMMENT));
    EXPECT_EQ(edit.GetStyleAt(30), edit.ControlStyle(STYLE_COMMENT));
    ASSERT_EQ(view->GetLogic().GetUndoList().size(), 4u);
}

TEST_F(TextEditorViewsTest, EnterBackspaceAndDeleteGoThroughTheRecording) {
    QZEditView* view = OpenTab(TextTabs()[0], "ab\ncd");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    QZRichEditCtrl& edit = view->GetEditCtrl();
    edit.SetSel(1, 1);
    EXPECT_TRUE(edit.OnEditKey(VK_RETURN, FALSE, FALSE, FALSE));
    EXPECT_EQ(Text(*view), "a\r\nb\ncd");
    EXPECT_TRUE(edit.OnEditKey(VK_BACK, FALSE, FALSE, FALSE));
    EXPECT_EQ(Text(*view), "ab\ncd");
    EXPECT_TRUE(edit.OnEditKey(VK_TAB, FALSE, FALSE, FALSE));
    EXPECT_TRUE(edit.OnEditKey(VK_DELETE, FALSE, FALSE, FALSE));
    EXPECT_EQ(Text(*view), "a\t\ncd");
    // Word deletion is none of the control's business.
    EXPECT_TRUE(edit.OnEditKey(VK_BACK, TRUE, FALSE, FALSE));
    EXPECT_EQ(Text(*view), "a\t\ncd");
    EXPECT_EQ(view->GetLogic().GetUndoList().size(), 8u);
    view->OnCmdMsg(57643, CN_COMMAND, nullptr, nullptr);
    view->OnCmdMsg(57643, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(Text(*view), "ab\ncd");
}

TEST_F(TextEditorViewsTest, StatusPaneShowsTheCaretsLineAndColumn) {
    QZEditView* view = OpenTab(TextTabs()[0], "ab\r\ncaf\xc3\xa9!");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    EXPECT_EQ(Update(*view, 172).text, " Ln 1, Col 1");
    view->GetEditCtrl().SetSel(4, 10);
    EXPECT_EQ(Update(*view, 172).text, " Ln 2, Col 6");
}

TEST_F(TextEditorViewsTest, AReadOnlyCopysEditingCommandsAreGreyedAndChangeNothing) {
    QZEditView* view = OpenTab(TextTabs()[0], "<<print Date>>");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    view->GetLogic().GetControl().TypeText("x");
    ActiveDocument()->GetContentObject()->m_bEditable = FALSE;
    view->OnInitialUpdate();
    ActiveDocument()->SetModifiedFlag(FALSE);
    ASSERT_TRUE(view->GetLogic().IsReadOnly());
    // Undo (with a pair recorded before), Redo, Properties and an insertion command.
    for (UINT id : {57643u, 57644u, 32815u, 32800u}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(Update(*view, id).enabled);
        view->OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
    }
    view->GetEditCtrl().OnEditChar("y");
    view->GetEditCtrl().OnEditKey(VK_BACK, FALSE, FALSE, FALSE);
    view->GetEditCtrl().OnEditKey(VK_RETURN, FALSE, FALSE, FALSE);
    view->InsertText("<<x>>");
    EXPECT_EQ(Text(*view), "<<print Date>>");
    EXPECT_FALSE(ActiveDocument()->IsModified());
    EXPECT_FALSE(Update(*view, ID_EDIT_COPY).enabled);
    view->OnCmdMsg(ID_EDIT_SELECT_ALL, CN_COMMAND, nullptr, nullptr);
    EXPECT_TRUE(Update(*view, ID_EDIT_COPY).enabled);
    EXPECT_TRUE(Update(*view, ID_EDIT_FIND).enabled);
}

TEST_F(TextEditorViewsTest, ColouredTextScreenshot) {
    QZEditView* view = OpenTab(TextTabs()[0], "<<print Date>> <b>tag</b> text\r\n// comment\r\n"
                                              "<<if x>>yes<</if>>");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    QZRichEditCtrl& edit = view->GetEditCtrl();
    EXPECT_EQ(edit.GetStyleAt(0), edit.ControlStyle(STYLE_BRACKET));
    EXPECT_EQ(edit.GetStyleAt(2), edit.ControlStyle(STYLE_COMMAND));
    EXPECT_EQ(edit.GetStyleAt(15), edit.ControlStyle(STYLE_TAG));
    EXPECT_EQ(edit.GetStyleAt(26), edit.ControlStyle(STYLE_TEXT));
    EXPECT_EQ(edit.GetStyleAt(34), edit.ControlStyle(STYLE_COMMENT));
    // Only the page text shows in the picture.
    ShowOnlyTab(view);
    SettleWindows();
    view->GetEditCtrl().Invalidate();
    for (int i = 0; i < 10; ++i) {
        SettleWindows();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    if (const char* out = std::getenv("MQ_EDITOR_SHOT")) {
        const std::string command = std::string("import -window root ") + out;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
}

namespace {

// The image dialog: OK after choosing image 5:3, counting its openings.
class ImageDialog : public QZCommandDialogs {
public:
    ImageDialog() { m_previous = SetCommandDialogs(this); }
    ~ImageDialog() override { SetCommandDialogs(m_previous); }

    int ImageProps(QZCommandBase& command, BOOL&, const CString&) override {
        shown++;
        dynamic_cast<QZCmdImage&>(command).SetImageKey(QZKeyCombo(5, 3, OBJ_IMAGE));
        return IDOK;
    }

    int shown = 0;

private:
    QZCommandDialogs* m_previous = nullptr;
};

} // namespace

TEST_F(TextEditorViewsTest, DoubleClickSelectsACommandAndWithCtrlOrF8EditsIt) {
    ImageDialog dialog;
    RegisterContentCommands();
    QZEditView* view = OpenTab(TextTabs()[0], "<p><<image :4>></p>");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    QZRichEditCtrl& edit = view->GetEditCtrl();
    edit.SetSel(6, 6);
    EXPECT_TRUE(edit.OnEditDblClk(FALSE));
    EXPECT_EQ(edit.GetSelText().str(), "<<image :4>>");
    EXPECT_EQ(dialog.shown, 0);

    edit.SetSel(6, 6);
    EXPECT_TRUE(edit.OnEditDblClk(TRUE));
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(Text(*view), "<p><<image :3>></p>");

    edit.SetSel(3, 15);
    EXPECT_TRUE(Update(*view, 32815).enabled);
    view->OnCmdMsg(32815, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(dialog.shown, 2);
    EXPECT_TRUE(ActiveDocument()->IsModified());
}

TEST_F(TextEditorViewsTest, TheSiteBrowsersTextGoesInAtTheActiveEditorsCaret) {
    QZEditView* view = OpenTab(TextTabs()[0], "ab");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    ASSERT_EQ(ActiveFrame()->GetActiveView(), view);
    view->GetEditCtrl().SetSel(1, 1);
    m_services.InsertTextInActiveEditor("<<macro :3>>");
    EXPECT_EQ(Text(*view), "a<<macro :3>>b");
    EXPECT_EQ(view->GetLogic().GetUndoList().size(), 2u);
}

namespace {

void SendKey(wxWindow* window, wxEventType type, int keyCode, wxChar32 character = 0,
             bool ctrl = false) {
    wxKeyEvent event(type);
    event.SetEventObject(window);
    event.m_keyCode = keyCode;
    event.m_uniChar = character;
    event.SetControlDown(ctrl);
    window->GetEventHandler()->ProcessEvent(event);
}

} // namespace

TEST_F(TextEditorViewsTest, TheControlsKeysReachTheRecordingAndItsOwnEditingKeysAreOff) {
    QZEditView* view = OpenTab(TextTabs()[0], "ab\ncd");
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    wxWindow* control = view->GetEditCtrl().GetSafeHwnd();
    view->GetEditCtrl().SetSel(2, 2);
    SendKey(control, wxEVT_CHAR, 0xE9, 0xE9);
    SendKey(control, wxEVT_KEY_DOWN, WXK_RETURN);
    SendKey(control, wxEVT_CHAR, WXK_RETURN, WXK_RETURN);
    EXPECT_EQ(Text(*view), "ab\xc3\xa9\r\n\ncd");
    SendKey(control, wxEVT_KEY_DOWN, WXK_BACK);
    EXPECT_EQ(Text(*view), "ab\xc3\xa9\ncd");
    // The control's own undo, cut and line deletion do nothing.
    view->GetEditCtrl().SetSel(0, 2);
    SendKey(control, wxEVT_KEY_DOWN, 'Z', 0, true);
    SendKey(control, wxEVT_KEY_DOWN, 'X', 0, true);
    SendKey(control, wxEVT_KEY_DOWN, 'L', 0, true);
    EXPECT_EQ(Text(*view), "ab\xc3\xa9\ncd");
    EXPECT_EQ(view->GetLogic().GetUndoList().size(), 6u);
    EXPECT_TRUE(ActiveDocument()->IsModified());
}
