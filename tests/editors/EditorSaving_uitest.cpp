// Saving an editor's object, read back from the site database, and the questions and
// recovery when an editor closes.

#include "editors/QZKindDocument.h"
#include "editors/QZObjectView.h"
#include "platform/ui/CDocManager.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>

#include <functional>
#include <map>
#include <memory>

namespace {

// A program copy that holds the site database's write lock (an open transaction) from the
// moment it writes "locked" in MQ_CHILD_DIR until "release" appears there.
void WriteLockRole() {
    WriteLockHolder holder(ChildSetting("DB"));
    const std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/locked", "1");
    WaitForFile(dir + "/release");
}

MQ_CHILD_ROLE("writelock", WriteLockRole);

std::string Question(const std::string& title) {
    return "Do you want to save this object?\n\n" + title;
}

const EditorKind& Page() {
    return EditorKinds()[0];
}
const EditorKind& Macro() {
    return EditorKinds()[1];
}

} // namespace

class EditorSavingTest : public EditorTest {
protected:
    // Opens the kind's row 12 and changes its name in the object, as an edit would.
    QZDocument* OpenAndEdit(const EditorKind& kind) {
        if (!Open(kind.type, 12))
            return nullptr;
        QZDocument* document = ActiveDocument();
        Rename(document, "Changed");
        return document;
    }
};

struct SaveCase {
    const char* label;
    bool page;
    const char* columns;
    const char* values;
    std::function<void(QZDocument&)> before;
    std::map<std::string, LONG> expected;
};

TEST_F(EditorSavingTest, SavesMarkTheRowsFlagsAsTheObjectsStateAsks) {
    const auto nothing = [](QZDocument&) {};
    const auto deleted = [](QZDocument& document) {
        document.GetContentObject()->SetDeleted(TRUE);
    };
    const std::vector<SaveCase> cases{
        {"static page", true, "Dynamic", "0", nothing, {{"GenerateFlag", 1}, {"PublishFlag", 0}}},
        {"dynamic page", true, "Dynamic", "1", nothing, {{"GenerateFlag", 0}, {"PublishFlag", 1}}},
        {"never-generate page",
         true,
         "Dynamic, NeverGenerateFlag",
         "0, 1",
         nothing,
         {{"GenerateFlag", 0}, {"PublishFlag", 0}}},
        {"never-publish dynamic page",
         true,
         "Dynamic, NeverPublishFlag",
         "1, 1",
         nothing,
         {{"GenerateFlag", 0}, {"PublishFlag", 0}}},
        {"page deleted before it was published",
         true,
         "Dynamic",
         "0",
         deleted,
         {{"GenerateFlag", 0}, {"PublishFlag", 0}, {"NeverPublishFlag", 1}, {"Deleted", 1}}},
        {"macro",
         false,
         "NeverPublishFlag",
         "0",
         nothing,
         {{"PublishFlag", 1}, {"NeverPublishFlag", 0}}},
        {"never-publish macro", false, "NeverPublishFlag", "1", nothing, {{"PublishFlag", 0}}},
        {"macro with Publish unchecked",
         false,
         "NeverPublishFlag",
         "0",
         [](QZDocument& document) { document.m_bPublishOnSave = FALSE; },
         {{"PublishFlag", 0}}},
        {"macro deleted before it was published",
         false,
         "NeverPublishFlag",
         "0",
         deleted,
         {{"PublishFlag", 0}, {"NeverPublishFlag", 1}}},
        {"macro deleted after it was published",
         false,
         "LastPublished",
         "'2024-01-02 00:00:00'",
         deleted,
         {{"PublishFlag", 1}, {"NeverPublishFlag", 0}}},
    };
    LONG id = 20;
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.label);
        const EditorKind& kind = c.page ? Page() : Macro();
        AddKindRow(kind, id, "Home", c.columns, c.values);
        ASSERT_TRUE(Open(kind.type, id));
        QZDocument* document = ActiveDocument();
        c.before(*document);
        // What the test changed behind the status form shows in it, as the documents' own
        // changes do.
        for (const char* status : {"QZStatusForm", "QZPageStatusForm"}) {
            if (QZObjectView* form = document->FindObjectView(status))
                form->LoadFromObject();
        }
        Rename(document, "Saved");
        document->SaveObject();
        EXPECT_EQ(NameOf(kind, id), "Saved");
        for (const auto& [column, value] : c.expected)
            EXPECT_EQ(NumberOf(kind, id, column.c_str()), value) << column;
        EXPECT_EQ(m_refreshed.back(), std::to_string(kind.type) + " 5:" + std::to_string(id));
        CloseAll();
        ++id;
    }
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(EditorSavingTest, CancelInTheCloseQuestionKeepsTheEditorOpenAndModified) {
    AddKindRow(Page(), 12, "Home");
    QZDocument* document = OpenAndEdit(Page());
    ASSERT_NE(document, nullptr);
    m_boxes.Answer(IDCANCEL);
    CloseActive();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, Question("Changed  (:12) -- Page *"));
    EXPECT_EQ(m_boxes.shown()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
    ASSERT_EQ(OpenDocuments().size(), 1u);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(NameOf(Page(), 12), "Home");
}

