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

#include <stdexcept>

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

namespace {

// The caption and the view of a frame's tabs, in their order.
std::vector<std::pair<std::string, CWnd*>> TabsOf(QZChildFrame* frame) {
    std::vector<std::pair<std::string, CWnd*>> tabs;
    for (int i = 0; frame && i < frame->m_wndTab.GetTabCount(); ++i) {
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* client = nullptr;
        DWORD extra = 0;
        frame->m_wndTab.GetTabInfo(i, label, selected, client, extra);
        tabs.emplace_back(label ? label : "", client);
    }
    return tabs;
}

} // namespace

const EditorKind& EditorTest::KindOf(SHORT type) {
    for (const EditorKind& kind : EditorKinds()) {
        if (kind.type == type)
            return kind;
    }
    throw std::out_of_range("no such kind");
}

std::vector<std::string> EditorTest::TabCaptions(QZChildFrame* frame) {
    std::vector<std::string> captions;
    for (const auto& tab : TabsOf(frame))
        captions.push_back(tab.first);
    return captions;
}

std::vector<CWnd*> EditorTest::TabViews(QZChildFrame* frame) {
    std::vector<CWnd*> views;
    for (const auto& tab : TabsOf(frame))
        views.push_back(tab.second);
    return views;
}

CWnd* EditorTest::TabView(const char* caption) const {
    for (const auto& tab : TabsOf(ActiveFrame())) {
        if (tab.first == caption)
            return tab.second;
    }
    return nullptr;
}

void EditorTest::ChooseTab(const char* caption) {
    QZChildFrame* frame = ActiveFrame();
    const std::vector<std::pair<std::string, CWnd*>> tabs = TabsOf(frame);
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
        if (tabs[i].first == caption)
            frame->m_wndTab.GetTabControl()->ActivateTab(i);
    }
    SettleWindows();
}

void EditorTest::ShowOnlyTab(CWnd* view) {
    for (CWnd* client : TabViews(ActiveFrame())) {
        if (client)
            client->ShowWindow(client == view ? SW_SHOW : SW_HIDE);
    }
}

RecordingCmdUI EditorTest::Update(CCmdTarget& target, UINT id) {
    RecordingCmdUI ui;
    ui.m_nID = id;
    target.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
    return ui;
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
