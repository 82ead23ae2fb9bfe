// The status forms in their editors on the fixture site: the rules between the switches, a box
// left as it was marks nothing, a refused exchange keeps the tab, and Generate Now reaches the
// page document.

#include "editors/CVantrel3Doc.h"
#include "editors/QZPageStatusForm.h"
#include "editors/QZStatusForm.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDataExchange.h"
#include "res/Resource.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>

namespace {

const EditorKind& Page() {
    return EditorKinds()[0];
}
const EditorKind& Macro() {
    return EditorKinds()[1];
}

// A page status form whose exchange refuses while `refuse` is set.
class RefusingStatusForm : public QZPageStatusForm {
    DECLARE_DYNCREATE(RefusingStatusForm)
public:
    static inline bool refuse = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        QZPageStatusForm::DoDataExchange(pDX);
        if (refuse && pDX->m_bSaveAndValidate)
            pDX->Fail();
    }
};
IMPLEMENT_DYNCREATE(RefusingStatusForm, QZPageStatusForm)

} // namespace

class StatusFormsTest : public EditorTest {
protected:
    void TearDown() override {
        RefusingStatusForm::refuse = false;
        EditorTest::TearDown();
    }

    // Opens the object and shows its status tab; its form.
    CFormView* OpenStatus(const EditorKind& kind, LONG id, const char* formClass) {
        if (!Open(kind.type, id))
            return nullptr;
        QZChildFrame* frame = ActiveFrame();
        const std::vector<std::string> tabs = TabCaptions(frame);
        const auto status = std::find(tabs.begin(), tabs.end(), "Status");
        if (status == tabs.end())
            return nullptr;
        frame->m_wndTab.GetTabControl()->ActivateTab(static_cast<int>(status - tabs.begin()));
        return dynamic_cast<CFormView*>(ActiveDocument()->FindView(formClass));
    }
    static wxCheckBox* Box(CFormView* form, UINT id) {
        CWnd* item = form->GetDlgItem(static_cast<int>(id));
        return item ? dynamic_cast<wxCheckBox*>(item->GetSafeHwnd()) : nullptr;
    }
    static bool Checked(CFormView* form, UINT id) { return Box(form, id)->GetValue(); }
    static bool Enabled(CFormView* form, UINT id) {
        return form->GetDlgItem(static_cast<int>(id))->GetSafeHwnd()->IsEnabled();
    }
    // What a click on a check box does: it flips and tells its form.
    static void Click(CFormView* form, UINT id) {
        wxCheckBox* box = Box(form, id);
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(box->GetValue());
        box->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(StatusFormsTest, NeverPublishClearsAndGreysPublishAndGivesItBackUnchecked) {
    AddKindRow(Page(), 12, "Home", "PublishFlag", "1");
    AddKindRow(Macro(), 12, "Menu", "PublishFlag", "1");
    const struct {
        const EditorKind& kind;
        const char* form;
    } cases[] = {{Page(), "QZPageStatusForm"}, {Macro(), "QZStatusForm"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form);
        CFormView* form = OpenStatus(c.kind, 12, c.form);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(Checked(form, IDC_STATUS_PUBLISH));
        EXPECT_TRUE(Enabled(form, IDC_STATUS_PUBLISH));
        Click(form, IDC_STATUS_NEVER_PUBLISH);
        EXPECT_FALSE(Checked(form, IDC_STATUS_PUBLISH));
        EXPECT_FALSE(Enabled(form, IDC_STATUS_PUBLISH));
        Click(form, IDC_STATUS_NEVER_PUBLISH);
        EXPECT_FALSE(Checked(form, IDC_STATUS_PUBLISH));
        EXPECT_TRUE(Enabled(form, IDC_STATUS_PUBLISH));
    }
}

TEST_F(StatusFormsTest, NeverGenerateAndDynamicRuleOutGeneration) {
    AddKindRow(Page(), 12, "Home", "GenerateFlag", "1");
    CFormView* form = OpenStatus(Page(), 12, "QZPageStatusForm");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(Checked(form, IDC_STATUS_GENERATE));
    Click(form, IDC_STATUS_NEVER_GENERATE);
    EXPECT_FALSE(Checked(form, IDC_STATUS_GENERATE));
    EXPECT_FALSE(Enabled(form, IDC_STATUS_GENERATE));
    Click(form, IDC_STATUS_NEVER_GENERATE);
    EXPECT_FALSE(Checked(form, IDC_STATUS_GENERATE));
    EXPECT_TRUE(Enabled(form, IDC_STATUS_GENERATE));

    Click(form, IDC_STATUS_GENERATE);
    Click(form, IDC_STATUS_NEVER_GENERATE);
    Click(form, IDC_STATUS_DYNAMIC);
    for (UINT id : {IDC_STATUS_GENERATE, IDC_STATUS_NEVER_GENERATE}) {
        EXPECT_FALSE(Checked(form, id)) << id;
        EXPECT_FALSE(Enabled(form, id)) << id;
    }
    EXPECT_FALSE(Enabled(form, IDC_STATUS_GENERATE_NOW));
    Click(form, IDC_STATUS_DYNAMIC);
    for (UINT id : {IDC_STATUS_GENERATE, IDC_STATUS_NEVER_GENERATE, IDC_STATUS_GENERATE_NOW})
        EXPECT_TRUE(Enabled(form, id)) << id;
    EXPECT_FALSE(Checked(form, IDC_STATUS_GENERATE));
    EXPECT_FALSE(Checked(form, IDC_STATUS_NEVER_GENERATE));
}

TEST_F(StatusFormsTest, ADynamicPageOpensWithGenerationClearedAndSavesItSo) {
    AddKindRow(Page(), 12, "Home", "Dynamic, GenerateFlag, NeverGenerateFlag", "1, 1, 1");
    CFormView* form = OpenStatus(Page(), 12, "QZPageStatusForm");
    ASSERT_NE(form, nullptr);
    for (UINT id : {IDC_STATUS_GENERATE, IDC_STATUS_NEVER_GENERATE}) {
        EXPECT_FALSE(Checked(form, id)) << id;
        EXPECT_FALSE(Enabled(form, id)) << id;
    }
    EXPECT_FALSE(Enabled(form, IDC_STATUS_GENERATE_NOW));
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(Page(), 12, "GenerateFlag"), 0);
    EXPECT_EQ(NumberOf(Page(), 12, "NeverGenerateFlag"), 0);
    EXPECT_EQ(NumberOf(Page(), 12, "Dynamic"), 1);
}

TEST_F(StatusFormsTest, ABoxLeftAsItWasMarksNothingAndAChangedOneIsSaved) {
    AddKindRow(Page(), 12, "Home");
    AddKindRow(Macro(), 12, "Menu");
    const struct {
        const EditorKind& kind;
        const char* form;
    } cases[] = {{Page(), "QZPageStatusForm"}, {Macro(), "QZStatusForm"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form);
        CFormView* form = OpenStatus(c.kind, 12, c.form);
        ASSERT_NE(form, nullptr);
        QZDocument* document = ActiveDocument();
        document->UpdateObjectFromViews();
        EXPECT_FALSE(document->IsModified());
        Click(form, IDC_STATUS_DELETED);
        Click(form, IDC_STATUS_DELETED);
        document->UpdateObjectFromViews();
        EXPECT_FALSE(document->IsModified());
        Click(form, IDC_STATUS_DELETED);
        document->UpdateObjectFromViews();
        EXPECT_TRUE(document->IsModified());
        document->SaveObject();
        EXPECT_EQ(NumberOf(c.kind, 12, "Deleted"), 1);
    }
}

TEST_F(StatusFormsTest, AStatusFormWhoseExchangeIsRefusedKeepsItsTab) {
    AddKindRow(Page(), 12, "Home");
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    QZChildFrame* frame = ActiveFrame();
    CCreateContext context;
    context.m_pCurrentDoc = ActiveDocument();
    ASSERT_TRUE(
        frame->m_wndTab.AddTab(RUNTIME_CLASS(RefusingStatusForm), "Refusing", &context, UINT(-1)));
    const int refusing = frame->m_wndTab.GetTabCount() - 1;
    frame->m_wndTab.GetTabControl()->ActivateTab(refusing);
    ASSERT_EQ(SelectedTab(frame), refusing);

    RefusingStatusForm::refuse = true;
    frame->m_wndTab.GetTabControl()->ActivateTab(0);
    EXPECT_EQ(SelectedTab(frame), refusing);
    RefusingStatusForm::refuse = false;
    frame->m_wndTab.GetTabControl()->ActivateTab(0);
    EXPECT_EQ(SelectedTab(frame), 0);
    // The tab's view is the frame's to delete with the others.
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* view = nullptr;
    DWORD extra = 0;
    frame->m_wndTab.GetTabInfo(refusing, label, selected, view, extra);
    frame->m_wndTab.RemoveTab(view);
    view->DestroyWindow();
    delete view;
}

TEST_F(StatusFormsTest, GenerateNowGoesOnToThePageDocument) {
    AddKindRow(Page(), 12, "Home", "Dynamic", "1");
    CFormView* form = OpenStatus(Page(), 12, "QZPageStatusForm");
    ASSERT_NE(form, nullptr);
    auto* button =
        dynamic_cast<wxButton*>(form->GetDlgItem(IDC_STATUS_GENERATE_NOW)->GetSafeHwnd());
    ASSERT_NE(button, nullptr);
    m_boxes.Clear();
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Unable to generate page."});
}
