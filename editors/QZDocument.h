#pragma once
// The document of every editor window: it edits one content object of the site (a page, a
// macro, an image, ...) and owns it. It is never read from or written to a file: its path is
// the text of the object's key, and saving writes the object's row. It builds the title (name,
// key, kind, and " R" for a read-only copy or " *" when modified), saves with the marking of
// publish and generate flags, and asks whether to save when an editor closes.

#include "content/QZVantrelBase.h"
#include "db/QZKeyCombo.h"
#include "platform/ui/CDocument.h"

#include <functional>

class CCmdUI;
class CView;
class QZObjectView;

class QZDocument : public CDocument {
    DECLARE_DYNAMIC(QZDocument)
public:
    QZDocument();
    ~QZDocument() override;

    void SetTitle(LPCTSTR lpszTitle) override;
    BOOL IsModified() override;
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    void DeleteContents() override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;
    BOOL SaveModified() override;

    virtual QZVantrelBase* GetContentObject() const { return m_pObject; }
    // The first view when the object's key equals the key (DbID and number), else null.
    virtual CView* FindViewOfObject(const QZKeyCombo& key) const;
    // The views' edits into the content object; nothing in the base.
    virtual void UpdateObjectFromViews();
    // Called when the "Preview" tab is chosen: nonzero shows it.
    virtual int Preview();
    // Writes the object's row: the views' edits, the text views' text, the publish (or, for a
    // static page, generate) flag, the never-publish rule of deleted objects, then the row.
    // Engine errors pass to the caller.
    virtual void SaveObject();

    // The first view of the named class (or its stand-in), and the same as an object view.
    CView* FindView(const char* viewClass) const;
    QZObjectView* FindObjectView(const char* viewClass) const;

    // Where the site browser hears of a saved object (type code and key); none by default.
    using TreeRefresher = std::function<void(SHORT type, const QZKeyCombo& key)>;
    static void SetTreeRefresher(TreeRefresher refresher);
    static void RefreshObjectTree(SHORT type, const QZKeyCombo& key);

    // Saving marks the object for publishing (the status form clears it with its box).
    BOOL m_bPublishOnSave = TRUE;
    // Saving marks a static page for generation.
    BOOL m_bGenerateOnSave = TRUE;

protected:
    // The object becomes the document's (the one it held is deleted).
    void SetContentObject(QZVantrelBase* pObject);
    // The save question of closing: TRUE when closing may go on.
    BOOL AskToSave();
    // The preference that decides whether closing asks before it saves.
    static BOOL ConfirmSaveOnClose();

    QZVantrelBase* m_pObject = nullptr;

    // Save (57603): the object's save; enabled while the document holds an object.
    void OnFileSave();
    void OnUpdateFileSave(CCmdUI* pCmdUI);

private:
    void MarkForSaving();

    DECLARE_MESSAGE_MAP()
};
