// The query tree: its queries and tables, their parameters and fields read from the data
// database when expanded (or first needed) and dropped on collapse, and the snippets that
// each command writes for a query, a field or a parameter.

#include "tests/shell/TreeFixture.h"

namespace {

constexpr UINT kInsert = 32838;
constexpr UINT kPrintMailList = 32900;
constexpr UINT kPrintTable = 32899;
constexpr UINT kInsertAdd = 32861;
constexpr UINT kInsertEdit = 32862;
constexpr UINT kExecuteQuery = 32876;

const char* const kSubmit = "\r\n<input type=\"submit\" value=\"Submit\"> <br>\r\n";

class QueryTreeTest : public TreeTest {
protected:
    void SetUp() override {
        TreeTest::SetUp();
        LoadAll();
    }
    QZQueryTreeModel& Tree() { return m_bar.m_Queries; }
    QZTreeItem* Query(LONG id) { return Select(Tree(), OBJ_QUERY, id); }
    // Expands the query and selects its child of that label.
    QZTreeItem* Child(LONG id, const char* label) {
        QZTreeItem* query = Query(id);
        EXPECT_TRUE(Tree().OnItemExpanding(query, TRUE));
        Tree().OnItemExpanded(query, TRUE);
        for (const auto& child : query->m_children)
            if (child->m_label == label) {
                Tree().Select(child.get());
                return child.get();
            }
        ADD_FAILURE() << "no child " << label;
        return nullptr;
    }
    static std::vector<std::string> ChildLabels(const QZTreeItem& item) {
        std::vector<std::string> labels;
        for (const auto& child : item.m_children)
            labels.push_back(child->m_label.str() + "/" + std::to_string(child->m_nImage) + "/" +
                             std::to_string(child->m_lData));
        return labels;
    }
};

TEST_F(QueryTreeTest, ListsQueriesAndTablesEachWithAPlaceholderUntilExpanded) {
    EXPECT_EQ(Labels(Tree()), (std::vector<std::string>{
                                  "Alpha  (:2)", "  Empty", "Beta  (:1)", "  Empty",
                                  "No Params  (:21)", "  Empty", "One Param  (:22)", "  Empty",
                                  "People  (:20)", "  Empty", "Two Params  (:23)", "  Empty"}));
    EXPECT_EQ(Query(kPeople)->m_nImage, 37);
    EXPECT_EQ(Query(kOneParam)->m_nImage, 40);
}

TEST_F(QueryTreeTest, ExpandingReadsParametersThenFieldsAndCollapsingDropsThem) {
    QZTreeItem* people = Query(kPeople);
    ASSERT_TRUE(Tree().OnItemExpanding(people, TRUE));
    EXPECT_EQ(people->m_nImage, 38);
    EXPECT_EQ(ChildLabels(*people),
              (std::vector<std::string>{"Name/31/299", "Bio/31/300", "Age/31/10"}));
    QZTreeItem* two = Query(kTwoParams);
    ASSERT_TRUE(Tree().OnItemExpanding(two, TRUE));
    EXPECT_EQ(two->m_nImage, 41);
    EXPECT_EQ(ChildLabels(*two), (std::vector<std::string>{"who/29/0", "age/29/0", "Name/31/0"}));

    ASSERT_TRUE(Tree().OnItemExpanding(two, FALSE));
    EXPECT_EQ(two->m_nImage, 40);
    EXPECT_EQ(ChildLabels(*two), std::vector<std::string>{"Empty/29/0"});
    // The placeholder left by a collapse is no parameter: the snippet reads the query again.
    Query(kTwoParams);
    EXPECT_EQ(Tree().GetInsertText().str(), "\r\n// Two Params  \r\n<<query :23, who=?\?\?, "
                                            "age=?\?\?>>\r\n\t<<print [Name]>> <br>\r\n<</query>>");
}

TEST_F(QueryTreeTest, AQueryWhoseDataFileCannotBeReadShowsNoChildrenAndSaysNothing) {
    QZTreeItem* beta = Query(1);
    ASSERT_TRUE(Tree().OnItemExpanding(beta, TRUE));
    EXPECT_TRUE(beta->m_children.empty());
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(Tree().GetInsertText().str(), "\r\n// Beta  \r\n<<query :1>>\r\n<</query>>");
}

struct SnippetCase {
    LONG id;
    UINT command;
    BOOL comment;
    std::string text;
};

TEST_F(QueryTreeTest, EachCommandWritesItsSnippetForAQueryNeverExpandedBefore) {
    const SnippetCase cases[] = {
        {kPeople, kInsert, TRUE,
         "\r\n// People  \r\n<<query :20>>\r\n\t<<print [Name]>> <br>\r\n\t<<print [Bio]>> "
         "<br>\r\n\t<<print [Age]>> <br>\r\n<</query>>"},
        {kPeople, kPrintMailList, FALSE,
         "<<query :20>>\r\n\t<<print [Name]>> <br>\r\n\t<<print [Bio]>> <br>\r\n\t<<print "
         "[Age]>> <br>\r\n<</query>>"},
        {kNoParams, kInsert, FALSE, "<<query :21>>\r\n\t<<print [Name]>> <br>\r\n<</query>>"},
        {kOneParam, kPrintMailList, FALSE,
         "<<query :22, who=?\?\?>>\r\n\t<<print [Name]>> <br>\r\n\t<<print [Bio]>> "
         "<br>\r\n<</query>>"},
        {kTwoParams, kInsert, FALSE,
         "<<query :23, who=?\?\?, age=?\?\?>>\r\n\t<<print [Name]>> <br>\r\n<</query>>"},
        {kOneParam, kPrintTable, TRUE,
         "\r\n// One Param  \r\n<table border=1>\r\n\t<tr>\r\n\t\t<td><b>Name</b> "
         "</td>\r\n\t\t<td><b>Bio</b> </td>\r\n\t</tr>\r\n\t<<query :22, "
         "who=?\?\?>>\r\n\t<tr>\r\n\t\t<td><<print [Name]>> </td>\r\n\t\t<td><<print [Bio]>> "
         "</td>\r\n\t</tr>\r\n\t<</query>>\r\n</table>"},
        {kPeople, kInsertAdd, TRUE,
         std::string("\r\n\r\n// People  \r\nName:  <input type=\"text\" name=\"Name\" "
                     "value=\"\" size=\"30\" maxlength=\"299\"> <br>\r\nBio:  <textarea rows=6 "
                     "cols=50 name=\"Bio\"></textarea> <br>\r\nAge:  <input type=\"text\" "
                     "name=\"Age\" value=\"\" size=\"30\" maxlength=\"10\"> <br>\r\n") +
             kSubmit},
        {kNoParams, kInsertAdd, FALSE,
         std::string("Name:  <input type=\"text\" name=\"Name\" value=\"\" size=\"30\" "
                     "maxlength=\"30\"> <br>\r\n") +
             kSubmit},
        {kPeople, kInsertEdit, FALSE,
         std::string("<<query :20>>\r\n\tName:  <input type=\"text\" name=\"Name\" "
                     "value=\"<<print [Name]>>\" size=\"30\" maxlength=\"299\"> <br>\r\n\tBio:  "
                     "<textarea rows=6 cols=50 name=\"Bio\"><<print [Bio]>></textarea> "
                     "<br>\r\n\tAge:  <input type=\"text\" name=\"Age\" value=\"<<print [Age]>>\" "
                     "size=\"30\" maxlength=\"10\"> <br>\r\n<</query>>\r\n") +
             kSubmit},
        {kTwoParams, kInsertEdit, TRUE,
         std::string("\r\n\r\n// Two Params  \r\n<<query :23, who=?\?\?, age=?\?\?>>\r\n\tName:  "
                     "<input type=\"text\" name=\"Name\" value=\"<<print [Name]>>\" size=\"30\" "
                     "maxlength=\"30\"> <br>\r\n<</query>>\r\n") +
             kSubmit},
        {kTwoParams, kExecuteQuery, FALSE,
         "<<execquery :23, who=?\?\?, age=?\?\?>>\t// Two Params  \r\n"},
        {kNoParams, kExecuteQuery, TRUE, "<<execquery :21>>\t// No Params  \r\n"},
    };
    for (const SnippetCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " command " + std::to_string(c.command));
        // Each case on a tree just loaded: the query was never expanded.
        Tree().LoadAndFill(QZKeyCombo(5, 1, OBJ_SERVICE));
        TestApp().m_bAddComments = c.comment;
        QZTreeItem* query = Query(c.id);
        m_actions.inserted.clear();
        ASSERT_TRUE(Tree().OnCommand(c.command));
        EXPECT_EQ(m_actions.inserted, std::vector<std::string>{c.text});
        // The children were read into the tree, which stays collapsed.
        EXPECT_FALSE(query->m_bExpanded);
        EXPECT_NE(query->Child(0)->m_label.str(), "Empty");
    }
}

