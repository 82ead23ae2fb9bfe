#pragma once
// What the sixteen kind documents share, driven by their row of QZDocumentKinds: a new object
// made with the kind's new-record constructor, an object loaded by the key of the path, the
// views' edits collected, the read-only refusal of saving and the status form refilled after
// it, and the preview.

#include "editors/QZDocument.h"

#include <functional>

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
    // Save As (command 57604): the object's record copied into a new object of the kind, the
    // user's edits with it, shown in the Save As dialog; OK makes the copy the edited object,
    // Cancel keeps the old one. The photo has none. Nothing happens while no dialog is set.
    void OnFileSaveAs();

    // The Save As dialog on the copy: IDOK or IDCANCEL. The shell sets it.
    using SaveAsDialog = std::function<int(QZVantrelBase& copy)>;
    static void SetSaveAsDialog(SaveAsDialog dialog);

protected:
    // A kind's own step after a new object is made (before the views are looked up).
    virtual void PrepareNewObject() {}
    // A kind's own step right after the object is loaded, before the read-only test.
    virtual void PrepareLoadedObject() {}
    // The status form refills itself from the object.
    void RefillStatusForm();

private:
    int PreviewText();
    // OK in Save As: the copy becomes the document's object, marked and saved.
    void KeepCopy(QZVantrelBase* old);
    // Cancel in Save As: the copy's new row is retired and the old object comes back.
    void DropCopy(QZVantrelBase* old);
    int PreviewFile();

    const QZDocumentKind* m_pKind;
};
