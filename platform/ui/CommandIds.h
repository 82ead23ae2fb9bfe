#pragma once
// The framework's command and indicator ids: the standard commands of the File, Edit, View and
// Help menus and the status bar's key indicators.

#include "platform/core/Types.h"

constexpr UINT ID_SEPARATOR = 0;

constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;

constexpr UINT ID_FILE_NEW = 0xE100;
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_FILE_SAVE = 0xE103;
constexpr UINT ID_FILE_SAVE_AS = 0xE104;
constexpr UINT ID_FILE_PRINT_SETUP = 0xE106;
constexpr UINT ID_FILE_PRINT = 0xE107;
constexpr UINT ID_FILE_PRINT_DIRECT = 0xE108;
constexpr UINT ID_FILE_PRINT_PREVIEW = 0xE109;
constexpr UINT ID_EDIT_COPY = 0xE122;
constexpr UINT ID_EDIT_CUT = 0xE123;
constexpr UINT ID_EDIT_FIND = 0xE124;
constexpr UINT ID_EDIT_PASTE = 0xE125;
constexpr UINT ID_EDIT_REPEAT = 0xE128;
constexpr UINT ID_EDIT_SELECT_ALL = 0xE12A;
constexpr UINT ID_EDIT_REPLACE = 0xE129;
constexpr UINT ID_EDIT_UNDO = 0xE12B;
constexpr UINT ID_EDIT_REDO = 0xE12C;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;
constexpr UINT ID_HELP_FINDER = 0xE143;
constexpr UINT ID_CONTEXT_HELP = 0xE145;
constexpr UINT ID_HELP = 0xE146;
constexpr UINT ID_DEFAULT_HELP = 0xE147;
constexpr UINT ID_VIEW_TOOLBAR = 0xE800;
constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;
