// The application's commands and the editor documents' own, sent to the program's main window as
// its menu and keys send them: each New command with its preconditions and landing tab, Open,
// Save All, and Save, Save As and Generate reaching the active editor's document through the
// route; what stays greyed; an engine error of a command shown, not fatal; the framework's New
// with its chooser of the kinds; the Site Viewer of the main frame over the site database, its
// trees following saves and bringing an open editor's status tab forward.

#include "editors/CVantrel3Doc.h"
#include "editors/QZDocumentCommands.h"
#include "editors/QZDocumentKinds.h"
#include "editors/QZEditView.h"
#include "editors/QZKindDocument.h"
#include "editors/QZQueryDoc.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocManager.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MainWnd.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CMainFrame.h"
#include "shell/QZOutputMessageSink.h"
#include "shell/QZServiceBar.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/registry/SettingsFolder.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

namespace {

// Asks a command's update along a target's route as a menu does: an item without any handler
// is greyed.
BOOL ShownEnabled(CCmdTarget* target, UINT id) {
    struct Probe : CCmdUI {
        void Enable(BOOL bOn) override {
            enabled = bOn;
            m_bEnableChanged = TRUE;
        }
        void SetCheck(int) override {}
        void SetText(LPCTSTR) override {}
        BOOL enabled = TRUE;
    } probe;
    probe.m_nID = id;
    probe.DoUpdate(target, TRUE);
    return probe.enabled;
}

const char* const kNoService = "No Service selected";
const char* const kNoSection = "No Section selected";

} // namespace

class ApplicationCommandsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        RegisterResources();
        ASSERT_TRUE(m_frame.LoadFrame());
        // The Site Viewer selects a listed site as the frame is made; the fixture's site is not
        // in the site list, so it is selected again here.
        SelectSite(kService, kSection);
        // The tests read the engine messages from their recorder, not from the output pane.
        UninstallOutputMessageSink();
        SetMainWnd(&m_frame);
        TestApp().m_pMainWnd = &m_frame;
        m_frame.MoveWindow(0, 0, 1000, 700);
        m_frame.ShowWindow(SW_SHOWNORMAL);
        SetEditorServices(&m_services);
        SettleWindows();
    }
    void TearDown() override {
        CloseAll();
        SetEditorServices(nullptr);
        QZKindDocument::SetSaveAsDialog(nullptr);
        TestApp().m_pMainWnd = nullptr;
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        SetMainWnd(&m_book);
        EditorTest::TearDown();
    }

    // The command as the menu or an accelerator sends it to the main window.
    void Command(UINT id) {
        m_frame.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
        SettleWindows();
    }
    QZChildFrame* Frame() const { return dynamic_cast<QZChildFrame*>(m_frame.MDIGetActive()); }
    QZDocument* Document() const {
        QZChildFrame* frame = Frame();
        return frame ? dynamic_cast<QZDocument*>(frame->GetActiveDocument()) : nullptr;
    }
    void SelectSite(LONG service, LONG section) {
        TestApp().GetCurrentServiceKey().SetKey(service ? 5 : 0, service);
        TestApp().GetCurrentSectionKey().SetKey(section ? 5 : 0, section);
    }
    void AddAdvertiser(LONG id, int deleted) {
        Insert("MQ_Advertiser", "DbID, AdvertiserID, BusinessName, ServiceDbID, ServiceID, Deleted",
               "5, " + std::to_string(id) + ", 'Shop', 5, 10, " + std::to_string(deleted));
    }

    SettingsFolder m_settings;
    CMainFrame m_frame;
};

