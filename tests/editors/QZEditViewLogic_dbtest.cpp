// The editor on objects of a site database: Use Wizards sends the object commands through
// their property dialogs (answered by a fake), the command at the caret is selected and its
// dialog rewrites it, and a page's header and a form's action text load and store their own
// fields.

#include "content/QZVantrelForm.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "editors/QZEditTargets.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZInsertCommands.h"
#include "editors/QZMemoryTextBuffer.h"
#include "template/commands/QZCommandDialogs.h"
#include "tests/content/ContentKinds.h"
#include "tests/content/ObjectCommandFixture.h"
#include "tests/editors/TextEditorFixture.h"

#include <functional>

namespace {

// Keeps every text handed to the parser on its way to a command.
class RecordingTarget : public QZTemplateEditTarget {
public:
    using QZTemplateEditTarget::QZTemplateEditTarget;
    QZCommandBase* SetSourceText(const CString& text) override {
        parsed.push_back(text.str());
        return QZTemplateEditTarget::SetSourceText(text);
    }
    std::vector<std::string> parsed;
};

// The image and link dialogs: OK after choosing image 5:3 or page 5:41, or Cancel.
class FakeDialogs : public QZCommandDialogs {
public:
    FakeDialogs() { m_previous = SetCommandDialogs(this); }
    ~FakeDialogs() override { SetCommandDialogs(m_previous); }

    int ImageProps(QZCommandBase& command, BOOL&, const CString&) override {
        shown++;
        if (ok) {
            // As the dialog does when an image is chosen: its size too.
            auto& image = dynamic_cast<QZCmdImage&>(command);
            image.SetImageKey(QZKeyCombo(5, 3, OBJ_IMAGE));
            image.m_nHeight = 31;
            image.m_nWidth = 88;
        }
        return ok ? IDOK : IDCANCEL;
    }
    int IntLinkProps(QZCommandBase& command, const CString&) override {
        shown++;
        if (ok)
            dynamic_cast<QZCmdIntLink&>(command).SetTargetKey(QZKeyCombo(5, 41, OBJ_PAGE));
        return ok ? IDOK : IDCANCEL;
    }

    bool ok = true;
    int shown = 0;

private:
    QZCommandDialogs* m_previous;
};

class EditorDbTest : public ObjectCommandTest {
protected:
    void SetUp() override {
        ObjectCommandTest::SetUp();
        AddPage(41, "Offers", "FileName", "'p2.html'");
    }
    // Page 40 with this text in an editor, the selection given.
    void Open(const std::string& text, LONG selStart, LONG selEnd) {
        // The page of an earlier editor lets its claim go first.
        m_view.reset();
        m_target.reset();
        m_page.reset();
        m_page = EditPage(text);
        m_target = std::make_unique<RecordingTarget>(*m_page);
        m_view = std::make_unique<QZEditViewLogic>(m_buffer, m_target.get());
        m_view->OnInitialUpdate();
        m_buffer.SetSel(selStart, selEnd);
    }
    std::string Text() const { return m_buffer.GetText().str(); }

