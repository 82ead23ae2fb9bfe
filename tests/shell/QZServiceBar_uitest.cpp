// The Site Viewer on a real display over the seeded site: the tabs and their trees, a change
// of site, renaming through a tree's label, a double click, the keys, opening the selection,
// the context menus and their commands, and dragging an object out of a tree.

#include "platform/ui/BarStyles.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/InsertTextData.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxInsertTextData.h"
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
#include <wx/uiaction.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// Keeps the pop-up menu shown and chooses the scripted command from it.
class MenuScript : public MenuTracker {
public:
    MenuScript() : m_previous(SetMenuTracker(this)) {}
    ~MenuScript() override { SetMenuTracker(m_previous); }
    UINT Track(const CMenu& menu, CPoint, CWnd*) override {
        shown = menu;
        ++count;
        return choice;
    }
    // The items as the user reads them: texts without their "&", "~" after a greyed one, "-"
    // for a separator, a pop-up's items indented under its text.
    static std::vector<std::string> Texts(const CMenu& menu, const std::string& indent = "") {
        std::vector<std::string> texts;
        for (const CMenu::Item& item : menu.Items()) {
            if (item.flags & MF_SEPARATOR) {
                texts.push_back(indent + "-");
                continue;
            }
            std::string text = item.text.str();
            text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
            if (item.flags & MF_GRAYED)
                text += "~";
            texts.push_back(indent + text);
            if (item.popup) {
                for (const std::string& inner : Texts(*item.popup, indent + "  "))
                    texts.push_back(inner);
            }
        }
        return texts;
    }

    UINT choice = 0;
    int count = 0;
    CMenu shown;

private:
    MenuTracker* m_previous;
};

// The texts the trees hand to the drag, and what the data object built from each carries
// under plain text and under the private format.
struct DragRecord {
    static DWORD Run(CWnd* source, const CString& text) {
        (void)source;
        texts.push_back(text.str());
        return DROPEFFECT_COPY;
    }
    static std::string Bytes(const CString& text, const wxDataFormat& format) {
        std::unique_ptr<wxDataObjectComposite> data(NewInsertTextDataObject(text));
        std::vector<char> bytes(data->GetDataSize(format));
        EXPECT_TRUE(data->GetDataHere(format, bytes.data()));
        return std::string(bytes.data(), bytes.size());
    }
    static std::vector<std::string> texts;
};
std::vector<std::string> DragRecord::texts;

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

// The context menu a right click on the item of 5:id of the type in the tab's tree shows (with
// id 0: a click beside the items with nothing selected).
class TreeMenuTest : public ServiceBarTest {
protected:
    std::vector<std::string> MenuAt(int tab, SHORT type, LONG id) {
        bar.SelectTab(tab);
        QZTreeCtrl& tree = bar.GetTabTree(tab);
        HTREEITEM item = nullptr;
        if (id != 0) {
            item = SelectShown(tab, type, id);
            EXPECT_NE(item, nullptr);
        } else {
            tree.GetModel().Select(nullptr);
            tree.SelectItem(nullptr);
        }
        const int before = menus.count;
        tree.RightClickItem(item);
        EXPECT_EQ(menus.count, before + 1);
        return MenuScript::Texts(menus.shown);
    }
    // Chooses the command from the context menu of the item.
    void Choose(int tab, SHORT type, LONG id, UINT command) {
        menus.choice = command;
        MenuAt(tab, type, id);
        menus.choice = 0;
    }

    MenuScript menus;
};