TEST_F(EditorSavingTest, NoInTheCloseQuestionLeavesEveryKindsRowAsItWas) {
    for (const EditorKind& kind : EditorKinds()) {
        SCOPED_TRACE(kind.label);
        AddKindRow(kind, 12, "Home");
        ASSERT_NE(OpenAndEdit(kind), nullptr);
        m_boxes.Answer(IDNO);
        CloseActive();
        EXPECT_TRUE(OpenDocuments().empty());
        EXPECT_EQ(NameOf(kind, 12), "Home");
        EXPECT_EQ(Claims(kind.type, 12), 0);
    }
    EXPECT_EQ(m_boxes.texts().size(), EditorKinds().size());
}

TEST_F(EditorSavingTest, YesInTheCloseQuestionSavesAndCloses) {
    AddKindRow(EditorKinds()[11], 12, "Home");
    ASSERT_NE(OpenAndEdit(EditorKinds()[11]), nullptr);
    m_boxes.Answer(IDYES);
    CloseActive();
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{Question("Changed  (:12) -- Style *")});
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(NameOf(EditorKinds()[11], 12), "Changed");
    EXPECT_EQ(Claims(OBJ_STYLE, 12), 0);
}

TEST_F(EditorSavingTest, WithoutTheConfirmPreferenceClosingSavesWithoutAQuestion) {
    TestApp().m_bConfirmSave = FALSE;
    AddKindRow(Page(), 12, "Home");
    ASSERT_NE(OpenAndEdit(Page()), nullptr);
    CloseActive();
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(NameOf(Page(), 12), "Changed");
}

TEST_F(EditorSavingTest, AnUnmodifiedEditorClosesWithoutAQuestion) {
    AddKindRow(Page(), 12, "Home");
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    CloseActive();
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(ActiveFrame(), nullptr);
}

// A read-only copy's refused save keeps the editor open when the user asked for it, and lets
// it close when the preference saves without asking.
TEST_F(EditorSavingTest, ARefusedSaveAtClosingKeepsTheEditorOnlyWhenTheUserWasAsked) {
    AddKindRow(Page(), 12, "Home");
    const std::string dir = m_dir.path().string();
    ChildProcess other("hold", {{"DB", m_path}, {"DIR", dir}, {"USER", "5:200"}, {"KEYS", "2:12"}});
    ASSERT_EQ(WaitForFile(dir + "/claimed"), "1");

    ASSERT_NE(OpenAndEdit(Page()), nullptr);
    m_boxes.Clear();
    m_boxes.Answer(IDYES);
    CloseActive();
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{Question("Changed  (:12) -- Page R"),
                                                         "This record is a Read Only copy"}));
    EXPECT_EQ(OpenDocuments().size(), 1u);

    TestApp().m_bConfirmSave = FALSE;
    m_boxes.Clear();
    CloseActive();
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"This record is a Read Only copy"});
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(NameOf(Page(), 12), "Home");
    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(other.Wait(), 0);
}

