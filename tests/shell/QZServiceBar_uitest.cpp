// The Site Viewer on a real display over the seeded site: the tabs and their trees, a change
// of site, renaming through a tree's label, a double click, the keys, and opening the
// selection.

#include "platform/ui/BarStyles.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "shell/QZServiceBar.h"
#include "shell/QZServiceComboBox.h"
#include "tests/shell/ShellUiSupport.h"
#include "tests/shell/TreeFixture.h"
#include "wintoolkit/frame/SECFrameWnd.h"

#include <wx/combobox.h>
#include <wx/treectrl.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ServiceBarTest : public TreeTest {
protected:
    void SetUp() override {
        TreeTest::SetUp();
        RegisterResources();
        ASSERT_TRUE(frame.Create(nullptr, "Site Viewer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(0, 0, 500, 640)));
        frame.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(&frame, IDD_SITE_VIEWER,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_SIZE_DYNAMIC, 0,
                               IDD_SITE_VIEWER));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
        frame.RecalcLayout();
        m_actions.bar = &bar.GetModel();
        bar.Initialize();
        SettleWindows();
    }
    void TearDown() override {
        frame.DestroyWindow();
        SettleWindows();
        TreeTest::TearDown();
    }

    // The labels the window of a tree shows, depth first, children indented by two blanks.
    static std::vector<std::string> Shown(CTreeCtrl& tree, HTREEITEM under = TVI_ROOT,
                                          const std::string& indent = "") {
        std::vector<std::string> labels;
        for (HTREEITEM item = tree.GetChildItem(under); item;
             item = tree.GetNextSiblingItem(item)) {
            labels.push_back(indent + tree.GetItemText(item).str());
            for (const std::string& child : Shown(tree, item, indent + "  "))
                labels.push_back(child);
        }
        return labels;
    }
    // The window item of the model item of 5:id of the type in the tab's tree, selected.
    HTREEITEM SelectShown(int tab, SHORT type, LONG id) {
        QZTreeCtrl& tree = bar.GetTabTree(tab);
        QZTreeItem* item = Select(tree.GetModel(), type, id);
        return item ? tree.ItemOf(item) : nullptr;
    }
    void PickSite(int index) {
        auto* combo = dynamic_cast<wxComboBox*>(bar.GetSiteCombo()->GetSafeHwnd());
        ASSERT_NE(combo, nullptr);
        combo->SetSelection(index);
        wxCommandEvent event(wxEVT_COMBOBOX, combo->GetId());
        event.SetEventObject(combo);
        event.SetInt(index);
        combo->GetEventHandler()->ProcessEvent(event);
    }
    int SiteIndex(const char* name) {
        QZServiceComboBox& combo = *bar.GetSiteCombo();
        for (int n = 0; n < combo.GetCount(); ++n) {
            CString text;
            combo.GetLBText(n, text);
            if (text == name)
                return n;
        }
        return -1;
    }

    SECFrameWnd frame;
    QZServiceBar bar{&m_actions};
};

TEST_F(ServiceBarTest, StartsOnThePageTabWithItsTreeAloneShown) {
    EXPECT_EQ(bar.GetCurrentTab(), 0);
    EXPECT_EQ(bar.GetTabs().GetItemCount(), 10);
    EXPECT_EQ(bar.GetCaption().str(), "Pages");
    for (int tab = 0; tab < QZServiceBar::kTabCount; ++tab)
        EXPECT_EQ(bar.GetTabTree(tab).IsWindowVisible(), tab == 0) << tab;
    EXPECT_EQ(bar.GetCurrentSiteKey(), QZKeyCombo(5, 1, OBJ_SERVICE));
    EXPECT_EQ(bar.GetSiteCombo()->GetSelectedKey(), QZKeyCombo(5, 1, OBJ_SERVICE));
    // The idle update leaves the site combo box usable.
    PumpFor(200);
    EXPECT_TRUE(bar.GetSiteCombo()->IsWindowEnabled());
    // Every tree was loaded for the site; the window shows what its model holds.
    for (int tab = 0; tab < QZServiceBar::kTabCount; ++tab)
        EXPECT_EQ(Shown(bar.GetTabTree(tab)), Labels(bar.GetTabTree(tab).GetModel())) << tab;
    EXPECT_EQ(Shown(bar.GetTabTree(1)), (std::vector<std::string>{"Alpha  (:2)", "Beta  (:1)"}));
}

