#pragma once
// The site database of the content tests with a workbook main window and the sixteen document
// templates registered, as start-up leaves them. Every editor kind has a table, a key column
// and a name column to put fixture rows in and read them back.

#include "editors/QZChildFrame.h"
#include "editors/QZDocument.h"
#include "editors/QZEditView.h"
#include "editors/QZEditorServiceProvider.h"
#include "platform/ui/CCmdUI.h"
#include "tests/content/ContentFixture.h"
#include "tests/support/TestSupport.h"
#include "wintoolkit/workbook/SECWorkbook.h"

#include <string>
#include <vector>

// A kind as the tests see its rows.
struct EditorKind {
    SHORT type;
    const char* label;
    const char* table;
    const char* idColumn;
    const char* nameColumn;
};

// What an update handler said of a command.
class RecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        enabled = bOn;
        CCmdUI::Enable(bOn);
    }
    void SetText(LPCTSTR text) override { this->text = text ? text : ""; }

    BOOL enabled = TRUE;
    std::string text;
};

// The sixteen kinds, in the order of their templates.
const std::vector<EditorKind>& EditorKinds();

class EditorTest : public ContentTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The kind of that object type; a type without one is a fault of the test.
    static const EditorKind& KindOf(SHORT type);
    // A live row of the kind numbered id (DbID 5) with the name; more columns may follow.
    void AddKindRow(const EditorKind& kind, LONG id, const std::string& name,
                    const std::string& columns = "", const std::string& values = "");
    std::string NameOf(const EditorKind& kind, LONG id) {
        return Column(kind, id, kind.nameColumn);
    }
    std::string Column(const EditorKind& kind, LONG id, const char* column);
    LONG NumberOf(const EditorKind& kind, LONG id, const char* column);

    // Renames the document's object as an edit in its form would: the object, then its views
    // refilled (a form's title edit would store the old name back), and the document modified.
    static void Rename(QZDocument* document, const char* name);

    // Opens the object's editor through the editor services.
    BOOL Open(SHORT type, LONG id);
    // The open editor documents and the active editor frame.
    std::vector<QZDocument*> OpenDocuments() const;
    QZChildFrame* ActiveFrame() const;
    QZDocument* ActiveDocument() const;
    // The captions of a frame's tabs and the index of the selected one.
    static std::vector<std::string> TabCaptions(QZChildFrame* frame);
    static int SelectedTab(QZChildFrame* frame);
    // The views of a frame's tabs, in the tabs' order.
    static std::vector<CWnd*> TabViews(QZChildFrame* frame);
    // The view of the active editor's tab with that caption, or null; the same as an edit view.
    CWnd* TabView(const char* caption) const;
    QZEditView* ViewOf(const char* caption) const {
        return dynamic_cast<QZEditView*>(TabView(caption));
    }
    // Chooses the active editor's tab with that caption, as a click on it does.
    void ChooseTab(const char* caption);
    // Shows `view` alone of the active editor's tab views, as a picture of it wants.
    void ShowOnlyTab(CWnd* view);

    // What the target's update handler says of the command; the command run on the target.
    static RecordingCmdUI Update(CCmdTarget& target, UINT id);
    static BOOL Enabled(CCmdTarget& target, UINT id) { return Update(target, id).enabled; }
    static void Run(CCmdTarget& target, UINT id) {
        target.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
    }
    // An edit view's whole text; a row's column, as the content tests read it.
    using ContentTest::Text;
    static std::string Text(QZEditView& view) {
        return view.GetLogic().GetBuffer().GetText().str();
    }
    // Asks the active editor to close, as its close box does.
    void CloseActive();
    // Closes every editor without a question.
    void CloseAll();

    SECWorkbook m_book;
    QZEditorServiceProvider m_services;
    MessageBoxRecorder m_boxes;
    // What the site browser heard of saves: "type key".
    std::vector<std::string> m_refreshed;
};
