// What the trees change in the site database: deleting (with or without the question, the
// publish flags it leaves), Mark for Publish, renaming in place, generating a page from the
// page tree, and the reports when another user or an open editor holds the object.

#include "content/CreateVantrelObject.h"
#include "content/QZAttributes.h"
#include "db/QZRecordsetCaches.h"
#include "tests/content/ContentKinds.h"
#include "tests/shell/TreeFixture.h"
#include "tests/support/ChildProcess.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr UINT kDelete = 32775;
constexpr UINT kMark = 32908;

class TreeProcedureTest : public TreeTest {
protected:
    void SetUp() override {
        TreeTest::SetUp();
        LoadAll();
    }
    // The table and key column of a kind; queries are no kind of the content fixture.
    static std::pair<std::string, std::string> TableOf(SHORT type) {
        if (type == OBJ_QUERY)
            return {"Query", "QueryID"};
        return {ContentKindOf(type).table, ContentKindOf(type).idColumn};
    }
    long Flag(SHORT type, LONG id, const char* column) {
        auto [table, idColumn] = TableOf(type);
        return NumberOf(table, column, idColumn + " = " + std::to_string(id));
    }
    std::string Name(SHORT type, LONG id) {
        const ContentKind& kind = ContentKindOf(type);
        return TextOf(kind.table, kind.nameColumn,
                      std::string(kind.idColumn) + " = " + std::to_string(id));
    }
    // The object loaded for editing, as an open editor holds it.
    static std::unique_ptr<QZVantrelBase> Hold(const QZKeyCombo& key) {
        if (key.m_ObjectType == OBJ_STYLE)
            return std::make_unique<QZAttributes>(key, TRUE);
        return std::unique_ptr<QZVantrelBase>(CreateVantrelObject(key));
    }
    // Another user holding the object in a child process for the test's lifetime.
    void HoldInChild(SHORT type, LONG id) {
        m_child = std::make_unique<ChildProcess>(
            "tree-hold", std::map<std::string, std::string>{{"DB", m_path},
                                                            {"TYPE", std::to_string(type)},
                                                            {"ID", std::to_string(id)},
                                                            {"DIR", m_childDir.path().string()}});
        ASSERT_EQ(WaitForFile(m_childDir.file("claimed")), "1");
    }
    void TearDown() override {
        if (m_child) {
            WriteFileAtomically(m_childDir.file("release"), "");
            EXPECT_EQ(m_child->Wait(), 0);
        }
        TreeTest::TearDown();
    }
    // The engine messages as "kind:text".
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const auto& line : m_messages.lines())
            lines.push_back(std::to_string(line.kind) + ":" + line.display);
        return lines;
    }

    TempDir m_childDir;
    std::unique_ptr<ChildProcess> m_child;
};

struct KindTree {
    QZTreeModel* tree;
    SHORT type;
    int statusTab;
};

std::vector<KindTree> EveryKind(QZServiceBarModel& bar) {
    return {{&bar.m_Pages, OBJ_PAGE, 3},
            {&bar.m_Images, OBJ_IMAGE, 1},
            {&bar.m_Macros, OBJ_MACRO, 2},
            {&bar.m_Forms, OBJ_FORM, 3},
            {&bar.m_Messages, OBJ_MESSAGE, 2},
            {&bar.m_Queries, OBJ_QUERY, 1},
            {&bar.m_Styles, OBJ_STYLE, 1},
            {&bar.m_Events, OBJ_EVENT, 2},
            {&bar.m_MultiMedia, OBJ_ACTIVEX, 1},
            {&bar.m_MultiMedia, OBJ_JAVA, 1},
            {&bar.m_MultiMedia, OBJ_SCRIPT, 2},
            {&bar.m_MultiMedia, OBJ_MEDIA, 1},
            {&bar.m_Advertising, OBJ_ADVERTISER, 1},
            {&bar.m_Advertising, OBJ_AD, 1},
            {&bar.m_Advertising, OBJ_ADSPACE, 1}};
}

