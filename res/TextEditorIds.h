#pragma once
// The ids of the text editor's resources: its context menu, its "Table Size" and "List"
// dialogs and the attribute forms of pages, macros, forms and scripts.

#include "platform/core/Types.h"

constexpr UINT IDR_EDIT_CONTEXT = 153;
constexpr UINT ID_EDIT_PROPERTIES = 32815;

constexpr UINT IDD_TABLE_PROPS = 216;
constexpr UINT IDD_LIST_PROPS = 236;
constexpr UINT IDC_OUTLINE_ROWS = 1299;
constexpr UINT IDC_OUTLINE_ROWS_SPIN = 1160;
constexpr UINT IDC_TABLE_COLUMNS = 1300;
constexpr UINT IDC_TABLE_COLUMNS_SPIN = 1079;
constexpr UINT IDC_LIST_HEADING = 1148;
constexpr UINT IDC_LIST_BULLET = 1346;

constexpr UINT IDD_PAGE_ATTRIBUTES = 119;
constexpr UINT IDD_TEMPLATE_ATTRIBUTES = 133;
constexpr UINT IDD_SCRIPT_ATTRIBUTES = 192;
// The controls every attribute form shares.
constexpr UINT IDC_ATTR_KEY = 1042;
constexpr UINT IDC_ATTR_TITLE = 1034;
constexpr UINT IDC_ATTR_SITE = 1027;
constexpr UINT IDC_ATTR_SECTION = 1028;
// The page's own.
constexpr UINT IDC_PAGE_KEYWORDS = 1037;
constexpr UINT IDC_PAGE_FILENAME = 1105;
constexpr UINT IDC_PAGE_DIRECTORY = 1134;
constexpr UINT IDC_PAGE_RELATIVE_PATH = 1170;
constexpr UINT IDC_PAGE_STYLE = 1050;
// The script's own.
constexpr UINT IDC_SCRIPT_LANGUAGE = 1029;
constexpr UINT IDC_SCRIPT_TYPE = 1039;
