#pragma once
// Mouse cursors: the system's own and the program's cursor resources (which stand for the
// desktop's cursors of the same meaning), and the cursor of the window under the mouse.

#include "platform/ui/WinTypes.h"

// The system cursors.
inline LPCTSTR const IDC_ARROW = MAKEINTRESOURCE(32512);
inline LPCTSTR const IDC_IBEAM = MAKEINTRESOURCE(32513);
inline LPCTSTR const IDC_WAIT = MAKEINTRESOURCE(32514);
inline LPCTSTR const IDC_CROSS = MAKEINTRESOURCE(32515);
inline LPCTSTR const IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline LPCTSTR const IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline LPCTSTR const IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline LPCTSTR const IDC_SIZENS = MAKEINTRESOURCE(32645);
inline LPCTSTR const IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline LPCTSTR const IDC_NO = MAKEINTRESOURCE(32648);
inline LPCTSTR const IDC_HAND = MAKEINTRESOURCE(32649);
inline LPCTSTR const IDC_HELP = MAKEINTRESOURCE(32651);

// A system cursor (hInstance null and one of the IDC_ names) or a cursor resource of the
// program; nullptr when there is no such cursor or no window system. Cursors belong to the
// layer and need no release.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
// A cursor resource of the program by number.
HCURSOR AfxLoadCursor(UINT nIDResource);
// Makes the cursor the one shown over the window the mouse is in; returns the one before.
HCURSOR SetCursor(HCURSOR hCursor);

// The program's cursor resources: resource `id` is the system cursor `systemCursor` (one of
// the IDC_ names). The resource folder registers them at start-up.
void RegisterCursorResource(UINT id, LPCTSTR systemCursor);