TEST_F(TreeProcedureTest, DeleteAsksAndMarksTheRowDeletedOnYesOnly) {
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    m_boxes.Answer(IDNO);
    m_bar.m_Macros.OnCommand(kDelete);
    ASSERT_EQ(m_boxes.texts(), std::vector<std::string>{"Are you sure you want to delete Beta?"});
    EXPECT_EQ(m_boxes.shown()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Flag(OBJ_MACRO, 1, "Deleted"), 0);

    m_boxes.Clear();
    m_boxes.Answer(IDYES);
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    m_bar.m_Macros.OnCommand(kDelete);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Are you sure you want to delete Beta?"});
    EXPECT_EQ(Flag(OBJ_MACRO, 1, "Deleted"), 1);
    // Reloaded without it, and nothing claimed any more.
    EXPECT_EQ(Labels(m_bar.m_Macros), std::vector<std::string>{"Alpha  (:2)"});
    EXPECT_EQ(Claims(OBJ_MACRO, 1), 0);
}

TEST_F(TreeProcedureTest, DeletingLeavesThePublishFlagsThatCarryTheDeletionToProduction) {
    ExecuteOn(m_path, "UPDATE Forms SET LastPublished = #2024-01-02 03:04:05#, PublishFlag = 0 "
                      "WHERE FormID = 2");
    ExecuteOn(m_path, "UPDATE Forms SET PublishFlag = 1 WHERE FormID = 1");
    TestApp().m_bConfirmDeletes = FALSE;
    for (LONG id : {1, 2}) {
        Select(m_bar.m_Forms, OBJ_FORM, id);
        m_bar.m_Forms.DeleteSelected();
    }
    EXPECT_TRUE(m_boxes.shown().empty());
    // Never published: nothing to publish, and never to be.
    EXPECT_EQ(Flag(OBJ_FORM, 1, "Deleted"), 1);
    EXPECT_EQ(Flag(OBJ_FORM, 1, "PublishFlag"), 0);
    EXPECT_EQ(Flag(OBJ_FORM, 1, "NeverPublishFlag"), 1);
    // Published before: the deletion is published.
    EXPECT_EQ(Flag(OBJ_FORM, 2, "Deleted"), 1);
    EXPECT_EQ(Flag(OBJ_FORM, 2, "PublishFlag"), 1);
    EXPECT_EQ(Flag(OBJ_FORM, 2, "NeverPublishFlag"), 0);
    EXPECT_TRUE(Labels(m_bar.m_Forms).empty());
}

TEST_F(TreeProcedureTest, EveryTreeDeletesItsOwnKindAndNeverASection) {
    TestApp().m_bConfirmDeletes = FALSE;
    for (const KindTree& k : EveryKind(m_bar)) {
        SCOPED_TRACE(k.type);
        Select(*k.tree, k.type, 2);
        k.tree->DeleteSelected();
        EXPECT_EQ(Flag(k.type, 2, "Deleted"), 1);
        EXPECT_EQ(Flag(k.type, 1, "Deleted"), 0);
        EXPECT_EQ(Claims(k.type, 2), 0);
        // Gone from the tree that was reloaded.
        k.tree->SelectKey(QZKeyCombo(5, 2, k.type));
        EXPECT_EQ(k.tree->GetSelectedItem(), nullptr);
    }
    // A section selected: nothing is deleted.
    Select(m_bar.m_Pages, OBJ_SECTION, 10);
    m_bar.m_Pages.DeleteSelected();
    EXPECT_EQ(NumberOf("Sections", "Deleted", "SectionID = 10"), 0);
    EXPECT_EQ(Flag(OBJ_PAGE, 1, "Deleted"), 0);
}

TEST_F(TreeProcedureTest, MarkForPublishSetsTheFlagUnlessTheObjectIsNeverPublished) {
    ExecuteOn(m_path, "UPDATE Images SET PublishFlag = 0, NeverPublishFlag = 0 WHERE ImageID = 1");
    ExecuteOn(m_path, "UPDATE Images SET PublishFlag = 0, NeverPublishFlag = 1 WHERE ImageID = 2");
    for (LONG id : {1, 2}) {
        Select(m_bar.m_Images, OBJ_IMAGE, id);
        m_bar.m_Images.OnCommand(kMark);
    }
    EXPECT_EQ(Flag(OBJ_IMAGE, 1, "PublishFlag"), 1);
    EXPECT_EQ(Flag(OBJ_IMAGE, 2, "PublishFlag"), 0);
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(Claims(OBJ_IMAGE, 1), 0);
}