namespace {

// Answers the close question with Yes, and the engine error's Abort/Retry/Ignore box with the
// given button, after letting the other program's write lock go.
class LockedSaveAnswers : public MessageBoxSink {
public:
    LockedSaveAnswers(int answer, std::function<void()> release)
        : m_answer(answer), m_release(std::move(release)), m_previous(SetMessageBoxSink(this)) {}
    ~LockedSaveAnswers() override { SetMessageBoxSink(m_previous); }

    int Show(const CString& text, UINT type, UINT) override {
        shown.push_back({text.str(), type});
        if ((type & MB_TYPEMASK) != MB_ABORTRETRYIGNORE)
            return IDYES;
        m_release();
        return m_answer;
    }

    std::vector<std::pair<std::string, UINT>> shown;

private:
    int m_answer;
    std::function<void()> m_release;
    MessageBoxSink* m_previous;
};

} // namespace

TEST_F(EditorSavingTest, ASaveAtClosingBlockedByAnotherProgramsWriteLockOffersAbortRetryIgnore) {
    struct Case {
        int answer;
        bool closed;
        const char* name;
    };
    const std::vector<Case> cases{
        {IDRETRY, true, "Changed"}, {IDIGNORE, true, "Home"}, {IDABORT, false, "Home"}};
    LONG id = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        AddKindRow(Page(), id, "Home");
        ASSERT_TRUE(Open(OBJ_PAGE, id));
        QZDocument* document = ActiveDocument();
        Rename(document, "Changed");
        document->SetModifiedFlag(TRUE);

        const std::string dir = (m_dir.path() / std::to_string(id)).string();
        std::filesystem::create_directories(dir);
        ChildProcess locker("writelock", {{"DB", m_path}, {"DIR", dir}});
        ASSERT_EQ(WaitForFile(dir + "/locked"), "1");
        {
            // The other program lets go while the question is up.
            LockedSaveAnswers answers(c.answer, [&] {
                WriteFileAtomically(dir + "/release", "");
                EXPECT_EQ(locker.Wait(), 0);
            });
            CloseActive();
            ASSERT_GE(answers.shown.size(), 2u);
            const std::string title = "Changed  (:" + std::to_string(id) + ") -- Page *";
            EXPECT_EQ(answers.shown[0].first, Question(title));
            EXPECT_FALSE(answers.shown[1].first.empty());
            EXPECT_EQ(answers.shown[1].second, MB_ABORTRETRYIGNORE | MB_ICONQUESTION);
            if (c.answer == IDRETRY) {
                ASSERT_EQ(answers.shown.size(), 3u);
                EXPECT_EQ(answers.shown[2].first, Question(title));
            } else {
                EXPECT_EQ(answers.shown.size(), 2u);
            }
        }
        EXPECT_EQ(OpenDocuments().empty(), c.closed);
        EXPECT_EQ(NameOf(Page(), id), c.name);
        CloseAll();
        ++id;
    }
}

TEST_F(EditorSavingTest, ASaveBlockedByAnotherProgramsWriteLockIsAnEngineErrorAndKeepsTheEdits) {
    AddKindRow(Macro(), 12, "Home");
    QZDocument* document = OpenAndEdit(Macro());
    ASSERT_NE(document, nullptr);
    const std::string dir = m_dir.path().string();
    ChildProcess locker("writelock", {{"DB", m_path}, {"DIR", dir}});
    ASSERT_EQ(WaitForFile(dir + "/locked"), "1");
    LONG code = 0;
    try {
        document->SaveObject();
    } catch (CDaoException* e) {
        code = CaughtDaoError(e).Code();
    }
    EXPECT_EQ(code, 3260);
    EXPECT_TRUE(document->IsModified());
    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(locker.Wait(), 0);
    document->SaveObject();
    EXPECT_EQ(NameOf(Macro(), 12), "Changed");
    EXPECT_FALSE(document->IsModified());
}

