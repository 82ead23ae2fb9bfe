#include "tests/editors/EditorFixture.h"

#include "res/Resources.h"
#include "tests/platform/ui/UiTestHelpers.h"

#include "editors/QZEditorServiceProvider.h"
#include "editors/QZObjectView.h"
#include "platform/ui/CDocManager.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"

const std::vector<EditorKind>& EditorKinds() {
    static const std::vector<EditorKind> kinds{
        {OBJ_PAGE, "page", "Documents", "DocID", "Title"},
        {OBJ_MACRO, "macro", "Templates", "TemplateID", "TemplateName"},
        {OBJ_SCRIPT, "script", "MQ_Script", "ScriptID", "Title"},
        {OBJ_IMAGE, "image", "Images", "ImageID", "Name"},
        {OBJ_ACTIVEX, "ActiveX object", "MQ_ActiveX", "ObjectID", "Title"},
        {OBJ_JAVA, "Java applet", "MQ_Java", "JavaID", "Title"},
        {OBJ_MEDIA, "multimedia object", "MQ_Media", "MediaID", "Title"},
        {OBJ_PHOTO, "photo", "PhotoImages", "PhotoID", "Name"},
        {OBJ_FORM, "form", "Forms", "FormID", "Title"},
        {OBJ_MESSAGE, "e-mail message", "Messages", "MessageID", "Title"},
        {OBJ_QUERY, "query", "Query", "QueryID", "QueryName"},
        {OBJ_STYLE, "style", "Styles", "StyleID", "StyleName"},
        {OBJ_EVENT, "scheduled event", "MQ_Events", "EventID", "Title"},
        {OBJ_ADVERTISER, "advertiser", "MQ_Advertiser", "AdvertiserID", "BusinessName"},
        {OBJ_AD, "ad", "MQ_Ad", "AdID", "Title"},
        {OBJ_ADSPACE, "ad space", "MQ_AdSpace", "AdSpaceID", "Title"},
    };
    return kinds;
}

void EditorTest::SetUp() {
    ContentTest::SetUp();
    // The forms of the editors' tabs are built from the resources' templates.
    RegisterResources();
    TestApp().m_bConfirmSave = TRUE;
    ASSERT_TRUE(m_book.Create(nullptr, "Marquill", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(0, 0, 800, 600)));
    SetMainWnd(&m_book);
    RegisterEditorTemplates(TestApp());
    QZDocument::SetTreeRefresher([this](SHORT type, const QZKeyCombo& key) {
        m_refreshed.push_back(std::to_string(type) + " " + key.FormatFull().str());
    });
}

void EditorTest::TearDown() {
    CloseAll();
    AfxGetDocManager().DeleteTemplates();
    QZDocument::SetTreeRefresher(nullptr);
    SetMainWnd(nullptr);
    if (m_book.GetSafeHwnd())
        m_book.DestroyWindow();
    SettleWindows();
    ContentTest::TearDown();
}

void EditorTest::AddKindRow(const EditorKind& kind, LONG id, const std::string& name,
                            const std::string& columns, const std::string& values) {
    std::string names = std::string("DbID, ") + kind.idColumn + ", " + kind.nameColumn +
                        ", Deleted" + (columns.empty() ? "" : ", " + columns);
    std::string row =
        "5, " + std::to_string(id) + ", '" + name + "', 0" + (values.empty() ? "" : ", " + values);
    Insert(kind.table, names, row);
}

std::string EditorTest::Column(const EditorKind& kind, LONG id, const char* column) {
    return Text(ContentKind{kind.label, kind.type, kind.table, kind.idColumn, kind.nameColumn,
                            ContentKind::ownPlace, false, false, nullptr, nullptr},
                id, column);
}

LONG EditorTest::NumberOf(const EditorKind& kind, LONG id, const char* column) {
    return Number(ContentKind{kind.label, kind.type, kind.table, kind.idColumn, kind.nameColumn,
                              ContentKind::ownPlace, false, false, nullptr, nullptr},
                  id, column);
}

void EditorTest::Rename(QZDocument* document, const char* name) {
    document->GetContentObject()->SetName(name);
    for (CView* view : document->GetViews()) {
        auto* fields = dynamic_cast<QZObjectView*>(view);
        if (fields && !fields->IsTextView())
            fields->LoadFromObject();
    }
    document->SetModifiedFlag(TRUE);
}

BOOL EditorTest::Open(SHORT type, LONG id) {
    return m_services.OpenObject(type, QZKeyCombo(5, id, type));
}

std::vector<QZDocument*> EditorTest::OpenDocuments() const {
    std::vector<QZDocument*> documents;
    for (CDocument* document : AfxGetDocManager().GetOpenDocuments()) {
        if (auto* editor = dynamic_cast<QZDocument*>(document))
            documents.push_back(editor);
    }
    return documents;
}

QZChildFrame* EditorTest::ActiveFrame() const {
    return dynamic_cast<QZChildFrame*>(m_book.MDIGetActive());
}

QZDocument* EditorTest::ActiveDocument() const {
    QZChildFrame* frame = ActiveFrame();
    return frame ? dynamic_cast<QZDocument*>(frame->GetActiveDocument()) : nullptr;
}

std::vector<std::string> EditorTest::TabCaptions(QZChildFrame* frame) {
    std::vector<std::string> captions;
    for (int i = 0; i < frame->m_wndTab.GetTabCount(); ++i) {
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* client = nullptr;
        DWORD extra = 0;
        frame->m_wndTab.GetTabInfo(i, label, selected, client, extra);
        captions.emplace_back(label ? label : "");
    }
    return captions;
}

int EditorTest::SelectedTab(QZChildFrame* frame) {
    int index = -1;
    frame->m_wndTab.GetTabControl()->GetActiveTab(index);
    return index;
}

void EditorTest::CloseActive() {
    if (QZChildFrame* frame = ActiveFrame())
        frame->SendMessage(WM_CLOSE);
    SettleWindows();
}

void EditorTest::CloseAll() {
    for (QZDocument* document : OpenDocuments())
        document->SetModifiedFlag(FALSE);
    AfxGetDocManager().CloseAllDocuments(FALSE);
    SettleWindows();
}
