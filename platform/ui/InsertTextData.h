#pragma once
// The program's private clipboard and drag format "InternalZerin". The object trees offer an
// object's insert text under it beside plain text when it is dragged out; the text editor takes a
// drop or paste in either. The private format carries the text's bytes and one zero byte.

#include "platform/core/CString.h"
#include "platform/ui/WinTypes.h"

class CWnd;

// The name the trees and the text editor register the format under.
inline constexpr const char* kInsertTextFormatName = "InternalZerin";

// What a drag ended in.
inline constexpr DWORD DROPEFFECT_NONE = 0;
inline constexpr DWORD DROPEFFECT_COPY = 1;
inline constexpr DWORD DROPEFFECT_MOVE = 2;

// Runs the modal drag of `text` out of `source`, offering plain text and the private format,
// copy and move both allowed. Answers the drop effect the target chose.
DWORD DragInsertText(CWnd* source, const CString& text);

// Puts `text` on the clipboard as plain text and, when `privateFormat` is TRUE, under the private
// format too. FALSE when the clipboard cannot be opened.
BOOL SetClipboardInsertText(const CString& text, BOOL privateFormat);

// Whether the clipboard offers plain text or the private format.
BOOL ClipboardHasInsertText();

// The clipboard's text: the private format when offered (its bytes as they were put), else plain
// text. FALSE when it offers neither.
BOOL GetClipboardInsertText(CString& text);