TEST_F(ApplicationCommandsTest, EveryNewCommandOpensANewEditorOfItsKindOnItsLandingTab) {
    AddAdvertiser(30, 0);
    struct NewCase {
        UINT command;
        SHORT type;
        int tab;
        const char* word;
    };
    const std::vector<NewCase> cases{
        {ID_FILE_NEW, OBJ_PAGE, 2, "Page"},
        {ID_NEW_MACRO, OBJ_MACRO, 1, nullptr},
        {ID_NEW_IMAGE, OBJ_IMAGE, 0, "Image"},
        {ID_NEW_PHOTO, OBJ_PHOTO, 0, "Photo"},
        {ID_NEW_FORM, OBJ_FORM, 2, "Form"},
        {ID_NEW_EMAIL, OBJ_MESSAGE, 1, "Email"},
        {ID_NEW_QUERY, OBJ_QUERY, 0, "Query"},
        {ID_NEW_STYLE, OBJ_STYLE, 0, "Style"},
        {ID_NEW_ACTIVEX, OBJ_ACTIVEX, 0, "ActiveX Controls"},
        {ID_NEW_MULTIMEDIA, OBJ_MEDIA, 0, "MultiMedia"},
        {ID_NEW_JAVA, OBJ_JAVA, 0, "Java"},
        {ID_NEW_SCRIPT, OBJ_SCRIPT, 1, "Script"},
        {ID_NEW_EVENT, OBJ_EVENT, 1, "Scheduled Events"},
        {ID_NEW_ADVERTISER, OBJ_ADVERTISER, 0, "Advertisers"},
        {ID_NEW_AD, OBJ_AD, 0, "Ad"},
        {ID_NEW_ADSPACE, OBJ_ADSPACE, 0, "Ad Space"},
    };
    for (const NewCase& c : cases) {
        SCOPED_TRACE(c.command);
        Command(c.command);
        ASSERT_EQ(OpenDocuments().size(), 1u);
        QZDocument* document = Document();
        ASSERT_NE(document, nullptr);
        QZVantrelBase* object = document->GetContentObject();
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetObjectType(), c.type);
        EXPECT_EQ(SelectedTab(Frame()), c.tab);
        const std::string own =
            object->GetName().str() + "  (" + object->GetKey().Format().str() + ") -- ";
        // A new macro keeps the template's default title until its first change.
        EXPECT_EQ(document->GetTitle().str(), c.word ? own + c.word : "Macro1");
        EXPECT_TRUE(m_boxes.texts().empty());
        CloseAll();
    }
}

TEST_F(ApplicationCommandsTest, ANewCommandAsksForTheSiteFirstAndThenForTheSection) {
    struct Case {
        LONG service;
        LONG section;
        UINT command;
        const char* message; // null: a new editor opens
    };
    const std::vector<Case> cases{
        {0, 0, ID_FILE_NEW, kNoService},    {0, 20, ID_FILE_NEW, kNoService},
        {0, 0, ID_NEW_IMAGE, kNoService},   {0, 0, ID_NEW_MACRO, kNoService},
        {0, 0, ID_NEW_QUERY, kNoService},   {0, 0, ID_NEW_STYLE, kNoService},
        {10, 0, ID_FILE_NEW, kNoSection},   {10, 0, ID_NEW_IMAGE, kNoSection},
        {10, 0, ID_NEW_PHOTO, kNoSection},  {10, 0, ID_NEW_MACRO, nullptr},
        {10, 0, ID_NEW_FORM, nullptr},      {10, 0, ID_NEW_EMAIL, nullptr},
        {0, 0, ID_NEW_ACTIVEX, nullptr},    {0, 0, ID_NEW_SCRIPT, nullptr},
        {0, 0, ID_NEW_ADVERTISER, nullptr}, {0, 0, ID_NEW_ADSPACE, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " site " + std::to_string(c.service) +
                     " section " + std::to_string(c.section));
        SelectSite(c.service, c.section);
        m_boxes.Clear();
        Command(c.command);
        if (c.message) {
            EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{c.message});
            EXPECT_TRUE(OpenDocuments().empty());
        } else {
            EXPECT_TRUE(m_boxes.texts().empty());
            EXPECT_EQ(OpenDocuments().size(), 1u);
        }
        CloseAll();
    }
}

TEST_F(ApplicationCommandsTest, NewAdFollowsTheSelectedSitesAdvertisers) {
    EXPECT_FALSE(ShownEnabled(&m_frame, ID_NEW_AD));
    // Disabled, the command does nothing even when it is sent.
    Command(ID_NEW_AD);
    EXPECT_TRUE(OpenDocuments().empty());
    AddAdvertiser(30, 1);
    EXPECT_FALSE(ShownEnabled(&m_frame, ID_NEW_AD));
    AddAdvertiser(31, 0);
    EXPECT_TRUE(ShownEnabled(&m_frame, ID_NEW_AD));
    // Another site's advertisers count for nothing.
    SelectSite(11, 20);
    EXPECT_FALSE(ShownEnabled(&m_frame, ID_NEW_AD));
}

