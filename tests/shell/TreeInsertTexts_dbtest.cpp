// What each tree inserts for its selected object (and a drag carries): the template command
// with the key's short text, the titles read from the rows, the comment tail of the label
// while comments are on; nothing for the kinds that are not inserted and for sections.

#include "tests/shell/TreeFixture.h"

namespace {

class TreeInsertTextTest : public TreeTest {};

struct InsertCase {
    const char* label;
    QZTreeModel* tree;
    SHORT type;
    LONG id;
    const char* withComment;
    const char* without;
};

TEST_F(TreeInsertTextTest, EachKindInsertsItsCommandWithOrWithoutTheCommentTail) {
    // Titles differ from the labels where the text reads the row.
    ExecuteOn(m_path, "UPDATE MQ_Java SET Title = 'Applet' WHERE JavaID = 1");
    ExecuteOn(m_path, "INSERT INTO Templates (DbID, TemplateID, ServiceDbID, ServiceID, "
                      "TemplateName, Deleted) VALUES (9, 7, 5, 1, 'Far', 0)");
    LoadAll();
    const InsertCase cases[] = {
        {"page", &m_bar.m_Pages, OBJ_PAGE, 1, "<<link :1>>Beta<</link>>",
         "<<link :1>>Beta<</link>>"},
        {"image", &m_bar.m_Images, OBJ_IMAGE, 2, "<<image :2>>\t// Alpha  \r\n", "<<image :2>>"},
        {"macro", &m_bar.m_Macros, OBJ_MACRO, 1, "<<macro :1>>\t// Beta  \r\n", "<<macro :1>>"},
        {"macro of another database", &m_bar.m_Macros, OBJ_MACRO, 7, "<<macro 9:7>>\t// Far  \r\n",
         "<<macro 9:7>>"},
        {"form", &m_bar.m_Forms, OBJ_FORM, 2, "<<form :2>>\t// Alpha  \r\n", "<<form :2>>"},
        {"e-mail message", &m_bar.m_Messages, OBJ_MESSAGE, 1, "<<email :1>>\t// Beta  \r\n",
         "<<email :1>>"},
        {"ActiveX object", &m_bar.m_MultiMedia, OBJ_ACTIVEX, 1,
         "<<activex :1>>Beta<</activex>>\t// Beta  \r\n", "<<activex :1>>Beta<</activex>>"},
        {"Java applet", &m_bar.m_MultiMedia, OBJ_JAVA, 1,
         "<<java :1>>Applet<</java>>\t// Applet  \r\n", "<<java :1>>Applet<</java>>"},
        {"multimedia object", &m_bar.m_MultiMedia, OBJ_MEDIA, 2,
         "<<media :2>>Alpha<</media>>\t// Alpha  \r\n", "<<media :2>>Alpha<</media>>"},
        {"script", &m_bar.m_MultiMedia, OBJ_SCRIPT, 1, "<<script :1>>\t// Beta  \r\n",
         "<<script :1>>"},
        {"ad space", &m_bar.m_Advertising, OBJ_ADSPACE, 2, "<<adspace :2>>\t// Alpha  \r\n",
         "<<adspace :2>>"},
        {"style", &m_bar.m_Styles, OBJ_STYLE, 1, "", ""},
        {"scheduled event", &m_bar.m_Events, OBJ_EVENT, 1, "", ""},
        {"advertiser", &m_bar.m_Advertising, OBJ_ADVERTISER, 1, "", ""},
        {"ad", &m_bar.m_Advertising, OBJ_AD, 1, "", ""},
        {"section of the pages", &m_bar.m_Pages, OBJ_SECTION, 10, "", ""},
        {"section of the images", &m_bar.m_Images, OBJ_SECTION, 10, "", ""},
        {"section of the multimedia", &m_bar.m_MultiMedia, OBJ_SECTION, 10, "", ""},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.label);
        c.tree->SelectKey(QZKeyCombo(c.id == 7 ? 9 : 5, c.id, c.type));
        ASSERT_NE(c.tree->GetSelectedItem(), nullptr);
        TestApp().m_bAddComments = TRUE;
        EXPECT_EQ(c.tree->GetInsertText().str(), c.withComment);
        TestApp().m_bAddComments = FALSE;
        EXPECT_EQ(c.tree->GetInsertText().str(), c.without);
        // Insert hands the same text to the active editor, and nothing when it is empty.
        m_actions.inserted.clear();
        c.tree->OnCommand(32838);
        EXPECT_EQ(m_actions.inserted,
                  *c.without ? std::vector<std::string>{c.without} : std::vector<std::string>{});
    }
}

