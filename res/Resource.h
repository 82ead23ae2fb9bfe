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

// The Site menu's run and import dialogs.
// Generate Pages: the pick mode, its object, the two page lists with their buttons, and the
// run button; 32807 is the command of one run step.
constexpr UINT IDD_GENERATE = 170;
constexpr UINT IDC_GEN_MODE = 1179;
constexpr UINT IDC_GEN_OBJECT = 1176;
constexpr UINT IDC_GEN_SOURCE = 1172;
constexpr UINT IDC_GEN_TARGET = 1173;
constexpr UINT IDC_GEN_SELECT_SOURCE = 1174;
constexpr UINT IDC_GEN_SELECT_TARGET = 1175;
constexpr UINT IDC_GEN_ADD = 1177;
constexpr UINT IDC_GEN_REMOVE = 1178;
constexpr UINT IDC_GEN_GENERATE = 1180;
constexpr UINT ID_GENERATE_NEXT = 32807;
// Publish Objects: the check list of objects and the four buttons.
constexpr UINT IDD_PUBLISH = 149;
constexpr UINT IDC_PUB_LIST = 1245;
constexpr UINT IDC_PUB_MARKALL = 1348;
constexpr UINT IDC_PUB_CHECKALL = 1350;
constexpr UINT IDC_PUB_UNCHECKALL = 1351;
constexpr UINT IDC_PUB_PUBLISH = 1237;
// The strip of 16-pixel icons of the object kinds that the publish list shows.
constexpr UINT IDB_OBJECT_ICONS = 154;
// Import Site: location, retrieve flag, address, their notes and the depth radios.
constexpr UINT IDD_IMPORT_SITE = 189;
constexpr UINT IDC_ISITE_LOCATION = 1211;
constexpr UINT IDC_ISITE_RETRIEVE = 1209;
constexpr UINT IDC_ISITE_ADDRESS = 1210;
constexpr UINT IDC_ISITE_BROWSE = 1212;
constexpr UINT IDC_ISITE_ADDRESS_NOTE = 1242;
constexpr UINT IDC_ISITE_ADDRESS_LABEL = 1213;
constexpr UINT IDC_ISITE_REMOTE_NOTE = 1214;
constexpr UINT IDC_ISITE_LOCAL_NOTE = 1241;
constexpr UINT IDC_ISITE_DEPTH0 = 1370;
constexpr UINT IDC_ISITE_DEPTH1 = 1371;
constexpr UINT IDC_ISITE_DEPTH2 = 1372;
// Import Images: image directory, file names, development path, site, section and "...".
constexpr UINT IDD_IMPORT_IMAGES = 181;
constexpr UINT IDC_IIMG_DIRECTORY = 1134;
constexpr UINT IDC_IIMG_FILENAMES = 1105;
constexpr UINT IDC_IIMG_DEVPATH = 1170;
constexpr UINT IDC_IIMG_SERVICE = 1027;
constexpr UINT IDC_IIMG_SECTION = 1028;
constexpr UINT IDC_IIMG_BROWSE = 1191;
// Component Install and Insert Component.
constexpr UINT IDD_COMPONENT_INSTALL = 177;
constexpr UINT IDD_COMPONENT_INSERT = 176;
constexpr UINT IDC_COMP_FILE = 1136;
constexpr UINT IDC_COMP_BROWSE = 1183;
constexpr UINT IDC_COMP_COMBO = 1192;
constexpr UINT IDC_COMP_INSTALL_NEW = 11;
// "Should this directory be created?\n\n%s"
constexpr UINT IDS_CREATE_DIRECTORY = 1227;