TEST_F(ApplicationCommandsTest, ANewQueryTakesTheSitesDatabases) {
    Insert("Services", "DbID, ServiceID, Name, ClientsDb, ClientsProdDb, Deleted",
           "5, 10, 'Site', 'clients.mdb', 'live.mdb', 0");
    Command(ID_NEW_QUERY);
    auto* document = dynamic_cast<QZQueryDoc*>(Document());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetQuery()->GetDatabaseName().str(), "clients.mdb");
    EXPECT_EQ(document->GetQuery()->GetProductionDatabaseName().str(), "live.mdb");
}

TEST_F(ApplicationCommandsTest, OpenWithNothingSelectedSaysSo) {
    Command(ID_FILE_OPEN);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"There is nothing selected to open"});
    EXPECT_TRUE(OpenDocuments().empty());
}

TEST_F(ApplicationCommandsTest, OpeningByKeyActivatesAnOpenEditorAndLeavesThePhotoToItsTree) {
    AddKindRow(EditorKinds()[0], 12, "Home");
    AddKindRow(EditorKinds()[7], 12, "Beach");
    CVantrel3App& app = TestApp();
    EXPECT_TRUE(app.OpenObject(OBJ_PAGE, QZKeyCombo(5, 12, OBJ_PAGE)));
    QZChildFrame* home = Frame();
    EXPECT_TRUE(app.OpenObject(OBJ_PAGE, QZKeyCombo(5, 12, OBJ_PAGE)));
    EXPECT_EQ(app.CountOpenDocuments(), 1);
    EXPECT_EQ(Frame(), home);
    EXPECT_TRUE(app.ActivateOpenDocument(QZKeyCombo(5, 12, OBJ_PAGE), OBJ_PAGE));
    EXPECT_FALSE(app.ActivateOpenDocument(QZKeyCombo(5, 12, OBJ_FORM), OBJ_FORM));
    EXPECT_FALSE(app.OpenObject(OBJ_PHOTO, QZKeyCombo(5, 12, OBJ_PHOTO)));
    EXPECT_EQ(app.CountOpenDocuments(), 1);
}