TEST_F(ServiceBarTest, ATabClickShowsItsTreeAndCaption) {
    const struct {
        int tab;
        const char* caption;
        QZTreeModel* model;
    } cases[] = {
        {1, "Macros", &bar.GetModel().m_Macros},
        {2, "Images", &bar.GetModel().m_Images},
        {3, "Forms", &bar.GetModel().m_Forms},
        {4, "Email", &bar.GetModel().m_Messages},
        {5, "Queries/Tables", &bar.GetModel().m_Queries},
        {6, "Styles", &bar.GetModel().m_Styles},
        {7, "Media Objects", &bar.GetModel().m_MultiMedia},
        {8, "Scheduled Events", &bar.GetModel().m_Events},
        {9, "Advertising", &bar.GetModel().m_Advertising},
        {0, "Pages", &bar.GetModel().m_Pages},
    };
    for (const auto& c : cases) {
        // A click where the tab is painted.
        const int x = c.tab * (bar.GetTabs().GetRowHeight()) + 3;
        bar.GetTabs().ClickTab(bar.GetTabs().HitTest(CPoint(x, 5)));
        SettleWindows();
        EXPECT_EQ(bar.GetCurrentTab(), c.tab);
        EXPECT_EQ(bar.GetCaption().str(), c.caption);
        EXPECT_EQ(&bar.GetTabTree(c.tab).GetModel(), c.model);
        for (int tab = 0; tab < QZServiceBar::kTabCount; ++tab)
            EXPECT_EQ(bar.GetTabTree(tab).IsWindowVisible(), tab == c.tab) << c.tab << " " << tab;
    }
}

TEST_F(ServiceBarTest, AnotherSiteReloadsEveryTreeAndTheSameSiteNothing) {
    CVantrel3App& app = TestApp();
    bar.SelectTab(1);
    // A row added behind the bar's back shows only when the trees are read again.
    Insert("Templates", "DbID, TemplateID, ServiceDbID, ServiceID, TemplateName, Deleted",
           {"5, 6, 5, 1, 'Epsilon', 0"});
    app.GetCurrentSectionKey() = QZKeyCombo(5, 10, OBJ_SECTION);
    PickSite(SiteIndex("Main"));
    EXPECT_EQ(Shown(bar.GetTabTree(1)), (std::vector<std::string>{"Alpha  (:2)", "Beta  (:1)"}));
    EXPECT_EQ(app.GetCurrentSectionKey(), QZKeyCombo(5, 10, OBJ_SECTION));

    PickSite(SiteIndex("Other"));
    EXPECT_EQ(app.GetCurrentServiceKey(), QZKeyCombo(5, 2, OBJ_SERVICE));
    EXPECT_EQ(app.GetCurrentSectionKey(), QZTreeModel::EmptyKey());
    EXPECT_EQ(bar.GetCurrentSiteKey(), QZKeyCombo(5, 2, OBJ_SERVICE));
    EXPECT_EQ(bar.GetCurrentTab(), 1);
    for (int tab = 0; tab < QZServiceBar::kTabCount; ++tab)
        EXPECT_EQ(Shown(bar.GetTabTree(tab)), Labels(bar.GetTabTree(tab).GetModel())) << tab;
    EXPECT_EQ(Shown(bar.GetTabTree(1)), std::vector<std::string>{"Delta  (:4)"});

    PickSite(SiteIndex("Main"));
    EXPECT_EQ(Shown(bar.GetTabTree(1)),
              (std::vector<std::string>{"Alpha  (:2)", "Beta  (:1)", "Epsilon  (:6)"}));
}

TEST_F(ServiceBarTest, ASiteTheComboBoxDoesNotListBecomesItsOwnSelection) {
    bar.SelectService(QZKeyCombo(5, 3, OBJ_SERVICE));
    EXPECT_EQ(bar.GetCurrentSiteKey(), bar.GetSiteCombo()->GetSelectedKey());
    EXPECT_EQ(TestApp().GetCurrentServiceKey(), bar.GetCurrentSiteKey());
    EXPECT_EQ(TestApp().GetCurrentSectionKey(), QZTreeModel::EmptyKey());
}

TEST_F(ServiceBarTest, ALabelEditedInTheTreeIsSavedAndShown) {
    ExecuteOn(m_path, "UPDATE Documents SET Title = 'Home' WHERE DocID = 5");
    bar.RefreshObjectTree(OBJ_PAGE, QZKeyCombo(5, 5, OBJ_PAGE));
    QZTreeCtrl& pages = bar.GetTabTree(0);
    HTREEITEM home = SelectShown(0, OBJ_PAGE, 5);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(pages.GetItemText(home).str(), "Home  (:5)");
    pages.EditLabel(home);
    ASSERT_TRUE(pages.SetEditText("New Home  "));
    pages.EndEditLabel(FALSE);
    ASSERT_TRUE(PumpUntil([&] {
        HTREEITEM selected = pages.GetSelectedItem();
        return selected && pages.GetItemText(selected) == "New Home  (:5)";
    }));
    EXPECT_EQ(TextOf("Documents", "Title", "DocID = 5"), "New Home");
    EXPECT_EQ(m_actions.refreshed, std::vector<std::string>{"2@5:5"});

    // A cancelled edit keeps the name and shows the tree again.
    m_actions.refreshed.clear();
    pages.EditLabel(pages.GetSelectedItem());
    pages.SetEditText("Other");
    pages.EndEditLabel(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return !m_actions.refreshed.empty(); }));
    EXPECT_EQ(TextOf("Documents", "Title", "DocID = 5"), "New Home");
    EXPECT_EQ(pages.GetItemText(pages.GetSelectedItem()).str(), "New Home  (:5)");
}