TEST_F(TreeInsertTextTest, OnlyTheInsertedKindsAreDraggedAndOfferInsert) {
    LoadAll();
    Select(m_bar.m_Styles, OBJ_STYLE, 1);
    Select(m_bar.m_Events, OBJ_EVENT, 1);
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    EXPECT_FALSE(m_bar.m_Styles.CanDrag());
    EXPECT_FALSE(m_bar.m_Events.CanDrag());
    EXPECT_TRUE(m_bar.m_Macros.CanDrag());
    EXPECT_FALSE(m_bar.m_Styles.IsCommandEnabled(32838));
    EXPECT_TRUE(m_bar.m_Macros.IsCommandEnabled(32838));
    struct {
        SHORT type;
        BOOL drag;
        BOOL insert;
        BOOL newAd;
    } advertising[] = {{OBJ_ADVERTISER, FALSE, FALSE, TRUE},
                       {OBJ_AD, FALSE, FALSE, FALSE},
                       {OBJ_ADSPACE, TRUE, TRUE, FALSE}};
    for (const auto& c : advertising) {
        SCOPED_TRACE(c.type);
        Select(m_bar.m_Advertising, c.type, 1);
        EXPECT_EQ(m_bar.m_Advertising.CanDrag(), c.drag);
        EXPECT_EQ(m_bar.m_Advertising.IsCommandEnabled(32838), c.insert);
        EXPECT_EQ(m_bar.m_Advertising.IsCommandEnabled(32902), c.newAd);
    }
}

TEST_F(TreeInsertTextTest, ALabelOpensForEditingAsTheNameAlone) {
    struct {
        const char* label;
        const char* edited;
    } cases[] = {{"Home  (:5)", "Home"}, {"(x)", "(x)"}, {"a (b)  (:7)", "a (b)"}};
    for (const auto& c : cases)
        EXPECT_EQ(QZTreeModel::EditableLabel(c.label).str(), c.edited) << c.label;
    // The comment tail keeps what stands before the key's parenthesis.
    EXPECT_EQ(QZTreeModel::CutLabel("a (b)  (:7)").str(), "a (b)  ");

    ExecuteOn(m_path, "UPDATE Templates SET TemplateName = 'a (b)' WHERE TemplateID = 1");
    LoadAll();
    Select(m_bar.m_Macros, OBJ_MACRO, 1);
    EXPECT_EQ(m_bar.m_Macros.GetSelectedItem()->m_label.str(), "a (b)  (:1)");
    CString text;
    ASSERT_TRUE(m_bar.m_Macros.BeginRename(text));
    EXPECT_EQ(text.str(), "a (b)");
    EXPECT_EQ(m_bar.m_Macros.GetInsertText().str(), "<<macro :1>>\t// a (b)  \r\n");
}

TEST_F(TreeInsertTextTest, TheTreesShowNamesWithoutTheListsKindLetters) {
    LoadAll();
    EXPECT_EQ(Labels(m_bar.m_Pages), (std::vector<std::string>{"Sec A", "Sec B", "  Alpha  (:2)",
                                                               "  Beta  (:1)", "  Cgi  (:5)"}));
    EXPECT_EQ(Labels(m_bar.m_MultiMedia),
              (std::vector<std::string>{"Sec A", "Sec B", "  Alpha  (:2)", "  Beta  (:1)",
                                        "  Alpha  (:2)", "  Beta  (:1)", "  Alpha  (:2)",
                                        "  Beta  (:1)", "  Alpha  (:2)", "  Beta  (:1)"}));
    std::vector<int> images;
    for (const auto& item : m_bar.m_MultiMedia.GetRootItem(1)->m_children)
        images.push_back(item->m_nImage);
    EXPECT_EQ(images, (std::vector<int>{17, 17, 15, 15, 19, 19, 45, 45}));
    EXPECT_EQ(
        Labels(m_bar.m_Advertising),
        (std::vector<std::string>{"Alpha  (:2)", "  Delta  (:4)", "Beta  (:1)", "  Alpha  (:2)",
                                  "  Beta  (:1)", "Alpha  (:2)", "Beta  (:1)"}));
}

} // namespace
