// Reloading the trees: what a refill keeps (expanded sections, advertisers and queries, the
// selected object), deleted rows never shown, the refresh of the tree of a type code, the
// application's selected section following a section tree, and the commands the trees send.

#include "tests/content/ContentKinds.h"
#include "tests/shell/TreeFixture.h"

#include <map>

namespace {

class TreeRefillTest : public TreeTest {
protected:
    void SetUp() override {
        TreeTest::SetUp();
        LoadAll();
    }
    void Expand(QZTreeModel& tree, QZTreeItem* item) {
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(tree.OnItemExpanding(item, TRUE));
        tree.OnItemExpanded(item, TRUE);
    }
    // Object 5:id "New" of every kind the trees show, in service 5:1 and section 5:10.
    void AddObjectOfEveryKind(LONG id) {
        const std::string number = std::to_string(id);
        for (SHORT type :
             {OBJ_PAGE, OBJ_IMAGE, OBJ_MACRO, OBJ_FORM, OBJ_MESSAGE, OBJ_STYLE, OBJ_ACTIVEX,
              OBJ_JAVA, OBJ_MEDIA, OBJ_SCRIPT, OBJ_EVENT, OBJ_ADVERTISER, OBJ_AD, OBJ_ADSPACE}) {
            const ContentKind& kind = ContentKindOf(type);
            std::string columns = std::string("DbID, ") + kind.idColumn + ", " + kind.nameColumn +
                                  ", ServiceDbID, ServiceID, Deleted";
            std::string values = "5, " + number + ", 'New', 5, 1, 0";
            if (kind.place == ContentKind::inServiceAndSection) {
                columns += ", SectionDbID, SectionID";
                values += ", 5, 10";
            }
            if (type == OBJ_PAGE) {
                columns += ", AccessControl";
                values += ", 0";
            }
            if (type == OBJ_AD) {
                columns += ", AdvertiserDbID, AdvertiserID";
                values += ", 5, 1";
            }
            Insert(kind.table, columns, {values});
        }
        Insert("Query", "DbID, QueryID, QueryName, ServiceDbID, ServiceID, Deleted",
               {"5, " + number + ", 'New', 5, 1, 0"});
    }
    // Each tree of the bar by name.
    std::map<std::string, QZTreeModel*> Trees() {
        return {{"macros", &m_bar.m_Macros},     {"pages", &m_bar.m_Pages},
                {"images", &m_bar.m_Images},     {"forms", &m_bar.m_Forms},
                {"messages", &m_bar.m_Messages}, {"queries", &m_bar.m_Queries},
                {"styles", &m_bar.m_Styles},     {"multimedia", &m_bar.m_MultiMedia},
                {"events", &m_bar.m_Events},     {"advertising", &m_bar.m_Advertising}};
    }
};

TEST_F(TreeRefillTest, AtLoadEverySectionIsCollapsedAndDeletedRowsNeverShow) {
    EXPECT_EQ(Labels(m_bar.m_Images),
              (std::vector<std::string>{"Sec A", "Sec B", "  Alpha  (:2)", "  Beta  (:1)"}));
    EXPECT_EQ(m_bar.m_Images.GetRootItem(1)->m_nImage, 1);
    EXPECT_FALSE(m_bar.m_Images.GetRootItem(1)->m_bExpanded);
    EXPECT_EQ(Labels(m_bar.m_Events), (std::vector<std::string>{"Alpha  (:2)", "Beta  (:1)"}));
    // Deleted meanwhile: gone at the next refill.
    ExecuteOn(m_path, "UPDATE MQ_Events SET Deleted = 1 WHERE EventID = 2");
    m_bar.m_Events.Reload();
    EXPECT_EQ(Labels(m_bar.m_Events), std::vector<std::string>{"Beta  (:1)"});
    // A site without sections shows nothing; another site its own objects.
    m_bar.LoadAllTrees(QZKeyCombo(5, 3, OBJ_SERVICE));
    EXPECT_TRUE(Labels(m_bar.m_Pages).empty());
    m_bar.LoadAllTrees(QZKeyCombo(5, 2, OBJ_SERVICE));
    EXPECT_EQ(Labels(m_bar.m_Macros), std::vector<std::string>{"Delta  (:4)"});
    EXPECT_EQ(m_bar.GetCurrentSiteKey(), QZKeyCombo(5, 2));
}

TEST_F(TreeRefillTest, F5KeepsExpandedSectionsAndTheSelectedObject) {
    QZPageTreeModel& pages = m_bar.m_Pages;
    Expand(pages, pages.GetRootItem(1));
    EXPECT_EQ(pages.GetRootItem(1)->m_nImage, 0);
    Select(pages, OBJ_PAGE, 2);
    ExecuteOn(m_path, "UPDATE Documents SET Title = 'Alpha 2' WHERE DocID = 2");
    pages.Reload();
    EXPECT_EQ(pages.GetRootItem(1)->m_nImage, 0);
    EXPECT_TRUE(pages.GetRootItem(1)->m_bExpanded);
    EXPECT_FALSE(pages.GetRootItem(0)->m_bExpanded);
    ASSERT_NE(pages.GetSelectedItem(), nullptr);
    EXPECT_EQ(pages.GetSelectedItem()->m_label.str(), "Alpha 2  (:2)");
    // Collapsed, the section is reloaded collapsed.
    pages.OnItemExpanded(pages.GetRootItem(1), FALSE);
    EXPECT_EQ(pages.GetRootItem(1)->m_nImage, 1);
    pages.Reload();
    EXPECT_FALSE(pages.GetRootItem(1)->m_bExpanded);
}

TEST_F(TreeRefillTest, AWindowIsToldOfRefillsAndOfTheSelectionTheModelSets) {
    struct Window : QZTreeModelListener {
        void OnItemsRebuilt() override { ++rebuilt; }
        void OnItemChanged(QZTreeItem* item) override { changed.push_back(item->m_label.str()); }
        void OnSelectionSet(QZTreeItem* item) override { selected.push_back(item); }
        int rebuilt = 0;
        std::vector<std::string> changed;
        std::vector<QZTreeItem*> selected;
    } window;
    m_bar.m_Queries.SetListener(&window);
    m_bar.m_Queries.Refill(QZKeyCombo(5, 1, OBJ_SERVICE), QZKeyCombo(5, kPeople, OBJ_QUERY));
    EXPECT_GT(window.rebuilt, 0);
    ASSERT_EQ(window.selected.size(), 1u);
    EXPECT_EQ(window.selected[0]->m_label.str(), "People  (:20)");
    // A query's children read for a snippet show in the window too.
    m_bar.m_Queries.GetInsertText();
    EXPECT_EQ(window.changed, std::vector<std::string>{"People  (:20)"});
    m_bar.m_Queries.SetListener(nullptr);
}

TEST_F(TreeRefillTest, ARefillKeepsExpandedAdvertisersAndQueriesWithTheirChildrenReadAgain) {
    Expand(m_bar.m_Advertising, m_bar.m_Advertising.GetRootItem(1));
    Select(m_bar.m_Advertising, OBJ_AD, 2);
    m_bar.m_Advertising.Reload();
    EXPECT_TRUE(m_bar.m_Advertising.GetRootItem(1)->m_bExpanded);
    EXPECT_FALSE(m_bar.m_Advertising.GetRootItem(0)->m_bExpanded);
    ASSERT_NE(m_bar.m_Advertising.GetSelectedItem(), nullptr);
    EXPECT_EQ(m_bar.m_Advertising.GetSelectedItem()->m_nImage, 49);

    QZQueryTreeModel& queries = m_bar.m_Queries;
    QZTreeItem* people = queries.FindItem("People  (:20)");
    Expand(queries, people);
    Select(queries, OBJ_QUERY, kPeople);
    queries.Reload();
    people = queries.FindItem("People  (:20)");
    ASSERT_NE(people, nullptr);
    EXPECT_EQ(people->m_nImage, 38);
    EXPECT_EQ(people->ChildCount(), 3u);
    EXPECT_EQ(queries.GetSelectedItem(), people);
    EXPECT_EQ(queries.FindItem("One Param  (:22)")->Child(0)->m_label.str(), "Empty");
}

TEST_F(TreeRefillTest, RefreshObjectTreeReloadsTheTreesOfTheTypeCode) {
    struct Case {
        SHORT type;
        std::vector<std::string> trees;
    } cases[] = {
        {OBJ_SECTION, {"images", "pages"}},
        {OBJ_PAGE, {"pages"}},
        {OBJ_MACRO, {"macros"}},
        {OBJ_IMAGE, {"images"}},
        {OBJ_QUERY, {"queries"}},
        {OBJ_MESSAGE, {"messages"}},
        {OBJ_STYLE, {"styles"}},
        {OBJ_FORM, {"forms"}},
        {OBJ_ACTIVEX, {"multimedia"}},
        {OBJ_JAVA, {"multimedia"}},
        {OBJ_MEDIA, {"multimedia"}},
        {OBJ_SCRIPT, {"multimedia"}},
        {OBJ_ADVERTISER, {"advertising"}},
        {OBJ_ADSPACE, {"advertising"}},
        {OBJ_AD, {"advertising"}},
        {OBJ_EVENT, {"events"}},
        {OBJ_PHOTO, {}},
        {OBJ_AUTHOR, {}},
        {OBJ_SERVICE, {}},
    };
    LONG id = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        LoadAll();
        // A new object of every kind; only the refreshed trees show them.
        AddObjectOfEveryKind(++id);
        std::map<std::string, std::vector<std::string>> before;
        for (auto& [name, tree] : Trees())
            before[name] = Labels(*tree);
        m_bar.RefreshObjectTree(c.type, QZKeyCombo(5, 2, c.type));
        std::vector<std::string> changed;
        for (auto& [name, tree] : Trees())
            if (Labels(*tree) != before[name])
                changed.push_back(name);
        EXPECT_EQ(changed, c.trees);
    }
}