TEST_F(TreeMenuTest, EachTreeShowsThePopUpOfItsSelectionGreyedByTheRoute) {
    using Texts = std::vector<std::string>;
    const Texts object{"New", "Open", "Insert", "-", "Mark for Publish", "-", "Delete"};
    Texts page = object;
    page.push_back("Generate Page");
    const Texts section{"New", "-", "New Section", "Edit Section"};
    const Texts nothing{"New", "Open~", "Insert", "-", "Mark for Publish", "-", "Delete~"};
    const Texts style{"New", "Open", "Insert~", "-", "Mark for Publish", "-", "Delete"};
    const Texts mediaNew{"New ActiveX", "New Java", "New Script", "New MultiMedia", "-"};
    Texts mediaObject = mediaNew;
    for (const char* text : {"Open", "Insert", "-", "Mark for Publish", "-", "Delete"})
        mediaObject.push_back(text);
    Texts mediaSection = mediaNew;
    mediaSection.push_back("New Section");
    mediaSection.push_back("Edit Section");
    const Texts advertiser{"New",   "New Advertiser", "New Ad", "New Ad Space",     "-",
                           "Open",  "Insert~",        "-",      "Mark for Publish", "-",
                           "Delete"};
    const Texts ad{"New", "New Advertiser",   "New Ad~", "New Ad Space", "-", "Open", "Insert~",
                   "-",   "Mark for Publish", "-",       "Delete"};
    const Texts adSpace{"New", "New Advertiser",   "New Ad~", "New Ad Space", "-", "Open", "Insert",
                        "-",   "Mark for Publish", "-",       "Delete"};
    const Texts query{"New",
                      "Open",
                      "Insert",
                      "  Print Mail List",
                      "  Print Table",
                      "  Insert Add",
                      "  Insert Edit",
                      "  Execute Query",
                      "-",
                      "Delete"};
    const struct {
        int tab;
        SHORT type;
        LONG id;
        Texts texts;
    } cases[] = {
        {0, OBJ_PAGE, 1, page},
        {0, OBJ_SECTION, 10, section},
        {0, OBJ_PAGE, 0, nothing},
        {2, OBJ_IMAGE, 2, object},
        {2, OBJ_SECTION, 11, section},
        {1, OBJ_MACRO, 2, object},
        {3, OBJ_FORM, 1, object},
        {4, OBJ_MESSAGE, 1, object},
        {6, OBJ_STYLE, 1, style},
        {8, OBJ_EVENT, 2, style},
        {7, OBJ_ACTIVEX, 1, mediaObject},
        {7, OBJ_SECTION, 10, mediaSection},
        {9, OBJ_ADVERTISER, 1, advertiser},
        {9, OBJ_AD, 1, ad},
        {9, OBJ_ADSPACE, 2, adSpace},
        {5, OBJ_QUERY, kOneParam, query},
        {5, OBJ_QUERY, 0, Texts{"New"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuAt(c.tab, c.type, c.id), c.texts) << c.tab << " " << c.type << "@" << c.id;

    // A field of an expanded query.
    QZTreeCtrl& queries = bar.GetTabTree(5);
    queries.ToggleItem(SelectShown(5, OBJ_QUERY, kOneParam));
    SettleWindows();
    QZTreeItem* field = queries.GetModel().FindItem("Bio");
    ASSERT_NE(field, nullptr);
    queries.RightClickItem(queries.ItemOf(field));
    EXPECT_EQ(queries.GetModel().GetSelectedItem(), field);
    EXPECT_EQ(MenuScript::Texts(menus.shown), (Texts{"Insert Print", "Insert Add", "Insert Edit"}));
}

TEST_F(TreeMenuTest, ACommandChosenReachesTheTreesProcedure) {
    // Insert: the macro's insert text into the active editor.
    Choose(1, OBJ_MACRO, 2, ID_TREE_INSERT);
    EXPECT_EQ(m_actions.inserted, std::vector<std::string>{"<<macro :2>>\t// Alpha  \r\n"});

    // New in the page tree: New Page goes to the main window.
    Choose(0, OBJ_PAGE, 1, ID_TREE_NEW);
    Choose(0, OBJ_SECTION, 11, ID_EDIT_SECTION);
    Choose(7, OBJ_SECTION, 10, ID_NEW_JAVA);
    EXPECT_EQ(m_actions.commands, (std::vector<UINT>{ID_FILE_NEW, ID_EDIT_SECTION, ID_NEW_JAVA}));
    EXPECT_EQ(TestApp().GetCurrentSectionKey(), QZKeyCombo(5, 10, OBJ_SECTION));

    // Print Table from the query's Insert pop-up, the fields read first.
    m_actions.inserted.clear();
    Choose(5, OBJ_QUERY, kNoParams, ID_PRINT_TABLE);
    ASSERT_EQ(m_actions.inserted.size(), 1u);
    EXPECT_EQ(m_actions.inserted[0], bar.GetModel().m_Queries.GetSnippet(ID_PRINT_TABLE).str());
    EXPECT_NE(m_actions.inserted[0].find("<td><<print [Name]>> </td>"), std::string::npos);

    // Mark for Publish sets the flag; Delete asks first.
    ExecuteOn(m_path, "UPDATE Forms SET PublishFlag = 0 WHERE FormID = 1");
    Choose(3, OBJ_FORM, 1, ID_MARK_FOR_PUBLISH);
    EXPECT_EQ(NumberOf("Forms", "PublishFlag", "FormID = 1"), 1);
    m_boxes.Answer(IDNO);
    Choose(3, OBJ_FORM, 1, ID_TREE_DELETE);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Are you sure you want to delete Beta?"});
    EXPECT_EQ(NumberOf("Forms", "Deleted", "FormID = 1"), 0);

    // New Ad from the advertising tree names the advertiser while it runs; with an ad selected
    // it is greyed.
    m_actions.commands.clear();
    m_actions.sectionAtCommand.clear();
    Choose(9, OBJ_AD, 1, ID_NEW_AD);
    Choose(9, OBJ_ADVERTISER, 2, ID_NEW_AD);
    EXPECT_EQ(m_actions.commands, std::vector<UINT>{ID_NEW_AD});
    EXPECT_EQ(m_actions.sectionAtCommand, std::vector<std::string>{"5:2"});
}

TEST_F(TreeMenuTest, AGreyedCommandIsNotCarriedOut) {
    // Open with nothing selected; New Ad with an ad space selected.
    Choose(0, OBJ_PAGE, 0, ID_TREE_OPEN);
    Choose(9, OBJ_ADSPACE, 1, ID_NEW_AD);
    Choose(6, OBJ_STYLE, 1, ID_TREE_INSERT);
    EXPECT_TRUE(m_actions.opened.empty());
    EXPECT_TRUE(m_actions.commands.empty());
    EXPECT_TRUE(m_actions.inserted.empty());
}

TEST_F(TreeMenuTest, ARightClickOfThePointerSelectsTheItemAndShowsItsMenu) {
    bar.SelectTab(1);
    SettleWindows();
    QZTreeCtrl& macros = bar.GetTabTree(1);
    QZTreeItem* alpha = macros.GetModel().FindItem("Alpha  (:2)");
    ASSERT_NE(alpha, nullptr);
    auto* tree = dynamic_cast<wxTreeCtrl*>(macros.GetSafeHwnd());
    ASSERT_NE(tree, nullptr);
    wxRect rect;
    ASSERT_TRUE(tree->GetBoundingRect(wxTreeItemId(macros.ItemOf(alpha)), rect, true));
    wxUIActionSimulator pointer;
    pointer.MouseMove(tree->ClientToScreen(rect.GetPosition() + wxPoint(4, rect.height / 2)));
    SettleWindows();
    pointer.MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return menus.count > 0; }));
    EXPECT_EQ(macros.GetModel().GetSelectedItem(), alpha);
    EXPECT_EQ(MenuScript::Texts(menus.shown).front(), "New");
}

