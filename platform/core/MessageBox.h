#pragma once
// Modal message boxes. Every message the system shows goes through one sink: the program
// installs a real dialog, tests install a recorder that answers with scripted buttons.

#include "platform/core/CString.h"

// Buttons, icons and default-button flags, with the original's numbers.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x00F0;
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Where message boxes go. Show returns the id of the button pressed.
class MessageBoxSink {
public:
    virtual ~MessageBoxSink() = default;
    virtual int Show(const CString& text, UINT type, UINT helpId) = 0;
};

// Installs `sink` (not owned) and returns the one it replaces; nullptr restores the default,
// which writes the text to standard error and answers with the box's default button.
MessageBoxSink* SetMessageBoxSink(MessageBoxSink* sink);

// The button a box of this type answers when nobody presses one (its default button).
int DefaultMessageBoxAnswer(UINT type);

int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// Shows a text of the string table; the help id defaults to the string's own id.
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = UINT(-1));
