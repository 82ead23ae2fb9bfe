#pragma once
// Resource ids of the program: dialog templates, their controls, strings. The numbers are the
// program's own; help look-up is computed from them.

#include "platform/core/Types.h"

// Dialog templates
constexpr UINT IDD_PROGRESS = 110;
constexpr UINT IDD_PREF_EDITOR = 156;

// Controls
constexpr UINT IDC_PROGDLG_PROGRESS = 1353;
constexpr UINT IDC_PROGDLG_STATUS = 1354;
constexpr UINT IDC_STATIC = 0xFFFF;
// The Editor page of the preferences: two check boxes and five colour buttons.
constexpr UINT IDC_PREF_WORKBOOK = 1164;
constexpr UINT IDC_PREF_ADDCOMMENTS = 1266;
constexpr UINT IDC_PREF_TEXTCOLOR = 1006;
constexpr UINT IDC_PREF_HTMLCOLOR = 1166;
constexpr UINT IDC_PREF_VANTRELCOLOR = 1008;
constexpr UINT IDC_PREF_COMMENTCOLOR = 1168;
constexpr UINT IDC_PREF_BRACKETCOLOR = 1010;

// The Save As dialog of the editors: the object's Id, title, site, section (label, picture and
// combo) and, for a page, file name (label and edit).
constexpr UINT IDD_SAVEAS = 200;
constexpr UINT IDC_SAVEAS_KEY = 1042;
constexpr UINT IDC_SAVEAS_TITLE = 1034;
constexpr UINT IDC_SAVEAS_SERVICE = 1027;
constexpr UINT IDC_SAVEAS_SECTION_LABEL = 1032;
constexpr UINT IDC_SAVEAS_SECTION_BITMAP = 1298;
constexpr UINT IDC_SAVEAS_SECTION = 1028;
constexpr UINT IDC_SAVEAS_FILENAME_LABEL = 1349;
constexpr UINT IDC_SAVEAS_FILENAME = 1323;
// The "Select a Query/Table" dialog: the two kinds and the list of names.
constexpr UINT IDD_QUERY_BROWSE = 171;
constexpr UINT IDC_QBROWSE_QUERY = 1184;
constexpr UINT IDC_QBROWSE_TABLE = 1186;
constexpr UINT IDC_QBROWSE_LIST = 1182;

// The property dialogs of the template commands: the object list (under a section list in the
// image and internal-link dialogs), the "Other:" text (the query's "Parameters:"), the
// anchor, the use-map box, the alignment list, and the five numbers with their spins. The
// four action dialogs share one template.
constexpr UINT IDD_IMAGE_PROPS = 178;
constexpr UINT IDD_MACRO_PROPS = 210;
constexpr UINT IDD_INTLINK_PROPS = 211;
constexpr UINT IDD_FORM_PROPS = 213;
constexpr UINT IDD_SCRIPT_PROPS = 214;
constexpr UINT IDD_ACTIVEX_PROPS = 217;
constexpr UINT IDD_JAVA_PROPS = 218;
constexpr UINT IDD_MEDIA_PROPS = 219;
constexpr UINT IDD_QUERY_PROPS = 220;
constexpr UINT IDD_ACTION_PROPS = 230;
constexpr UINT IDC_PROPS_OBJECT = 1161;
constexpr UINT IDC_PROPS_SECTION = 1028;
constexpr UINT IDC_PROPS_OTHER = 1016;
constexpr UINT IDC_PROPS_ANCHOR = 1018;
constexpr UINT IDC_PROPS_USEMAP = 1319;
constexpr UINT IDC_PROPS_ALIGN = 1163;
constexpr UINT IDC_PROPS_HSPACE = 1088;
constexpr UINT IDC_PROPS_HSPACE_SPIN = 1092;
constexpr UINT IDC_PROPS_VSPACE = 1062;
constexpr UINT IDC_PROPS_VSPACE_SPIN = 1160;
constexpr UINT IDC_PROPS_WIDTH = 1084;
constexpr UINT IDC_PROPS_WIDTH_SPIN = 1080;
constexpr UINT IDC_PROPS_HEIGHT = 1056;
constexpr UINT IDC_PROPS_HEIGHT_SPIN = 1079;
constexpr UINT IDC_PROPS_BORDER = 1024;
constexpr UINT IDC_PROPS_BORDER_SPIN = 1081;