class TreeDragTest : public ServiceBarTest {
protected:
    void SetUp() override {
        ServiceBarTest::SetUp();
        DragRecord::texts.clear();
        m_previous = QZTreeCtrl::SetDragRunner(&DragRecord::Run);
    }
    void TearDown() override {
        QZTreeCtrl::SetDragRunner(m_previous);
        ServiceBarTest::TearDown();
    }
    // Drags the item of 5:id of the type out of the tab's tree.
    void Drag(int tab, SHORT type, LONG id) {
        bar.SelectTab(tab);
        bar.GetTabTree(tab).DragItem(SelectShown(tab, type, id));
    }

    QZTreeCtrl::DragRunner m_previous = nullptr;
};

TEST_F(TreeDragTest, ADragOffersTheTreesInsertTextInBothFormats) {
    const struct {
        int tab;
        SHORT type;
        LONG id;
        const char* text; // null: no drag
    } cases[] = {
        {0, OBJ_PAGE, 1, "<<link :1>>Beta<</link>>"},
        {1, OBJ_MACRO, 2, "<<macro :2>>\t// Alpha  \r\n"},
        {2, OBJ_IMAGE, 1, "<<image :1>>\t// Beta  \r\n"},
        {7, OBJ_JAVA, 2, "<<java :2>>Alpha<</java>>\t// Alpha  \r\n"},
        {9, OBJ_ADSPACE, 1, "<<adspace :1>>\t// Beta  \r\n"},
        {6, OBJ_STYLE, 1, nullptr},
        {8, OBJ_EVENT, 1, nullptr},
        {9, OBJ_ADVERTISER, 1, nullptr},
    };
    for (const auto& c : cases) {
        DragRecord::texts.clear();
        Drag(c.tab, c.type, c.id);
        const std::vector<std::string> expected =
            c.text ? std::vector<std::string>{c.text} : std::vector<std::string>{};
        EXPECT_EQ(DragRecord::texts, expected) << c.tab << " " << c.type << "@" << c.id;
        if (c.text) {
            EXPECT_EQ(DragRecord::texts[0], bar.GetTabTree(c.tab).GetModel().GetInsertText().str());
        }
    }

    // What the drag offers: the text and one zero byte under the private format, the same text
    // as plain text (the window system's text carries no zero byte).
    const CString text = "<<macro :2>>\t// Alpha  \r\n";
    EXPECT_EQ(DragRecord::Bytes(text, InsertTextFormat()), std::string(text.str()) + '\0');
    EXPECT_EQ(DragRecord::Bytes(text, wxDF_TEXT), text.str());
}

