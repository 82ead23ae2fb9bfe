#pragma once
// The main window's placement kept in the setting "Size" (WindowPlacementText.h): read and
// applied at start-up, written when the main frame closes.

#include "platform/core/Types.h"
#include "platform/ui/WindowPlacement.h"

class CWnd;

// Applies the stored placement to the frame, or the frame's own with defaultShow when none is
// stored or it is malformed; *showCmd is the show command to show the frame with. FALSE, nothing
// applied, when the frame has no placement.
BOOL LoadWindowPlacement(CWnd* frame, LPCTSTR valueName, WINDOWPLACEMENT* placement,
                         int defaultShow, int* showCmd);
// Stores the frame's current placement.
void SaveWindowPlacement(CWnd* frame, LPCTSTR valueName);