    FakeDialogs m_dialogs;
    std::unique_ptr<QZVantrelPage> m_page;
    std::unique_ptr<RecordingTarget> m_target;
    QZMemoryTextBuffer m_buffer;
    std::unique_ptr<QZEditViewLogic> m_view;
};

TEST_F(EditorDbTest, UseWizardsSendsTheObjectCommandsThroughTheirDialogs) {
    struct Case {
        const char* name;
        UINT id;
        bool ok;
        std::string parsed;
        std::string after;
        std::vector<std::string> pairs;
    } cases[] = {
        {"image, OK",
         32762,
         true,
         "<<image :000>>",
         "a <<image :3>> b",
         {"word@2-6/0", "<<image :3>>@2-14/0"}},
        {"image, Cancel", 32762, false, "<<image :000>>", "a word b", {}},
        {"internal link, OK: the selection is replaced",
         32793,
         true,
         "<<link :000>>",
         "a <<link :41>>\r\n<</link>> b",
         {"word@2-6/0", "<<link :41>>\r\n<</link>>@2-25/0"}},
        {"internal link, Cancel", 32793, false, "<<link :000>>", "a word b", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open("a word b", 2, 6);
        m_dialogs.ok = c.ok;
        m_dialogs.shown = 0;
        QZInsertCommands(*m_view, TRUE).Run(c.id);
        EXPECT_EQ(m_dialogs.shown, 1);
        EXPECT_EQ(m_target->parsed, (std::vector<std::string>{c.parsed}));
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(Editor::Records(m_view->GetUndoList()), c.pairs);
        EXPECT_EQ(m_view->IsModified(), c.ok);
    }
}

TEST_F(EditorDbTest, WithoutKeepingTheSelectionItFollowsTheDialogsText) {
    Open("a word b", 2, 6);
    m_view->InsertCommandWithProperties(QZCmdIntLink::GetSkeleton(), FALSE);
    EXPECT_EQ(Text(), "a <<link :41>>word\r\n<</link>> b");
}

TEST_F(EditorDbTest, TheCommandAtTheCaretIsSelectedOrTheTextBetweenTwo) {
    //                    0         1         2
    //                    0123456789012345678901234567
    const std::string line = "ab<<dump>>cd<<macro :12>>ef";
    struct Case {
        std::string text;
        LONG selStart, selEnd;
        BOOL found;
        const char* selected;
    } cases[] = {
        {line, 5, 5, TRUE, "<<dump>>"},
        {line, 11, 11, TRUE, "cd"},
        {line, 15, 15, TRUE, "<<macro :12>>"},
        {"x\r\n" + line, 3 + 15, 3 + 15, TRUE, "<<macro :12>>"},
        {line, 0, 0, FALSE, ""}, // no bracket before it: the selection stays
        {"plain words", 3, 4, FALSE, "i"},
        {"", 0, 0, FALSE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " at " + std::to_string(c.selStart));
        Open(c.text, c.selStart, c.selEnd);
        EXPECT_EQ(m_view->GetControl().SelectCommandAtCaret(FALSE), c.found);
        EXPECT_EQ(m_buffer.GetSelText().str(), c.selected);
    }
    EXPECT_EQ(m_dialogs.shown, 0);
}

TEST_F(EditorDbTest, PropertiesRewriteTheCommandAtTheCaretWithAnUndoPair) {
    Open("<p><<image :4>></p>", 6, 6);
    EXPECT_TRUE(m_view->GetControl().SelectCommandAtCaret(TRUE));
    EXPECT_EQ(m_dialogs.shown, 1);
    EXPECT_EQ(Text(), "<p><<image :3>></p>");
    EXPECT_EQ(Editor::Records(m_view->GetUndoList()),
              (std::vector<std::string>{"<<image :4>>@3-15/0", "<<image :3>>@3-15/0"}));
    EXPECT_EQ(m_buffer.GetStyles(), "222"
                                    "44"
                                    "11111111"
                                    "44"
                                    "2222");
    // Cancel leaves the text; a selection that is no command opens nothing.
    m_dialogs.ok = false;
    m_buffer.SetSel(3, 15);
    m_view->GetControl().EditCommandProperties();
    m_buffer.SetSel(0, 3);
    m_view->GetControl().EditCommandProperties();
    EXPECT_EQ(m_dialogs.shown, 2);
    EXPECT_EQ(Text(), "<p><<image :3>></p>");
}

TEST_F(EditorDbTest, ACopyWhoseClaimIsHeldOpensReadOnlyAndStillSelects) {
    Open("<p><<image :4>></p>", 6, 6);
    auto copy = LoadPage(40);
    RecordingTarget target(*copy);
    QZMemoryTextBuffer buffer;
    QZEditViewLogic view(buffer, &target);
    view.OnInitialUpdate();
    EXPECT_TRUE(view.IsReadOnly());
    EXPECT_FALSE(view.IsModified());
    buffer.SetSel(6, 6);
    QZInsertCommands(view, TRUE).Run(32762);
    EXPECT_TRUE(view.GetControl().SelectCommandAtCaret(TRUE));
    EXPECT_EQ(buffer.GetSelText().str(), "<<image :4>>");
    EXPECT_EQ(m_dialogs.shown, 0);
    EXPECT_EQ(buffer.GetText().str(), "<p><<image :4>></p>");
    EXPECT_TRUE(view.GetUndoList().empty());
    EXPECT_FALSE(view.IsModified());
}

TEST_F(EditorDbTest, TheHeaderAndTheActionTextLoadAndStoreTheirOwnFields) {
    Update(ContentKindOf(OBJ_PAGE), 40, "Header = '<<print Title>>\r\n'");
    auto page = LoadPage(40);
    QZHeaderEditTarget header(*page);
    QZMemoryTextBuffer headerBuffer;
    QZEditViewLogic headerView(headerBuffer, &header);
    headerView.OnInitialUpdate();
    EXPECT_EQ(headerBuffer.GetText().str(), "<<print Title>>\r\n");
    EXPECT_EQ(headerBuffer.GetStyles(), "441111111111144"
                                        "00");
    headerBuffer.SetSel(17, 17);
    headerView.GetControl().TypeText("x");
    headerView.SaveToObject();
    EXPECT_EQ(page->GetHeader().str(), "<<print Title>>\r\nx");
    EXPECT_NE(page->GetTemplateText().str(), "<<print Title>>\r\nx");

    AddRow(ContentKindOf(OBJ_FORM), 60, "Order", "ServiceDbID, ServiceID, ScriptBody, ActionBody",
           "5, 10, '<form>', '<<addrow :41>>'");
    QZVantrelForm form(QZKeyCombo(kDbId, 60, OBJ_FORM), TRUE);
    QZActionEditTarget action(form);
    QZMemoryTextBuffer actionBuffer;
    QZEditViewLogic actionView(actionBuffer, &action);
    actionView.OnInitialUpdate();
    EXPECT_EQ(actionBuffer.GetText().str(), "<<addrow :41>>");
    EXPECT_EQ(actionBuffer.GetStyles(), "44111111111144");
    EXPECT_FALSE(actionView.IsReadOnly());
    actionBuffer.ReplaceRange(0, 14, "<i>");
    actionView.SaveToObject();
    EXPECT_EQ(form.GetActionBody().str(), "<i>");
    EXPECT_EQ(form.GetTemplateText().str(), "<form>");
}

} // namespace