// The query wizard's pages (225, the special handling page, is never shown) and their
// controls: the query list and the three modes, the parameter lines, the field check list,
// the special cases, the group action text and the two buttons with their captions.
constexpr UINT IDD_QUERYWIZ_P1 = 221;
constexpr UINT IDD_QUERYWIZ_P2 = 222;
constexpr UINT IDD_QUERYWIZ_P3 = 223;
constexpr UINT IDD_QUERYWIZ_P4 = 224;
constexpr UINT IDD_QUERYWIZ_P5 = 225;
constexpr UINT IDD_QUERYWIZ_P6 = 226;
constexpr UINT IDD_QUERYWIZ_P7 = 227;
constexpr UINT IDB_QUERYWIZ = 137;
constexpr UINT IDC_QWIZ_QUERY = 1161;
constexpr UINT IDC_QWIZ_PRINT = 1308;
constexpr UINT IDC_QWIZ_ADDROWS = 1309;
constexpr UINT IDC_QWIZ_EDITROWS = 1310;
constexpr UINT IDC_QWIZ_PARAMETERS = 1016;
constexpr UINT IDC_QWIZ_FIELDS = 1307;
constexpr UINT IDC_QWIZ_ROWCOUNT = 1313;
constexpr UINT IDC_QWIZ_NOROWS = 1315;
constexpr UINT IDC_QWIZ_FIRSTROW_ONLY = 1313;
constexpr UINT IDC_QWIZ_SPECIAL = 1314;
constexpr UINT IDC_QWIZ_ACTION = 1316;
constexpr UINT IDC_QWIZ_SUBMIT = 1318;
constexpr UINT IDC_QWIZ_SUBMIT_CAPTION = 1321;
constexpr UINT IDC_QWIZ_RESET = 1325;
constexpr UINT IDC_QWIZ_RESET_CAPTION = 1327;

// Bitmaps: the splash window's picture.
constexpr UINT IDB_SPLASH = 113;

// Cursors: sizing across vertical bands (left and right) and across horizontal ones (up and
// down), for the dock bars' sizers and the tab window's splitter.
constexpr UINT IDC_HSIZEBAR = 30980;
constexpr UINT IDC_VSIZEBAR = 30981;

// Strings
constexpr UINT IDS_OLE_FAILED = 101;
constexpr UINT IDS_APPLICATION = 104;
constexpr UINT IDS_PROGRESS_CAPTION = 114;
// The endings of the version message: a newer database, the mismatch, the update question.
constexpr UINT IDS_REINSTALL = 115;
constexpr UINT IDS_VERSION_MISMATCH = 116;
constexpr UINT IDS_UPDATE_QUESTION = 117;
// The key of the bars' layout, beneath "Software".
constexpr UINT IDS_BAR_REGISTRY_KEY = 131;
// The key of the application's settings under HKEY_CURRENT_USER.
constexpr UINT IDS_SETTINGS_KEY = 1004;
constexpr UINT IDS_INVALID_DATABASE = 1012;
constexpr UINT IDS_OTHER_COLOR = 20616;
// The status bar's hint while a bar is dragged, the commands of a bar's context menu, and the
// status bar's idle prompt.
constexpr UINT IDS_SEC_DRAGHINT = 20621;
constexpr UINT IDS_SEC_ALLOWDOCKING = 45095;
constexpr UINT IDS_SEC_HIDE = 45096;
constexpr UINT IDS_SEC_FLOATINMAIN = 45097;
constexpr UINT IDS_IDLEMESSAGE = 57345;
