#pragma once
// The desktop's modeless Find and Replace dialog: a find text, a replacement (Replace only),
// match case and whole word, and buttons that report to a handler as they are pressed. The
// search always runs down the text, so the dialog offers no direction. Closing it tells the
// handler and destroys the dialog.

#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CWnd;
class wxFindReplaceDialog;
class wxFindDialogEvent;
class wxWindowDestroyEvent;

constexpr DWORD FR_DOWN = 0x00000001;
constexpr DWORD FR_WHOLEWORD = 0x00000002;
constexpr DWORD FR_MATCHCASE = 0x00000004;
constexpr DWORD FR_HIDEUPDOWN = 0x00004000;

// What the dialog's buttons say, with the texts and options shown at the moment.
class CFindReplaceHandler {
public:
    virtual ~CFindReplaceHandler() = default;
    virtual void OnFindNext(const CString& find, BOOL down, BOOL matchCase, BOOL wholeWord) = 0;
    virtual void OnReplace(const CString& find, BOOL down, BOOL matchCase, BOOL wholeWord,
                           const CString& replacement) = 0;
    virtual void OnReplaceAll(const CString& find, const CString& replacement, BOOL matchCase,
                              BOOL wholeWord) = 0;
    // The dialog is closing; it is destroyed right after.
    virtual void OnDialogClosing() = 0;
};

class CFindReplaceDialog {
public:
    CFindReplaceDialog() = default;
    ~CFindReplaceDialog();
    CFindReplaceDialog(const CFindReplaceDialog&) = delete;
    CFindReplaceDialog& operator=(const CFindReplaceDialog&) = delete;

    // Makes the dialog (find only or with a replacement) over `parent`'s top window, the FR_
    // flags giving its options; it is shown by Show. FALSE when it cannot be made.
    BOOL Create(BOOL findOnly, const CString& find, const CString& replacement, DWORD flags,
                CWnd* parent, CFindReplaceHandler* handler);
    // The view whose text the buttons work on from now on.
    void SetHandler(CFindReplaceHandler* handler) { m_pHandler = handler; }
    CFindReplaceHandler* GetHandler() const { return m_pHandler; }
    BOOL IsFindOnly() const { return m_bFindOnly; }
    // Brings the dialog up and to the front.
    void Show();
    // Closes the dialog as its Close button does.
    void Close();
    BOOL IsOpen() const { return m_pDialog != nullptr; }

    // Screen rectangles of the dialog, and moving it.
    CRect GetWindowRect() const;
    void MoveWindow(const CRect& rect);

    // The texts and options the dialog shows now.
    CString GetFindString() const;
    CString GetReplaceString() const;
    DWORD GetFlags() const;

    // The dialog window, for tests that press its buttons.
    wxFindReplaceDialog* GetWx() const { return m_pDialog; }

private:
    void OnEvent(wxFindDialogEvent& event);
    void OnDestroyed(wxWindowDestroyEvent& event);
    void Detach(wxFindReplaceDialog* dialog);
    void Forget();

    wxFindReplaceDialog* m_pDialog = nullptr;
    void* m_pData = nullptr;
    CFindReplaceHandler* m_pHandler = nullptr;
    BOOL m_bFindOnly = TRUE;
};
