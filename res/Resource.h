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

// The help viewer, the preview, the About box, the credits and the legal notice.
// The maker's web site: the remote help pages and the update check live there.
#define MQ_MAKER_SITE "http://www.zerin.example"
inline constexpr const char* kMakerSite = MQ_MAKER_SITE;
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_PREVIEW = 126;
constexpr UINT IDD_HELP_VIEWER = 215;
constexpr UINT IDD_CREDITS = 1356;
constexpr UINT IDD_LEGAL = 1379;
constexpr UINT IDC_ABOUT_CREDITS = 12;
constexpr UINT IDC_ABOUT_TITLE = 228;
constexpr UINT IDC_ABOUT_NOTICE = 500; // 500 to 504: the maker's notice lines
constexpr UINT IDC_ABOUT_TRADEMARK = 501;
constexpr UINT IDC_ABOUT_DATABASE = 1234;
constexpr UINT IDC_ABOUT_LICENSE = 1366;
constexpr UINT IDC_LEGAL_TEXT = 1375;
// The HTML viewer of the preview and the help viewer.
constexpr UINT IDC_HTML_VIEWER = 1001;
// The output pane's log and the tab window that holds it.
constexpr UINT IDC_OUTPUT_LOG = 106;
constexpr UINT IDC_OUTPUT_TABS = 107;
// The tree and tab icons (16 pixels each), the About box's picture, the credits' frames.
constexpr UINT IDB_OBJECT_ICONS = 154;
constexpr int kObjectIconCount = 54;
constexpr UINT IDB_ABOUT = 195;
constexpr UINT IDB_CREDITS_FIRST = 248;
constexpr UINT IDB_CREDITS_LAST = 261;
constexpr UINT IDS_CREDITS_TEXT = 13;
// Help pages by help id: the Quick Start, the Tutorial (the start page), the Command Reference,
// the update check and the help index.
constexpr UINT IDS_HELP_QUICKSTART = 10877;
constexpr UINT IDS_HELP_TUTORIAL = 10878;
constexpr UINT IDS_HELP_REFERENCE = 10879;
constexpr UINT IDS_HELP_CHECK_UPDATES = 10906;
constexpr UINT IDS_HELP_INDEX = 15000;
