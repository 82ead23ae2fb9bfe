#pragma once
// The site database of the content tests with a workbook main window and the sixteen document
// templates registered, as start-up leaves them. Every editor kind has a table, a key column
// and a name column to put fixture rows in and read them back.

#include "editors/QZChildFrame.h"
#include "editors/QZDocument.h"
#include "editors/QZEditorServiceProvider.h"
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

// The sixteen kinds, in the order of their templates.
const std::vector<EditorKind>& EditorKinds();

class EditorTest : public ContentTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A live row of the kind numbered id (DbID 5) with the name; more columns may follow.
    void AddKindRow(const EditorKind& kind, LONG id, const std::string& name,
                    const std::string& columns = "", const std::string& values = "");
    std::string NameOf(const EditorKind& kind, LONG id) {
        return Column(kind, id, kind.nameColumn);
    }
    std::string Column(const EditorKind& kind, LONG id, const char* column);
    LONG NumberOf(const EditorKind& kind, LONG id, const char* column);

    // Renames the document's object as its attributes' title does: the object and every view
    // showing its fields take the name.
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
