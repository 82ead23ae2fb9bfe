#pragma once
// A window of the program: the object the system's code holds, over a window of the window
// system. A CWnd either owns its window (made or attached through it; destroyed with it) or is
// a temporary stand-in that FromHandle hands out for a window nobody attached.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>

class wxWindow;

class CWnd : public CObject {
public:
    CWnd();
    // Destroys the window when this object still has one.
    ~CWnd() override;

    // The window behind this object; nullptr before it is made and after it is destroyed.
    wxWindow* GetSafeHwnd() const;
    // Makes this object the owner of `window`; FALSE when this object already has a window or
    // `window` already has an owner.
    BOOL Attach(wxWindow* window);
    // Lets go of the window without destroying it and returns it.
    wxWindow* Detach();
    // Attaches the child of `parent` whose id is `id`; FALSE when there is no such child.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    virtual BOOL DestroyWindow();

    // Enables or disables input; returns TRUE when the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    // Raises the window's top-level window above the others.
    BOOL SetForegroundWindow();

    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetDlgCtrlID() const;
    // The direct child whose id is `id`, or nullptr.
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;

    // The object that owns `window`, or a temporary stand-in kept until the window goes;
    // nullptr for a null window.
    static CWnd* FromHandle(wxWindow* window);
    // The window that should own a dialog or message box: the top-level window of `parent`, or
    // the main window when `parent` has no window.
    static CWnd* GetSafeOwner(CWnd* parent = nullptr);

private:
    struct Handle;

    std::unique_ptr<Handle> m_handle;
};