TEST_F(QueryTreeTest, AFieldWritesItselfAndAParameterTheCommentLineAlone) {
    struct FieldCase {
        LONG id;
        const char* item;
        UINT command;
        std::string text;
    } cases[] = {
        {kPeople, "Name", kInsert, "<<print [Name]>>"},
        {kPeople, "Name", kPrintMailList, "<<print [Name]>>"},
        {kPeople, "Name", kInsertAdd,
         "Name:  <input type=\"text\" name=\"Name\" value=\"\" size=\"30\" maxlength=\"299\">"},
        {kPeople, "Bio", kInsertAdd, "Bio:  <textarea rows=6 cols=50 name=\"Bio\"></textarea>"},
        {kPeople, "Name", kInsertEdit,
         "Name:  <input type=\"text\" name=\"Name\" value=\"<<print [Name]>>\" size=\"30\" "
         "maxlength=\"299\">"},
        {kPeople, "Bio", kInsertEdit,
         "Bio:  <textarea rows=6 cols=50 name=\"Bio\"><<print [Bio]>></textarea>"},
        {kNoParams, "Name", kInsertAdd,
         "Name:  <input type=\"text\" name=\"Name\" value=\"\" size=\"30\" maxlength=\"30\">"},
        {kPeople, "Age", kPrintTable, ""},
        {kPeople, "Age", kExecuteQuery, ""},
        {kOneParam, "who", kInsert, "// One Param  \r\n"},
        {kOneParam, "who", kPrintMailList, "// One Param  \r\n"},
        {kOneParam, "who", kPrintTable, ""},
        {kOneParam, "who", kInsertAdd, ""},
        {kOneParam, "who", kInsertEdit, ""},
        {kOneParam, "who", kExecuteQuery, ""},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " command " + std::to_string(c.command));
        for (BOOL comment : {TRUE, FALSE}) {
            TestApp().m_bAddComments = comment;
            ASSERT_NE(Child(c.id, c.item), nullptr);
            EXPECT_EQ(Tree().GetSnippet(c.command).str(), c.text);
        }
    }
    // Nothing selected, nothing written.
    Tree().Select(nullptr);
    for (UINT command : {kInsert, kPrintTable, kInsertAdd, kInsertEdit, kExecuteQuery})
        EXPECT_EQ(Tree().GetSnippet(command).str(), "");
}

