#pragma once
// What the sixteen kind documents share, driven by their row of QZDocumentKinds: a new object
// made with the kind's new-record constructor, an object loaded by the key of the path, the
// views' edits collected, the read-only refusal of saving and the status form refilled after
// it, and the preview.

#include "editors/QZDocument.h"

#include <functional>

class CCmdUI;
struct QZDocumentKind;

class QZKindDocument : public QZDocument {
    DECLARE_DYNAMIC(QZKindDocument)
public:
    explicit QZKindDocument(SHORT type);

    const QZDocumentKind& Kind() const { return *m_pKind; }

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    void UpdateObjectFromViews() override;
    int Preview() override;
    void SaveObject() override;
    // Save As (command 57604): the user's edits go into the object, and the Save As dialog
    // offers a copy of it; OK makes the copy (a new row) the edited object, saved, and frees the
    // old object and its claim; Cancel keeps the old object and its edits and adds no row. The
    // photo has none. Nothing happens while no dialog is set.
    void OnFileSaveAs();
    void OnUpdateFileSaveAs(CCmdUI* pCmdUI);

    // The Save As dialog on the object: the copy (a new row, owned by the caller) after OK,
    // null after Cancel. `savedName` is the name the object had before the views' edits went
    // into it (an unchanged name is offered as "Copy of " and the name); `hasSection` says
    // whether the object belongs to a section. Engine errors pass on. The start-up sets it.
    using SaveAsDialog = std::function<QZVantrelBase*(QZVantrelBase& object,
                                                      const CString& savedName, BOOL hasSection)>;
    static void SetSaveAsDialog(SaveAsDialog dialog);
    // Whether objects of the kind lie in a section.
    static BOOL BelongsToSection(SHORT type);

protected:
    // A kind's own step after a new object is made (before the views are looked up).
    virtual void PrepareNewObject() {}
    // A kind's own step right after the object is loaded, before the read-only test.
    virtual void PrepareLoadedObject() {}
    // The status form refills itself from the object.
    void RefillStatusForm();

private:
    int PreviewText();
    // OK in Save As: the copy becomes the document's object (the old one goes), saved.
    void KeepCopy(QZVantrelBase* copy);
    int PreviewFile();

    const QZDocumentKind* m_pKind;

    DECLARE_MESSAGE_MAP()
};
