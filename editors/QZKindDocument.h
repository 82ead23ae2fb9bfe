#pragma once
// What the sixteen kind documents share, driven by their row of QZDocumentKinds: a new object
// made with the kind's new-record constructor, an object loaded by the key of the path, the
// views' edits collected, the read-only refusal of saving and the status form refilled after
// it, and the preview.

#include "editors/QZDocument.h"

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

protected:
    // A kind's own step after a new object is made (before the views are looked up).
    virtual void PrepareNewObject() {}
    // A kind's own step right after the object is loaded, before the read-only test.
    virtual void PrepareLoadedObject() {}
    // The status form refills itself from the object.
    void RefillStatusForm();

private:
    int PreviewText();
    int PreviewFile();

    const QZDocumentKind* m_pKind;
};