TEST_F(TreeRefillTest, ARefreshSelectsTheObjectOrTheSectionOfTheKey) {
    m_bar.RefreshObjectTree(OBJ_MACRO, QZKeyCombo(5, 2, OBJ_MACRO));
    EXPECT_EQ(m_bar.m_Macros.GetSelectedItem()->m_label.str(), "Alpha  (:2)");
    Expand(m_bar.m_Pages, m_bar.m_Pages.GetRootItem(1));
    m_bar.RefreshObjectTree(OBJ_SECTION, QZKeyCombo(5, 11, OBJ_SECTION));
    EXPECT_EQ(m_bar.m_Pages.GetSelectedItem()->m_label.str(), "Sec A");
    EXPECT_EQ(m_bar.m_Images.GetSelectedItem()->m_label.str(), "Sec A");
    EXPECT_TRUE(m_bar.m_Pages.GetRootItem(1)->m_bExpanded);
    // The multimedia tree tells its kinds apart by the key's type code.
    m_bar.RefreshObjectTree(OBJ_SCRIPT, QZKeyCombo(5, 1, OBJ_SCRIPT));
    EXPECT_EQ(m_bar.m_MultiMedia.GetSelectedItem()->m_nImage, 19);
    m_bar.RefreshObjectTree(OBJ_AD, QZKeyCombo(5, 1, OBJ_AD));
    EXPECT_EQ(m_bar.m_Advertising.GetSelectedItem()->m_nImage, 49);
}