TEST_F(TreeProcedureTest, AnObjectAnotherUserHoldsIsReportedAndLeftAsItIs) {
    HoldInChild(OBJ_MACRO, 1);
    const std::string busy = "Cannot edit Beta.\n\nThe record may be locked by another user.";
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    m_bar.m_Macros.OnCommand(kDelete);
    // The delete reloaded the tree.
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    m_bar.m_Macros.OnCommand(kMark);
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{busy, busy}));
    EXPECT_EQ(Flag(OBJ_MACRO, 1, "Deleted"), 0);
    EXPECT_EQ(Flag(OBJ_MACRO, 1, "PublishFlag"), 0);

    // A rename keeps the name, says why, and shows the tree again.
    m_boxes.Clear();
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    CString text;
    ASSERT_TRUE(m_bar.m_Macros.BeginRename(text));
    CString renamed("Taken");
    m_bar.m_Macros.EndRename(&renamed);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{busy});
    EXPECT_EQ(Name(OBJ_MACRO, 1), "Beta");
    EXPECT_EQ(m_actions.refreshed, std::vector<std::string>{"3@5:1"});
    EXPECT_EQ(m_bar.m_Macros.GetSelectedItem()->m_label.str(), "Beta  (:1)");
    EXPECT_TRUE(m_actions.tabs.empty());
}

TEST_F(TreeProcedureTest, AnObjectOpenInAnEditorBringsItsStatusTabForward) {
    for (const KindTree& k : EveryKind(m_bar)) {
        SCOPED_TRACE(k.type);
        std::unique_ptr<QZVantrelBase> editor = Hold(QZKeyCombo(5, 1, k.type));
        ASSERT_TRUE(editor != nullptr && editor->m_bEditable);
        m_actions.openEditors = {{k.type, 1}};
        m_actions.tabs.clear();
        m_boxes.Clear();
        Select(*k.tree, k.type, 1);
        k.tree->OnCommand(kMark);
        EXPECT_EQ(m_boxes.texts(),
                  std::vector<std::string>{"This object is already opened.  You may perform this "
                                           "function from the status tab."});
        EXPECT_EQ(m_actions.tabs, std::vector<int>{k.statusTab});
        EXPECT_EQ(Flag(k.type, 1, "PublishFlag"), 0);
        // No rename starts on it either.
        CString text;
        EXPECT_FALSE(k.tree->BeginRename(text));
    }
}

TEST_F(TreeProcedureTest, RenamingSavesTheTrimmedNameAndShowsItSelected) {
    ExecuteOn(m_path, "UPDATE Documents SET Title = 'Home' WHERE DocID = 5");
    m_bar.m_Pages.Refill(QZKeyCombo(5, 1, OBJ_SERVICE), QZKeyCombo(5, 5, OBJ_PAGE));
    CString text;
    ASSERT_TRUE(m_bar.m_Pages.BeginRename(text));
    EXPECT_EQ(text.str(), "Home");
    CString renamed("New Home   ");
    m_bar.m_Pages.EndRename(&renamed);
    EXPECT_EQ(Name(OBJ_PAGE, 5), "New Home");
    EXPECT_EQ(m_actions.refreshed, std::vector<std::string>{"2@5:5"});
    EXPECT_EQ(m_bar.m_Pages.GetSelectedItem()->m_label.str(), "New Home  (:5)");
    EXPECT_EQ(Claims(OBJ_PAGE, 5), 0);

    // Cancelled, or blanks only: the name stays and the tree is shown again all the same.
    for (const CString* given : std::vector<const CString*>{nullptr, &renamed}) {
        renamed = "   ";
        m_actions.refreshed.clear();
        ASSERT_TRUE(m_bar.m_Pages.BeginRename(text));
        m_bar.m_Pages.EndRename(given);
        EXPECT_EQ(Name(OBJ_PAGE, 5), "New Home");
        EXPECT_EQ(m_actions.refreshed, std::vector<std::string>{"2@5:5"});
    }
    EXPECT_TRUE(m_boxes.shown().empty());
    // Nothing selected, nothing to rename.
    m_bar.m_Pages.Select(nullptr);
    EXPECT_FALSE(m_bar.m_Pages.BeginRename(text));
}