TEST_F(ApplicationCommandsTest, SaveAllSavesTheModifiedEditors) {
    AddKindRow(EditorKinds()[0], 12, "Home");
    AddKindRow(EditorKinds()[1], 12, "Menu");
    AddKindRow(EditorKinds()[11], 12, "Plain");
    for (SHORT type : {OBJ_PAGE, OBJ_MACRO, OBJ_STYLE})
        ASSERT_TRUE(Open(type, 12));
    for (QZDocument* document : OpenDocuments()) {
        if (document->GetContentObject()->GetObjectType() == OBJ_MACRO)
            continue;
        Rename(document, "Saved");
    }
    Command(ID_SAVE_ALL);
    EXPECT_EQ(NameOf(EditorKinds()[0], 12), "Saved");
    EXPECT_EQ(NameOf(EditorKinds()[1], 12), "Menu");
    EXPECT_EQ(NameOf(EditorKinds()[11], 12), "Saved");
    EXPECT_EQ(NumberOf(EditorKinds()[0], 12, "GenerateFlag"), 1);
    for (QZDocument* document : OpenDocuments())
        EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(ApplicationCommandsTest, TheActiveEditorsDocumentTakesSaveSaveAsAndGenerate) {
    AddKindRow(EditorKinds()[0], 12, "Home", "Dynamic", "1");
    AddKindRow(EditorKinds()[0], 13, "Still", "Dynamic, NeverGenerateFlag", "0, 1");
    AddKindRow(EditorKinds()[1], 12, "Menu");
    BindSaveAsDialog();
    struct Case {
        const char* label;
        SHORT type;
        LONG id;
        UINT command;
        std::vector<std::string> boxes;
        std::vector<std::string> logged;
    };
    const std::vector<Case> cases{
        {"save a page", OBJ_PAGE, 12, ID_FILE_SAVE, {}, {}},
        {"save a macro", OBJ_MACRO, 12, ID_FILE_SAVE, {}, {}},
        {"generate a dynamic page",
         OBJ_PAGE,
         12,
         ID_GENERATE_NOW,
         {"Do you want to save this object?\n\nChanged  (:12) -- Page *",
          "Unable to generate page."},
         {"- Starting to Generate Page -------"}},
        {"the page editor's generate on a never-generate page",
         OBJ_PAGE,
         13,
         ID_GENERATE_PAGE,
         {"Do you want to save this object?\n\nChanged  (:13) -- Page *"},
         {"- Starting to Generate Page -------"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(Open(c.type, c.id));
        QZDocument* document = Document();
        ASSERT_NE(document, nullptr);
        Rename(document, "Changed");
        document->SetModifiedFlag(TRUE);
        EXPECT_TRUE(ShownEnabled(&m_frame, c.command));
        m_boxes.Clear();
        m_messages.Clear();
        // Yes to the save question of Generate.
        if (!c.boxes.empty())
            m_boxes.Answer(IDYES);
        Command(c.command);
        EXPECT_EQ(m_boxes.texts(), c.boxes);
        EXPECT_EQ(m_messages.displays(), c.logged);
        const EditorKind& kind = EditorKinds()[QZDocumentKindIndex(c.type)];
        EXPECT_EQ(NameOf(kind, c.id), "Changed");
        EXPECT_FALSE(document->IsModified());
        CloseAll();
    }

    // Save As: the shell's dialog on a copy, OK making the copy the edited object.
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    const long macros = Count("SELECT * FROM Templates");
    DialogScript script([](wxDialog* dialog) {
        auto* title = DialogScript::Item<wxTextCtrl>(dialog, IDC_SAVEAS_TITLE);
        EXPECT_EQ(title ? title->GetValue().utf8_string() : "", "Copy of Changed");
        DialogScript::Click(dialog, IDOK);
    });
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(script.opened, 1);
    EXPECT_EQ(Count("SELECT * FROM Templates"), macros + 1);
    EXPECT_EQ(Document()->GetContentObject()->GetName().str(), "Copy of Changed");
    EXPECT_EQ(Claims(OBJ_MACRO, 12), 0);
}

TEST_F(ApplicationCommandsTest, CommandsWithoutTheirPartsAreGreyed) {
    AddKindRow(EditorKinds()[1], 12, "Menu");
    AddKindRow(EditorKinds()[7], 12, "Beach");
    const std::vector<UINT> greyed{// The embedded objects and the spare command.
                                   57856, 57857, 57872, 32761, ID_ALWAYS_DISABLED};
    for (UINT id : greyed)
        EXPECT_FALSE(ShownEnabled(&m_frame, id)) << id;
    // The Site menu's sheets, run, import and component dialogs, Options and Print Setup have
    // their takers.
    for (UINT id : {ID_GENERATE_PAGES, ID_PUBLISH_OBJECTS, ID_IMPORT_SITE, ID_IMPORT_IMAGES,
                    ID_INSTALL_COMPONENT, ID_INSERT_COMPONENT, ID_NEW_SITE, ID_EDIT_SITE,
                    ID_NEW_SECTION, ID_EDIT_SECTION, ID_OPTIONS, ID_FILE_PRINT_SETUP})
        EXPECT_TRUE(ShownEnabled(&m_frame, id)) << id;
    // With no editor open the documents' commands have no taker.
    for (UINT id : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_GENERATE_NOW, ID_GENERATE_PAGE})
        EXPECT_FALSE(ShownEnabled(&m_frame, id)) << id;
    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_SAVE_ALL, ID_NEW_MACRO})
        EXPECT_TRUE(ShownEnabled(&m_frame, id)) << id;

    // Generate belongs to the page; the photo has no Save As.
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    EXPECT_TRUE(ShownEnabled(&m_frame, ID_FILE_SAVE));
    EXPECT_TRUE(ShownEnabled(&m_frame, ID_FILE_SAVE_AS));
    EXPECT_FALSE(ShownEnabled(&m_frame, ID_GENERATE_NOW));
    ASSERT_TRUE(Open(OBJ_PHOTO, 12));
    EXPECT_TRUE(ShownEnabled(&m_frame, ID_FILE_SAVE));
    EXPECT_FALSE(ShownEnabled(&m_frame, ID_FILE_SAVE_AS));
}

TEST_F(ApplicationCommandsTest, AnEngineErrorOfACommandIsShownAndEndsOnlyThatCommand) {
    AddKindRow(EditorKinds()[1], 12, "Menu");
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    QZDocument* document = Document();
    Rename(document, "Changed");
    document->SetModifiedFlag(TRUE);
    const std::string dir = m_dir.path().string();
    // The write lock holder of the saving tests, in this test program.
    ChildProcess locker("writelock", {{"DB", m_path}, {"DIR", dir}});
    ASSERT_EQ(WaitForFile(dir + "/locked"), "1");
    Command(ID_FILE_SAVE);
    ASSERT_EQ(m_boxes.texts().size(), 1u);
    EXPECT_NE(m_boxes.texts()[0].find("could not be saved"), std::string::npos);
    EXPECT_TRUE(document->IsModified());
    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(locker.Wait(), 0);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(NameOf(EditorKinds()[1], 12), "Changed");
    EXPECT_FALSE(document->IsModified());
}

