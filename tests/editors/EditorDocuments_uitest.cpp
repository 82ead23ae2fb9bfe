// The editors of the sixteen kinds on a site database: their titles, tabs and marks, opening
// an object once, saving, and the questions when an editor closes.

#include "platform/ui/CDocManager.h"
#include "platform/ui/CView.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

namespace {

struct KindLook {
    SHORT type;
    const char* title;
    std::vector<std::string> tabs;
};

// What each kind's editor shows for its row 5:12 named "Home".
const std::vector<KindLook>& Looks() {
    static const std::vector<KindLook> looks{
        {OBJ_PAGE, "Home  (:12) -- Page", {"Edit", "Header", "Properties", "Status", "Preview"}},
        {OBJ_MACRO, "Home  (:12) -- Macro", {"Macro", "Properties", "Status", "Preview"}},
        {OBJ_SCRIPT, "Home  (:12) -- Script", {"Script", "Properties", "Status"}},
        {OBJ_IMAGE, "Home  (:12) -- Image", {"Properties", "Status", "Preview"}},
        {OBJ_ACTIVEX, "Home  (:12) -- ActiveX Controls", {"Properties", "Status"}},
        {OBJ_JAVA, "Home  (:12) -- Java", {"Properties", "Status"}},
        {OBJ_MEDIA, "Home  (:12) -- MultiMedia", {"Properties", "Status"}},
        {OBJ_PHOTO, "Home  (:12) -- Photo", {"Properties", "Data", "Service", "Status", "Preview"}},
        {OBJ_FORM, "Home  (:12) -- Form", {"Form", "Action", "Properties", "Status", "Preview"}},
        {OBJ_MESSAGE, "Home  (:12) -- Email", {"Message", "Properties", "Status"}},
        {OBJ_QUERY, "Home  (:12) -- Query", {"Properties", "Status"}},
        {OBJ_STYLE, "Home  (:12) -- Style", {"Style", "Status"}},
        {OBJ_EVENT, "Home  (:12) -- Scheduled Events", {"Event Script", "Properties", "Status"}},
        {OBJ_ADVERTISER, "Home  (:12) -- Advertisers", {"Properties", "Status"}},
        {OBJ_AD, "Home  (:12) -- Ad", {"Properties", "Status"}},
        {OBJ_ADSPACE, "Home  (:12) -- Ad Space", {"Properties", "Status"}},
    };
    return looks;
}

const char* const kReadOnly = "This record is a Read Only copy";

[[maybe_unused]] std::string Question(const std::string& title) {
    return "Do you want to save this object?\n\n" + title;
}

} // namespace

class EditorDocumentsTest : public EditorTest {
protected:
    void AddEveryKind(LONG id, const std::string& name) {
        for (const EditorKind& kind : EditorKinds())
            AddKindRow(kind, id, name);
    }
};

TEST_F(EditorDocumentsTest, EveryKindOpensMaximisedWithItsTitleAndTabsOnItsFirstTab) {
    AddEveryKind(12, "Home");
    ASSERT_EQ(Looks().size(), EditorKinds().size());
    for (const KindLook& look : Looks()) {
        SCOPED_TRACE(look.title);
        ASSERT_TRUE(Open(look.type, 12)) << testing::PrintToString(m_boxes.texts());
        ASSERT_EQ(OpenDocuments().size(), 1u);
        QZChildFrame* frame = ActiveFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(ActiveDocument(), OpenDocuments().front());
        EXPECT_EQ(OpenDocuments().front()->GetTitle().str(), look.title);
        CString caption;
        frame->GetWindowText(caption);
        EXPECT_EQ(caption.str(), look.title);
        EXPECT_EQ(TabCaptions(frame), look.tabs);
        EXPECT_EQ(SelectedTab(frame), 0);
        EXPECT_TRUE(frame->IsMaximized());
        // The first tab's view is the frame's active view.
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* first = nullptr;
        DWORD extra = 0;
        frame->m_wndTab.GetTabInfo(0, label, selected, first, extra);
        EXPECT_EQ(static_cast<CWnd*>(frame->GetActiveView()), first);
        EXPECT_TRUE(m_boxes.texts().empty());
        CloseAll();
    }
}