TEST_F(ServiceBarTest, ADoubleClickOpensAPageAndOpensAndClosesASection) {
    QZTreeCtrl& pages = bar.GetTabTree(0);
    HTREEITEM page = SelectShown(0, OBJ_PAGE, 1);
    ASSERT_NE(page, nullptr);
    pages.DoubleClickItem(page);
    EXPECT_EQ(m_actions.opened, std::vector<std::string>{"2@5:1"});

    m_actions.opened.clear();
    HTREEITEM section = SelectShown(0, OBJ_SECTION, 10);
    ASSERT_NE(section, nullptr);
    const BOOL expanded = pages.IsExpanded(section);
    pages.DoubleClickItem(section);
    EXPECT_TRUE(m_actions.opened.empty());
    EXPECT_NE(pages.IsExpanded(section), expanded);
}

TEST_F(ServiceBarTest, KeysRefreshAndDelete) {
    QZTreeCtrl& macros = bar.GetTabTree(1);
    Insert("Templates", "DbID, TemplateID, ServiceDbID, ServiceID, TemplateName, Deleted",
           {"5, 6, 5, 1, 'Epsilon', 0"});
    macros.PressKey(0x74); // F5
    EXPECT_EQ(Shown(macros),
              (std::vector<std::string>{"Alpha  (:2)", "Beta  (:1)", "Epsilon  (:6)"}));

    ASSERT_NE(SelectShown(1, OBJ_MACRO, 6), nullptr);
    m_boxes.Answer(IDYES);
    macros.PressKey(0x2E); // Delete
    EXPECT_EQ(m_boxes.texts(),
              std::vector<std::string>{"Are you sure you want to delete Epsilon?"});
    EXPECT_EQ(NumberOf("Templates", "Deleted", "TemplateID = 6"), 1);
    EXPECT_EQ(Shown(macros), (std::vector<std::string>{"Alpha  (:2)", "Beta  (:1)"}));
}

TEST_F(ServiceBarTest, OpenSelectedObjectNeedsAFocusedTreeWithASelection) {
    EXPECT_FALSE(bar.OpenSelectedObject());
    ASSERT_NE(SelectShown(0, OBJ_PAGE, 1), nullptr);
    bar.GetTabTree(0).SetFocus();
    SettleWindows();
    if (CWnd::GetFocus() == &bar.GetTabTree(0)) {
        EXPECT_TRUE(bar.OpenSelectedObject());
        EXPECT_EQ(m_actions.opened, std::vector<std::string>{"2@5:1"});
    }
    bar.GetModel().m_Pages.Select(nullptr);
    EXPECT_FALSE(bar.OpenSelectedObject());
}

TEST_F(ServiceBarTest, AQueryShowsItsParametersAndFieldsWhenExpandedAndDropsThemCollapsed) {
    bar.SelectTab(5);
    QZTreeCtrl& queries = bar.GetTabTree(5);
    HTREEITEM query = SelectShown(5, OBJ_QUERY, kOneParam);
    ASSERT_NE(query, nullptr);
    queries.ToggleItem(query);
    SettleWindows();
    const std::vector<std::string> expanded = Shown(queries);
    EXPECT_EQ(expanded, Labels(queries.GetModel()));
    EXPECT_TRUE(queries.IsExpanded(queries.ItemOf(queries.GetModel().GetSelectedItem())));
    // Read on expanding: the parameter, then the fields.
    const std::vector<std::string> children{"  who", "  Name", "  Bio"};
    const auto at = std::find(expanded.begin(), expanded.end(), "One Param  (:22)");
    ASSERT_NE(at, expanded.end());
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 4), children);
    queries.ToggleItem(queries.ItemOf(queries.GetModel().GetSelectedItem()));
    SettleWindows();
    EXPECT_EQ(Shown(queries), Labels(queries.GetModel()));
    EXPECT_LT(Shown(queries).size(), expanded.size());
}

TEST_F(ServiceBarTest, Screenshot) {
    QZTreeCtrl& pages = bar.GetTabTree(0);
    for (HTREEITEM item = pages.GetChildItem(TVI_ROOT); item; item = pages.GetNextSiblingItem(item))
        pages.DoubleClickItem(item);
    SelectShown(0, OBJ_PAGE, 1);
    EXPECT_TRUE(ScreenshotOf(frame.GetSafeHwnd(), ScreenshotPath("siteviewer.png")));
}

} // namespace