TEST_F(ApplicationCommandsTest, TheFrameworksNewOffersTheKindsByDocumentNameAndRunsTheChosenNew) {
    EXPECT_TRUE(ShownEnabled(&m_frame, ID_FRAMEWORK_NEW));
    const std::vector<std::string> names{
        "Page", "Macro", "Script", "Image", "ActiveX", "Java",       "MultiMedia", "Photo",
        "Form", "Email", "Query",  "Style", "Event",   "Advertiser", "Ad",         "AdSpacer"};
    // The user picks a kind and presses OK; the kind's New runs with its landing tab.
    std::vector<std::string> shown;
    std::string title;
    {
        DialogScript script([&](wxDialog* dialog) {
            title = dialog->GetTitle().utf8_string();
            auto* list = DialogScript::Item<wxListBox>(dialog, IDC_NEWTYPE_LIST);
            shown = DialogScript::Entries(list);
            DialogScript::Pick(list, 1);
            DialogScript::Click(dialog, IDOK);
        });
        Command(ID_FRAMEWORK_NEW);
        EXPECT_EQ(script.opened, 1);
    }
    EXPECT_EQ(title, "New");
    EXPECT_EQ(shown, names);
    ASSERT_EQ(OpenDocuments().size(), 1u);
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Document()->GetContentObject()->GetObjectType(), OBJ_MACRO);
    EXPECT_EQ(SelectedTab(Frame()), 1);
    CloseAll();

    // A double click chooses too; the kind's New asks for what it needs.
    SelectSite(kService, 0);
    {
        DialogScript script([](wxDialog* dialog) {
            DialogScript::Pick(DialogScript::Item<wxListBox>(dialog, IDC_NEWTYPE_LIST), 0, true);
        });
        Command(ID_FRAMEWORK_NEW);
    }
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{kNoSection});

    // Cancel makes nothing.
    {
        DialogScript script([](wxDialog* dialog) { DialogScript::Click(dialog, IDCANCEL); });
        Command(ID_FRAMEWORK_NEW);
    }
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(m_boxes.texts().size(), 1u);
}

class MainFrameSiteViewerTest : public ApplicationCommandsTest {
protected:
    void SetUp() override {
        ApplicationCommandsTest::SetUp();
        Insert("Services", "DbID, ServiceID, Name, Deleted", "5, 10, 'Fixture Site', 0");
        Insert("Sections",
               "DbID, SectionID, ServiceDbID, ServiceID, SectionName, Deleted, AccessControl",
               "5, 20, 5, 10, 'Main Section', 0, 0");
        AddKindRow(EditorKinds()[1], 12, "Menu", "ServiceDbID, ServiceID", "5, 10");
        // The program's refresh of the Site Viewer after a save.
        BindTreeRefresher();
    }
    QZTreeCtrl& Macros() { return m_frame.m_wndServiceBar.GetTabTree(1); }
    std::vector<std::string> MacroLabels() {
        std::vector<std::string> labels;
        QZTreeCtrl& tree = Macros();
        for (HTREEITEM item = tree.GetChildItem(TVI_ROOT); item;
             item = tree.GetNextSiblingItem(item))
            labels.push_back(tree.GetItemText(item).str());
        return labels;
    }
    std::string SelectedMacro() {
        HTREEITEM item = Macros().GetSelectedItem();
        return item ? Macros().GetItemText(item).str() : "";
    }
};

TEST_F(MainFrameSiteViewerTest, TheSiteViewerReloadsTheSitesAndItsTreesFollowSaves) {
    m_frame.ReloadSiteViewer();
    SettleWindows();
    EXPECT_EQ(m_frame.m_wndServiceBar.GetCurrentSiteKey(), QZKeyCombo(5, kService));
    EXPECT_EQ(MacroLabels(), std::vector<std::string>{"Menu  (:12)"});

    // A save of an open editor shows the new name in its tree, selected.
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    QZDocument* document = Document();
    ASSERT_NE(document, nullptr);
    Rename(document, "Main Menu");
    document->SaveObject();
    SettleWindows();
    EXPECT_EQ(MacroLabels(), std::vector<std::string>{"Main Menu  (:12)"});
    EXPECT_EQ(SelectedMacro(), "Main Menu  (:12)");
    CloseAll();

    // By type code and number in the open database.
    AddKindRow(EditorKinds()[1], 13, "Later", "ServiceDbID, ServiceID", "5, 10");
    m_frame.RefreshObjectTree(OBJ_PHOTO, 13L);
    EXPECT_EQ(MacroLabels(), std::vector<std::string>{"Main Menu  (:12)"});
    m_frame.RefreshObjectTree(OBJ_MACRO, 13L);
    EXPECT_EQ(MacroLabels(), (std::vector<std::string>{"Later  (:13)", "Main Menu  (:12)"}));
    EXPECT_EQ(SelectedMacro(), "Later  (:13)");
}

