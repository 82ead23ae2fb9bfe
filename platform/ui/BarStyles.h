#pragma once
// The numbers of control bars, dock bars and frames, with the original's values: bar styles,
// layout modes, the framework's window ids, the frame's size-parent protocol and its messages.

#include "platform/core/CRect.h"
#include "platform/ui/WinTypes.h"

// Bar styles (a bar's own style word, apart from its window style).
constexpr DWORD CBRS_FLOATING = 0x0001;
constexpr DWORD CBRS_SIZE_FIXED = 0x0002;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_HIDE_INPLACE = 0x0008;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_FLOAT_MULTI = 0x0040;
constexpr DWORD CBRS_BORDER_3D = 0x0080;
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_BORDER_ANY = 0x0F00;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_ORIENT_HORZ = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
constexpr DWORD CBRS_ORIENT_VERT = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT;
constexpr DWORD CBRS_ORIENT_ANY = CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT;
constexpr DWORD CBRS_ALL = 0xFFFF;
constexpr DWORD CBRS_NOALIGN = 0;
constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;

// Layout modes of CalcDynamicLayout.
constexpr DWORD LM_STRETCH = 0x01;
constexpr DWORD LM_HORZ = 0x02;
constexpr DWORD LM_MRUWIDTH = 0x04;
constexpr DWORD LM_HORZDOCK = 0x08;
constexpr DWORD LM_VERTDOCK = 0x10;
constexpr DWORD LM_LENGTHY = 0x20;
constexpr DWORD LM_COMMIT = 0x40;

// The framework's window ids of bars, dock bars and the pane the bars leave.
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
constexpr UINT AFX_IDW_DOCKBAR_FLOAT = 0xE81F;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// Strings of the framework: the idle prompt of the status bar and the floating frame's "Hide".
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;
constexpr UINT AFX_IDS_HIDE = 0xF011;

// Styles of floating frames (in the frame's window style).
constexpr DWORD MFS_MOVEFRAME = 0x00000001;
constexpr DWORD MFS_4THICKFRAME = 0x00000002;
constexpr DWORD MFS_SYNCACTIVE = 0x00000004;
constexpr DWORD MFS_THICKFRAME = 0x00000008;
constexpr DWORD MFS_BLOCKSYSMENU = 0x80000000;

// Frame styles.
constexpr DWORD FWS_SNAPTOBARS = 0x2000;
constexpr DWORD FWS_PREFIXTITLE = 0x4000;
constexpr DWORD FWS_ADDTOTITLE = 0x8000;

// A deferred-position batch (BeginDeferWindowPos).
struct DeferredPositions;
using HDWP = DeferredPositions*;

// What WM_SIZEPARENT carries: the batch (null while only measuring), the rectangle still free,
// the total size the bars took, and whether bars stretch across the free rectangle.
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// RepositionBars modes.
constexpr UINT reposDefault = 0;
constexpr UINT reposQuery = 1;
constexpr UINT reposExtra = 2;

// A side a frame docks bars on: its alignment, its dock bar's id and that dock bar's style.
struct DockSide {
    DWORD align;
    UINT id;
    DWORD style;
};

// The four sides in the order they are searched.
inline constexpr DockSide kDockSides[] = {
    {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};