// Save As as the program binds it: the shell's Save As dialog, answered through wx's modal
// dialog hook.
class EditorSaveAsTest : public EditorSavingTest {
protected:
    void SetUp() override {
        EditorSavingTest::SetUp();
        RegisterResources();
        BindSaveAsDialog();
    }
    void TearDown() override {
        QZKindDocument::SetSaveAsDialog(nullptr);
        EditorSavingTest::TearDown();
    }
    // Answers the next Save As dialog with the button, keeping the title it proposed.
    std::unique_ptr<DialogScript> AnswerSaveAs(int button) {
        return std::make_unique<DialogScript>([this, button](wxDialog* dialog) {
            auto* title = DialogScript::Item<wxTextCtrl>(dialog, IDC_SAVEAS_TITLE);
            m_shownTitle = title ? title->GetValue().utf8_string() : "";
            DialogScript::Click(dialog, button);
        });
    }
    long Rows(const EditorKind& kind, const std::string& where = "1 = 1") {
        return Count(std::string("SELECT * FROM ") + kind.table + " WHERE " + where);
    }
    std::string m_shownTitle;
};

TEST_F(EditorSaveAsTest, OkMakesACopyOfEveryKindButThePhotoAndEditsIt) {
    for (const EditorKind& kind : EditorKinds()) {
        if (kind.type == OBJ_PHOTO)
            continue;
        SCOPED_TRACE(kind.label);
        AddKindRow(kind, 12, "Home");
        ASSERT_TRUE(Open(kind.type, 12));
        auto* document = dynamic_cast<QZKindDocument*>(ActiveDocument());
        ASSERT_NE(document, nullptr);
        const long rows = Rows(kind);
        {
            const auto script = AnswerSaveAs(IDOK);
            document->OnFileSaveAs();
            EXPECT_EQ(script->opened, 1);
        }
        EXPECT_EQ(m_shownTitle, "Copy of Home");
        QZVantrelBase* copy = document->GetContentObject();
        const LONG copyId = copy->GetKey().m_KeyID;
        EXPECT_NE(copyId, 12);
        EXPECT_EQ(Rows(kind), rows + 1);
        EXPECT_EQ(NameOf(kind, copyId), "Copy of Home");
        EXPECT_EQ(NumberOf(kind, copyId, kind.type == OBJ_PAGE ? "GenerateFlag" : "PublishFlag"),
                  1);
        EXPECT_EQ(NameOf(kind, 12), "Home");
        EXPECT_EQ(Claims(kind.type, 12), 0);
        EXPECT_EQ(Claims(kind.type, copyId), 1);
        EXPECT_FALSE(document->IsModified());
        EXPECT_EQ(document->GetTitle().str().substr(0, 14), "Copy of Home  ");
        CloseAll();
    }
}

TEST_F(EditorSaveAsTest, CancelKeepsTheOldObjectAndItsEditsAndAddsNoRow) {
    AddKindRow(Page(), 12, "Home");
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    QZDocument* document = ActiveDocument();
    QZVantrelBase* old = document->GetContentObject();
    Rename(document, "Edited");
    document->SetModifiedFlag(TRUE);
    const long rows = Rows(Page());
    {
        const auto script = AnswerSaveAs(IDCANCEL);
        static_cast<QZKindDocument*>(document)->OnFileSaveAs();
        EXPECT_EQ(script->opened, 1);
    }
    EXPECT_EQ(m_shownTitle, "Copy of Edited");
    EXPECT_EQ(document->GetContentObject(), old);
    EXPECT_EQ(old->GetName().str(), "Edited");
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(Rows(Page()), rows);
    EXPECT_EQ(NameOf(Page(), 12), "Home");
    EXPECT_EQ(Claims(OBJ_PAGE, 12), 1);
    // The edits are saved later as the object's own.
    document->SaveObject();
    EXPECT_EQ(NameOf(Page(), 12), "Edited");
    EXPECT_EQ(Rows(Page()), rows);
}

TEST_F(EditorSaveAsTest, ThePhotoHasNoSaveAs) {
    const EditorKind& photo = EditorKinds()[7];
    AddKindRow(photo, 12, "Beach");
    ASSERT_TRUE(Open(OBJ_PHOTO, 12));
    auto* document = dynamic_cast<QZKindDocument*>(ActiveDocument());
    ASSERT_NE(document, nullptr);
    const long rows = Rows(photo);
    const auto script = AnswerSaveAs(IDOK);
    document->OnFileSaveAs();
    EXPECT_EQ(script->opened, 0);
    EXPECT_EQ(Rows(photo), rows);
    EXPECT_EQ(document->GetContentObject()->GetKey().m_KeyID, 12);
}