class GeneratePageTest : public TreeProcedureTest {
protected:
    void SetUp() override {
        TreeProcedureTest::SetUp();
        ExecuteOn(m_path, "UPDATE Services SET Directory = 'site', DevelopPath = 'C:\\dev' "
                          "WHERE ServiceID = 1");
        ExecuteOn(m_path, "UPDATE Sections SET Directory = 'b' WHERE SectionID = 10");
        ExecuteOn(m_path, "UPDATE Documents SET FileName = 'beta.html', ScriptBody = 'Hello', "
                          "GenerateFlag = 1, PublishFlag = 0 WHERE DocID = 1");
        Select(m_bar.m_Pages, OBJ_PAGE, 1);
        // The insert text read the page into the page cache.
        m_bar.m_Pages.GetInsertText();
        ASSERT_EQ(g_DocumentCache.GetCount(), 1);
    }
    std::string PageFile() const { return UnderRoot("dev/site/b/beta.html"); }
    static constexpr const char* kStart = "2:- Starting to Generate Page -------";
    static constexpr const char* kEnd = "2:- Finished Generating Page -------";
};

TEST_F(GeneratePageTest, WritesThePageSavesItsFlagsAndLogsTheRun) {
    EXPECT_TRUE(m_bar.m_Pages.OffersGeneratePage());
    ASSERT_TRUE(m_bar.m_Pages.OnCommand(32909));
    std::ifstream file(PageFile());
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_NE(content.str().find("Hello"), std::string::npos);
    // The run's first and last lines bracket the compiler's own.
    ASSERT_GE(Lines().size(), 2u);
    EXPECT_EQ(Lines().front(), kStart);
    EXPECT_EQ(Lines().back(), kEnd);
    for (const auto& line : m_messages.lines())
        EXPECT_EQ(line.kind, 2) << line.display;
    EXPECT_EQ(Flag(OBJ_PAGE, 1, "GenerateFlag"), 0);
    EXPECT_EQ(Flag(OBJ_PAGE, 1, "PublishFlag"), 1);
    EXPECT_EQ(Claims(OBJ_PAGE, 1), 0);
    EXPECT_EQ(g_DocumentCache.GetCount(), 0);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GeneratePageTest, APageNeverToBeGeneratedIsLoggedAndNotWritten) {
    ExecuteOn(m_path, "UPDATE Documents SET NeverGenerateFlag = 1 WHERE DocID = 1");
    m_bar.m_Pages.GeneratePage();
    EXPECT_FALSE(std::filesystem::exists(PageFile()));
    ASSERT_EQ(m_messages.lines().size(), 3u);
    EXPECT_EQ(m_messages.lines()[1].kind, 0);
    EXPECT_NE(m_messages.lines()[1].display.find(
                  "**** Beta was not Generated, it has the Never Generate flag set."),
              std::string::npos);
    EXPECT_EQ(Lines()[0], kStart);
    EXPECT_EQ(Lines()[2], kEnd);
    EXPECT_EQ(Flag(OBJ_PAGE, 1, "GenerateFlag"), 1);
    EXPECT_EQ(Claims(OBJ_PAGE, 1), 0);
    EXPECT_EQ(g_DocumentCache.GetCount(), 0);
}

TEST_F(GeneratePageTest, AFailureIsReportedAndThePageAndCachesAreLetGo) {
    // A dynamic page is never written here.
    ExecuteOn(m_path, "UPDATE Documents SET Dynamic = 1 WHERE DocID = 1");
    m_bar.m_Pages.GeneratePage();
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Unable to generate page."});
    EXPECT_EQ(Lines(), std::vector<std::string>{kStart});
    EXPECT_FALSE(std::filesystem::exists(PageFile()));
    EXPECT_EQ(Claims(OBJ_PAGE, 1), 0);
    EXPECT_EQ(g_DocumentCache.GetCount(), 0);
}

TEST_F(GeneratePageTest, APageAnotherUserHoldsIsReportedAndNotGenerated) {
    HoldInChild(OBJ_PAGE, 1);
    m_bar.m_Pages.GeneratePage();
    EXPECT_EQ(
        m_boxes.texts(),
        std::vector<std::string>{"Cannot edit Beta.\n\nThe record may be locked by another user."});
    EXPECT_TRUE(m_messages.lines().empty());
    EXPECT_FALSE(std::filesystem::exists(PageFile()));
    EXPECT_EQ(Claims(OBJ_PAGE, 1), 1);
    EXPECT_EQ(g_DocumentCache.GetCount(), 0);
}

TEST_F(GeneratePageTest, OnlyAPageOffersGeneratePage) {
    Select(m_bar.m_Pages, OBJ_SECTION, 10);
    EXPECT_FALSE(m_bar.m_Pages.OffersGeneratePage());
    m_bar.m_Pages.Select(nullptr);
    EXPECT_FALSE(m_bar.m_Pages.OffersGeneratePage());
}

} // namespace