TEST_F(TreeRefillTest, TheApplicationsSectionFollowsTheSectionTrees) {
    CVantrel3App& app = TestApp();
    Select(m_bar.m_Pages, OBJ_SECTION, 11);
    EXPECT_EQ(app.GetCurrentSectionKey(), QZKeyCombo(5, 11));
    Select(m_bar.m_Images, OBJ_IMAGE, 1);
    EXPECT_EQ(app.GetCurrentSectionKey(), QZKeyCombo(5, 10));
    EXPECT_EQ(m_bar.m_Images.GetSelectedSectionKey(), QZKeyCombo(5, 10));
    EXPECT_EQ(m_bar.m_Images.GetContextPopup(), 1);

    // Opening a section opens its settings; a double click on it opens nothing.
    Select(m_bar.m_Pages, OBJ_SECTION, 11);
    m_bar.m_Pages.OnDoubleClick();
    EXPECT_TRUE(m_actions.commands.empty());
    EXPECT_EQ(m_bar.m_Pages.GetContextPopup(), 0);
    m_bar.m_Pages.OnCommand(32774);
    EXPECT_EQ(m_actions.commands, std::vector<UINT>{32777});
    EXPECT_TRUE(m_actions.opened.empty());
    m_bar.m_Pages.OnCommand(32786);
    EXPECT_EQ(m_actions.commands, (std::vector<UINT>{32777, 32786}));
    Select(m_bar.m_Pages, OBJ_PAGE, 1);
    m_bar.m_Pages.OnDoubleClick();
    EXPECT_EQ(m_actions.opened, std::vector<std::string>{"2@5:1"});
}