TEST_F(MainFrameSiteViewerTest, AnObjectOpenInAnEditorBringsItsStatusTabForward) {
    m_frame.ReloadSiteViewer();
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    ASSERT_EQ(SelectedTab(Frame()), 0);
    // Mark for Publish from the tree finds the object held by its editor.
    QZTreeModel& macros = Macros().GetModel();
    macros.SelectKey(QZKeyCombo(5, 12, OBJ_MACRO));
    ASSERT_NE(macros.GetSelectedItem(), nullptr);
    macros.MarkForPublish();
    SettleWindows();
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"This object is already opened.  You may "
                                                        "perform this function from the status "
                                                        "tab."});
    EXPECT_EQ(SelectedTab(Frame()), 2);
    EXPECT_EQ(TabCaptions(Frame())[2], "Status");

    // The editor services choose a tab of the active editor, and refuse one it lacks.
    EXPECT_TRUE(m_services.ActivateEditorTab(1));
    EXPECT_EQ(SelectedTab(Frame()), 1);
    EXPECT_FALSE(m_services.ActivateEditorTab(7));
    EXPECT_EQ(SelectedTab(Frame()), 1);
    CloseAll();
    EXPECT_FALSE(m_services.ActivateEditorTab(0));
}

TEST_F(ApplicationCommandsTest, AnEditorBringsItsTemplatesMenuAndKeys) {
    AddKindRow(EditorKinds()[1], 12, "Menu", "ScriptBody", "'x'");
    AddKindRow(EditorKinds()[3], 12, "Logo");
    auto idle = [this] {
        SettleWindows();
        m_frame.OnIdleUpdateCmdUI();
    };
    idle();
    EXPECT_EQ(m_frame.GetMenuBarId(), IDR_MAINFRAME);

    // A macro: the text editor's Edit and Insert menus; Ctrl+B inserts bold at the caret.
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    idle();
    EXPECT_EQ(m_frame.GetMenuBarId(), 132u);
    for (UINT id : {ID_EDIT_UNDO, ID_EDIT_PASTE, ID_EDIT_REPLACE, ID_FILE_SAVE, ID_FILE_PRINT,
                    32800u, 32881u})
        EXPECT_NE(m_frame.GetMenuBarState(id), static_cast<UINT>(-1)) << id;
    CMDIChildWnd* editor = m_frame.MDIGetActive();
    ASSERT_NE(editor, nullptr);
    auto* view = dynamic_cast<QZEditView*>(editor->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(m_frame.TranslateAccelerator('B', FCONTROL));
    EXPECT_EQ(view->GetLogic().GetBuffer().GetText().str(), "<b></b>x");
    EXPECT_TRUE(m_frame.TranslateAccelerator('Z', FCONTROL));
    EXPECT_EQ(view->GetLogic().GetBuffer().GetText().str(), "x");

    // An image: the fields' Edit menu and no Insert menu.
    ASSERT_TRUE(Open(OBJ_IMAGE, 12));
    idle();
    EXPECT_EQ(m_frame.GetMenuBarId(), 135u);
    EXPECT_NE(m_frame.GetMenuBarState(ID_EDIT_PASTE), static_cast<UINT>(-1));
    EXPECT_NE(m_frame.GetMenuBarState(ID_FILE_SAVE_AS), static_cast<UINT>(-1));
    for (UINT id : {32800u, ID_FILE_PRINT})
        EXPECT_EQ(m_frame.GetMenuBarState(id), static_cast<UINT>(-1)) << id;
    EXPECT_FALSE(m_frame.TranslateAccelerator('B', FCONTROL));

    CloseAll();
    idle();
    EXPECT_EQ(m_frame.GetMenuBarId(), IDR_MAINFRAME);
}