TEST_F(QueryTreeTest, ADoubleClickOnAFieldInsertsItAndOnAQueryOpensItWithoutExpanding) {
    Child(kPeople, "Bio");
    Tree().OnDoubleClick();
    EXPECT_EQ(m_actions.inserted, std::vector<std::string>{"<<print [Bio]>>"});
    EXPECT_TRUE(m_actions.opened.empty());

    QZTreeItem* query = Query(kOneParam);
    Tree().OnDoubleClick();
    EXPECT_EQ(m_actions.opened, std::vector<std::string>{"5@5:22"});
    // The expanding that the same click would bring is refused, once.
    EXPECT_FALSE(Tree().OnItemExpanding(query, TRUE));
    EXPECT_EQ(query->m_nImage, 40);
    EXPECT_TRUE(Tree().OnItemExpanding(query, TRUE));
}

TEST_F(QueryTreeTest, TheContextMenuFollowsTheSelection) {
    EXPECT_EQ(Tree().GetContextMenuId(), 139u);
    Tree().Select(nullptr);
    EXPECT_EQ(Tree().GetContextPopup(), 4);
    EXPECT_FALSE(Tree().IsCommandEnabled(32774));
    EXPECT_FALSE(Tree().IsCommandEnabled(32775));
    Query(kPeople);
    EXPECT_EQ(Tree().GetContextPopup(), 2);
    EXPECT_TRUE(Tree().IsCommandEnabled(32775));
    Child(kPeople, "Age");
    EXPECT_EQ(Tree().GetContextPopup(), 3);
    Tree().NewObject();
    EXPECT_EQ(m_actions.commands, std::vector<UINT>{32784});
}

} // namespace
