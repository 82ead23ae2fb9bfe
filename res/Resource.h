#pragma once
// Resource ids of the program: dialog templates, their controls, strings. The numbers are the
// program's own; help look-up is computed from them.

#include "platform/core/Types.h"

// Dialog templates
constexpr UINT IDD_PROGRESS = 110;

// Controls
constexpr UINT IDC_PROGDLG_PROGRESS = 1353;
constexpr UINT IDC_PROGDLG_STATUS = 1354;

// Strings
constexpr UINT IDS_PROGRESS_CAPTION = 114;