TEST_F(TreeDragTest, ATreesInsertTextRoundTripsThroughTheClipboardInEitherFormat) {
    bar.SelectTab(9);
    QZTreeModel& advertising = bar.GetTabTree(9).GetModel();
    ASSERT_NE(Select(advertising, OBJ_ADSPACE, 1), nullptr);
    const CString text = advertising.GetInsertText();
    for (BOOL privateFormat : {TRUE, FALSE}) {
        ASSERT_TRUE(SetClipboardInsertText(text, privateFormat));
        CString back;
        ASSERT_TRUE(GetClipboardInsertText(back));
        EXPECT_EQ(back.str(), "<<adspace :1>>\t// Beta  \r\n") << privateFormat;
    }
}

TEST_F(TreeDragTest, APointerDragStartsTheDragOfTheItemUnderIt) {
    bar.SelectTab(1);
    SettleWindows();
    QZTreeCtrl& macros = bar.GetTabTree(1);
    QZTreeItem* beta = macros.GetModel().FindItem("Beta  (:1)");
    ASSERT_NE(beta, nullptr);
    auto* tree = dynamic_cast<wxTreeCtrl*>(macros.GetSafeHwnd());
    ASSERT_NE(tree, nullptr);
    wxRect rect;
    ASSERT_TRUE(tree->GetBoundingRect(wxTreeItemId(macros.ItemOf(beta)), rect, true));
    const wxPoint start = tree->ClientToScreen(rect.GetPosition() + wxPoint(4, rect.height / 2));
    wxUIActionSimulator pointer;
    pointer.MouseMove(start);
    SettleWindows();
    pointer.MouseDown();
    for (int step = 1; step <= 6; ++step) {
        pointer.MouseMove(start + wxPoint(step * 5, step * 3));
        PumpFor(20);
    }
    pointer.MouseUp();
    ASSERT_TRUE(PumpUntil([] { return !DragRecord::texts.empty(); }));
    EXPECT_EQ(DragRecord::texts, std::vector<std::string>{"<<macro :1>>\t// Beta  \r\n"});
    EXPECT_EQ(macros.GetModel().GetSelectedItem(), beta);
}

TEST_F(ServiceBarTest, Screenshot) {
    QZTreeCtrl& pages = bar.GetTabTree(0);
    for (HTREEITEM item = pages.GetChildItem(TVI_ROOT); item; item = pages.GetNextSiblingItem(item))
        pages.DoubleClickItem(item);
    SelectShown(0, OBJ_PAGE, 1);
    EXPECT_TRUE(ScreenshotOf(frame.GetSafeHwnd(), ScreenshotPath("siteviewer.png")));

    // The query tree with a query expanded to its parameters and fields.
    bar.SelectTab(5);
    QZTreeCtrl& queries = bar.GetTabTree(5);
    queries.ToggleItem(SelectShown(5, OBJ_QUERY, kOneParam));
    SettleWindows();
    EXPECT_TRUE(ScreenshotOf(frame.GetSafeHwnd(), ScreenshotPath("siteviewer-query.png")));
}

} // namespace
