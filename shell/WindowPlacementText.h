#pragma once
// The text of the setting "Size": a window placement as "%u,%u,(%d,%d),(%d,%d,%d,%d)", its
// flags, show command, minimised position and normal rectangle.

#include "platform/core/CString.h"
#include "platform/ui/WindowPlacement.h"

// FALSE unless all eight numbers are read.
BOOL ParseWindowPlacement(const CString& text, WINDOWPLACEMENT* placement);
CString FormatWindowPlacement(const WINDOWPLACEMENT& placement);