TEST_F(EditorDocumentsTest, OpeningAnOpenObjectActivatesItsEditorAndMakesNoSecondCopy) {
    AddKindRow(EditorKinds()[0], 12, "Home");
    AddKindRow(EditorKinds()[0], 13, "Contact");
    AddKindRow(EditorKinds()[8], 12, "Order form");
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    QZChildFrame* home = ActiveFrame();
    ASSERT_TRUE(Open(OBJ_PAGE, 13));
    // A form with the same key numbers is another object.
    ASSERT_TRUE(Open(OBJ_FORM, 12));
    EXPECT_EQ(OpenDocuments().size(), 3u);
    EXPECT_NE(ActiveFrame(), home);

    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    EXPECT_EQ(OpenDocuments().size(), 3u);
    EXPECT_EQ(ActiveFrame(), home);
    EXPECT_TRUE(m_services.ActivateOpenDocument(QZKeyCombo(5, 13, OBJ_PAGE), OBJ_PAGE));
    EXPECT_FALSE(m_services.ActivateOpenDocument(QZKeyCombo(5, 13, OBJ_FORM), OBJ_FORM));
    EXPECT_FALSE(m_services.ActivateOpenDocument(QZKeyCombo(5, 12, OBJ_EVENT), OBJ_EVENT));
}

TEST_F(EditorDocumentsTest, AKeyWithoutARowOpensNoEditor) {
    EXPECT_FALSE(Open(OBJ_PAGE, 99));
    EXPECT_EQ(m_boxes.texts(),
              std::vector<std::string>{"The object :99 was not found in the site database."});
    EXPECT_TRUE(OpenDocuments().empty());
    EXPECT_EQ(ActiveFrame(), nullptr);
}

TEST_F(EditorDocumentsTest, AnEditMarksTheTitleAndASaveClearsIt) {
    AddKindRow(EditorKinds()[0], 12, "Home");
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    QZDocument* document = ActiveDocument();
    document->SetModifiedFlag(TRUE);
    EXPECT_EQ(document->GetTitle().str(), "Home  (:12) -- Page *");
    Rename(document, "Welcome");
    document->SaveObject();
    EXPECT_EQ(document->GetTitle().str(), "Welcome  (:12) -- Page");
    EXPECT_EQ(NameOf(EditorKinds()[0], 12), "Welcome");
    EXPECT_EQ(m_refreshed, std::vector<std::string>{"2 5:12"});
}

TEST_F(EditorDocumentsTest, ACopyAnotherProgramHoldsIsReadOnlyForEveryKindAndNeverSaved) {
    std::string keys;
    for (const EditorKind& kind : EditorKinds()) {
        AddKindRow(kind, 12, "Home");
        if (kind.type != OBJ_QUERY)
            keys += std::to_string(kind.type) + ":12;";
    }
    const std::string dir = m_dir.path().string();
    ChildProcess other("hold", {{"DB", m_path}, {"DIR", dir}, {"USER", "5:200"}, {"KEYS", keys}});
    ASSERT_EQ(WaitForFile(dir + "/claimed"), std::string(EditorKinds().size() - 1, '1'));

    for (const EditorKind& kind : EditorKinds()) {
        if (kind.type == OBJ_QUERY)
            continue;
        SCOPED_TRACE(kind.label);
        m_boxes.Clear();
        ASSERT_TRUE(Open(kind.type, 12));
        QZDocument* document = ActiveDocument();
        ASSERT_NE(document, nullptr);
        const std::string title = document->GetTitle().str();
        EXPECT_EQ(title.substr(title.size() - 2), " R");
        Rename(document, "Changed");
        document->SetModifiedFlag(TRUE);
        EXPECT_EQ(document->GetTitle().str().find('*'), std::string::npos);
        document->SaveObject();
        document->SaveObject();
        EXPECT_EQ(m_boxes.texts(), std::vector<std::string>(3, kReadOnly));
        EXPECT_EQ(NameOf(kind, 12), "Home");
        EXPECT_TRUE(document->IsModified());
        CloseAll();
    }
    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(other.Wait(), 0);
}

TEST_F(EditorDocumentsTest, AnAdWithoutAnAdvertiserTakesTheSelectedSectionKey) {
    const EditorKind& ad = EditorKinds()[14];
    AddKindRow(ad, 12, "Banner", "AdvertiserDbID, AdvertiserID", "0, 0");
    AddKindRow(ad, 13, "Button", "AdvertiserDbID, AdvertiserID", "5, 77");
    // The site browser's advertising tree puts an advertiser of the site there; the ad form
    // lists the site's advertisers.
    AddKindRow(EditorKinds()[13], 44, "Acme", "ServiceDbID, ServiceID", "5, 10");
    TestApp().GetCurrentSectionKey().SetKey(5, 44);
    for (LONG id : {12, 13}) {
        ASSERT_TRUE(Open(OBJ_AD, id));
        ActiveDocument()->SaveObject();
    }
    EXPECT_EQ(NumberOf(ad, 12, "AdvertiserID"), 44);
    EXPECT_EQ(NumberOf(ad, 13, "AdvertiserID"), 77);
}