TEST_F(TreeRefillTest, EachTreeOpensItsKindAndSendsItsNewCommand) {
    struct Case {
        QZTreeModel* tree;
        SHORT type;
        UINT newCommand;
    } cases[] = {
        {&m_bar.m_Pages, OBJ_PAGE, 57600},
        {&m_bar.m_Images, OBJ_IMAGE, 32778},
        {&m_bar.m_Macros, OBJ_MACRO, 32782},
        {&m_bar.m_Forms, OBJ_FORM, 32780},
        {&m_bar.m_Messages, OBJ_MESSAGE, 32783},
        {&m_bar.m_Styles, OBJ_STYLE, 32781},
        {&m_bar.m_Events, OBJ_EVENT, 32880},
        {&m_bar.m_Queries, OBJ_QUERY, 32784},
        {&m_bar.m_Advertising, OBJ_ADVERTISER, 32869},
        {&m_bar.m_Advertising, OBJ_ADSPACE, 32901},
        {&m_bar.m_MultiMedia, OBJ_JAVA, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        m_actions.opened.clear();
        m_actions.commands.clear();
        Select(*c.tree, c.type, 2);
        c.tree->OnCommand(32774);
        EXPECT_EQ(m_actions.opened, std::vector<std::string>{std::to_string(c.type) + "@5:2"});
        c.tree->OnCommand(32769);
        EXPECT_EQ(m_actions.commands,
                  c.newCommand ? std::vector<UINT>{c.newCommand} : std::vector<UINT>{});
    }
    m_actions.commands.clear();
    for (UINT command : {32866u, 32867u, 32865u, 32868u})
        EXPECT_TRUE(m_bar.m_MultiMedia.OnCommand(command));
    EXPECT_EQ(m_actions.commands, (std::vector<UINT>{32866, 32867, 32865, 32868}));
}

TEST_F(TreeRefillTest, NewAdNamesTheAdvertiserAsTheSectionWhileItRunsAndPutsTheSectionBack) {
    CVantrel3App& app = TestApp();
    QZAdvertiserTreeModel& ads = m_bar.m_Advertising;
    Select(ads, OBJ_ADVERTISER, 1);
    ads.OnCommand(32902);
    Select(ads, OBJ_AD, 4);
    ads.OnCommand(32902);
    // New on an ad is New Ad for its advertiser.
    ads.OnCommand(32769);
    Select(ads, OBJ_ADSPACE, 1);
    ads.OnCommand(32902);
    EXPECT_EQ(m_actions.commands, (std::vector<UINT>{32902, 32902, 32902, 32902}));
    EXPECT_EQ(m_actions.sectionAtCommand, (std::vector<std::string>{"5:1", "5:2", "5:2", "5:10"}));
    EXPECT_EQ(app.GetCurrentSectionKey(), QZKeyCombo(5, 10));
    // After New the next expand or collapse is refused once.
    EXPECT_FALSE(ads.OnItemExpanding(ads.GetRootItem(0), TRUE));
    EXPECT_TRUE(ads.OnItemExpanding(ads.GetRootItem(0), TRUE));
}

} // namespace
