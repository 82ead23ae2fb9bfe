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
// The site browser's trees: the delete question and the reports of an object that cannot be
// changed from a tree.
constexpr UINT IDS_TREE_CONFIRM_DELETE = 1224;
constexpr UINT IDS_TREE_ALREADY_OPEN = 1225;
constexpr UINT IDS_TREE_CANNOT_EDIT = 1226;
// The Site Viewer bar (dialog 147): the caption, the site combo box, the tab row and the ten
// trees; each tree's caption is the string of the tree's id.
constexpr UINT IDC_SV_CAPTION = 1195;
constexpr UINT IDC_SV_SITES = 1027;
constexpr UINT IDC_SV_TABS = 1003;
constexpr UINT IDC_SV_MACROS = 1060;
constexpr UINT IDC_SV_PAGES = 1055;
constexpr UINT IDC_SV_IMAGES = 1002;
constexpr UINT IDC_SV_FORMS = 1063;
constexpr UINT IDC_SV_MESSAGES = 1067;
constexpr UINT IDC_SV_QUERIES = 1070;
constexpr UINT IDC_SV_STYLES = 1074;
constexpr UINT IDC_SV_MEDIA = 1206;
constexpr UINT IDC_SV_EVENTS = 1207;
constexpr UINT IDC_SV_ADVERTISING = 1208;
constexpr UINT IDS_OTHER_COLOR = 20616;
// The status bar's hint while a bar is dragged, the commands of a bar's context menu, and the
// status bar's idle prompt.
constexpr UINT IDS_SEC_DRAGHINT = 20621;
constexpr UINT IDS_SEC_ALLOWDOCKING = 45095;
constexpr UINT IDS_SEC_HIDE = 45096;
constexpr UINT IDS_SEC_FLOATINMAIN = 45097;
constexpr UINT IDS_IDLEMESSAGE = 57345;

// ---- The main window: its menu, accelerators, tool bars, status panes and commands ----

// The main window's menu and accelerators, and the main tool bar.
constexpr UINT IDR_MAINFRAME = 128;
// The other tool bars (resource ids, which are also their toggle commands and bar ids).
constexpr UINT IDR_COMMANDBAR = 138;
constexpr UINT IDR_HTMLBAR = 143;
constexpr UINT IDR_ACTIONBAR = 253;
constexpr UINT IDR_FORMBAR = 255;
// The site browser's dialog bar (its template, bar id and toggle command).
constexpr UINT IDD_SITE_VIEWER = 147;
constexpr UINT ID_VIEW_SITEVIEWER = 120;
// The output bar and the help viewer (bar ids; the help viewer's is also its toggle command).
constexpr UINT ID_OUTPUT_BAR = 108;
constexpr UINT ID_VIEW_HELPVIEWER = 215;
constexpr UINT ID_VIEW_OUTPUT = 32829;
constexpr UINT ID_CENTER_HELPVIEWER = 32912;
// The bar ids of the HTML and command tool bars.
constexpr UINT ID_HTMLBAR_WND = 158;
constexpr UINT ID_COMMANDBAR_WND = 159;
// The status bar's line and column pane (also its width text).
constexpr UINT ID_INDICATOR_LINECOL = 172;
// The out-of-date database: its message and the command that shows it and ends the program.
constexpr UINT IDS_DATABASE_OUT_OF_DATE = 102;
constexpr UINT ID_DATABASE_OUT_OF_DATE = 32788;

// The application's commands.
constexpr UINT ID_NEW_MACRO = 32782;
constexpr UINT ID_NEW_IMAGE = 32778;
constexpr UINT ID_NEW_PHOTO = 32779;
constexpr UINT ID_NEW_FORM = 32780;
constexpr UINT ID_NEW_EMAIL = 32783;
constexpr UINT ID_NEW_QUERY = 32784;
constexpr UINT ID_NEW_STYLE = 32781;
constexpr UINT ID_NEW_ACTIVEX = 32866;
constexpr UINT ID_NEW_MULTIMEDIA = 32868;
constexpr UINT ID_NEW_JAVA = 32867;
constexpr UINT ID_NEW_SCRIPT = 32865;
constexpr UINT ID_NEW_EVENT = 32880;
constexpr UINT ID_NEW_ADVERTISER = 32869;
constexpr UINT ID_NEW_AD = 32902;
constexpr UINT ID_NEW_ADSPACE = 32901;
constexpr UINT ID_GENERATE_PAGES = 32806;
constexpr UINT ID_PUBLISH_OBJECTS = 32872;
constexpr UINT ID_NEW_SITE = 32787;
constexpr UINT ID_EDIT_SITE = 32785;
constexpr UINT ID_NEW_SECTION = 32786;
constexpr UINT ID_EDIT_SECTION = 32777;
constexpr UINT ID_INSTALL_COMPONENT = 32821;
constexpr UINT ID_INSERT_COMPONENT = 32820;
constexpr UINT ID_IMPORT_IMAGES = 32840;
constexpr UINT ID_IMPORT_SITE = 32864;
constexpr UINT ID_SAVE_ALL = 32863;
constexpr UINT ID_OPTIONS = 32803;
constexpr UINT ID_HELP_COMMAND_REFERENCE = 32879;
constexpr UINT ID_HELP_QUICK_START = 32877;
constexpr UINT ID_HELP_TUTORIAL = 32878;
constexpr UINT ID_HELP_CHECK_UPDATES = 32906;
constexpr UINT ID_ALWAYS_DISABLED = 32894;
constexpr UINT ID_FRAMEWORK_NEW = 32818;

// The Site Viewer trees' context menu (pop-ups 0 to 7) and its commands, and the framework's
// New with its chooser of the kinds.
constexpr UINT IDR_TREE_MENU = 139;
constexpr UINT ID_TREE_NEW = 32769;
constexpr UINT ID_TREE_OPEN = 32774;
constexpr UINT ID_TREE_DELETE = 32775;
constexpr UINT ID_TREE_INSERT = 32838;
constexpr UINT ID_MARK_FOR_PUBLISH = 32908;
constexpr UINT ID_GENERATE_THIS_PAGE = 32909;
constexpr UINT ID_INSERT_ADD = 32861;
constexpr UINT ID_INSERT_EDIT = 32862;
constexpr UINT ID_EXECUTE_QUERY = 32876;
constexpr UINT ID_PRINT_TABLE = 32899;
constexpr UINT ID_PRINT_MAIL_LIST = 32900;
constexpr UINT IDD_NEWTYPE = 30721;
constexpr UINT IDC_NEWTYPE_LIST = 30722;

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
// The credits' frames are the bitmaps of that range except the action and form tool bars'
// pictures, which share their numbers.
constexpr bool IsCreditFrame(UINT id) {
    return id >= IDB_CREDITS_FIRST && id <= IDB_CREDITS_LAST && id != 253 && id != 255;
}
constexpr UINT IDS_CREDITS_TEXT = 13;
// Help pages by help id: the Quick Start, the Tutorial (the start page), the Command Reference,
// the update check and the help index.
constexpr UINT IDS_HELP_QUICKSTART = 10877;
constexpr UINT IDS_HELP_TUTORIAL = 10878;
constexpr UINT IDS_HELP_REFERENCE = 10879;
constexpr UINT IDS_HELP_CHECK_UPDATES = 10906;
constexpr UINT IDS_HELP_INDEX = 15000;

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
// The status forms of the editors: the object's (146) and the page's (141), their stamps and
// their switches; 1102 (Generate Now) goes on to the page document.
constexpr UINT IDD_STATUS_FORM = 146;
constexpr UINT IDD_PAGE_STATUS_FORM = 141;
constexpr UINT IDC_STATUS_CHANGED_BY = 1098;
constexpr UINT IDC_STATUS_LAST_CHANGED = 1086;
constexpr UINT IDC_STATUS_GENERATED_BY = 1082;
constexpr UINT IDC_STATUS_LAST_GENERATED = 1064;
constexpr UINT IDC_STATUS_PUBLISHED_BY = 1096;
constexpr UINT IDC_STATUS_LAST_PUBLISHED = 1090;
constexpr UINT IDC_STATUS_VERSION_GENERATED = 1071;
constexpr UINT IDC_STATUS_VERSION_PUBLISHED = 1076;
constexpr UINT IDC_STATUS_SECURE = 1100;
constexpr UINT IDC_STATUS_DELETED = 1101;
constexpr UINT IDC_STATUS_DYNAMIC = 1094;
constexpr UINT IDC_STATUS_GENERATE = 1121;
constexpr UINT IDC_STATUS_NEVER_GENERATE = 1124;
constexpr UINT IDC_STATUS_NEVER_PUBLISH = 1127;
constexpr UINT IDC_STATUS_PUBLISH = 1126;
constexpr UINT IDC_STATUS_FRAMES = 1246;
constexpr UINT IDC_STATUS_GENERATE_NOW = 1102;
// The site and section settings sheets: the Site page (121), the Production page (151) and the
// Section page (118); their Status page is the status form (146), captioned with string 130.
constexpr UINT IDD_SERVICE_PAGE = 121;
constexpr UINT IDD_SERVICE_PUB_PAGE = 151;
constexpr UINT IDD_SECTION_PAGE = 118;
constexpr UINT IDS_STATUS_CAPTION = 130;
constexpr UINT IDS_STATUS_DATE_FORMAT = 125;
constexpr UINT IDC_SVC_KEY = 1042;
constexpr UINT IDC_SVC_TITLE = 1034;
constexpr UINT IDC_SVC_STYLE_LABEL = 1057;
constexpr UINT IDC_SVC_STYLE = 1061;
constexpr UINT IDC_SVC_WEBMASTER = 1130;
constexpr UINT IDC_SVC_DEVROOT = 1013;
constexpr UINT IDC_SVC_DIRECTORY = 1134;
constexpr UINT IDC_SVC_CLIENTS_DB = 1135;
constexpr UINT IDC_SVC_CLIENTS_PROD_DB = 1137;
constexpr UINT IDC_SVC_DEVROOT_BROWSE = 1185;
constexpr UINT IDC_SVC_CLIENTS_DB_BROWSE = 1183;
constexpr UINT IDC_SVC_CLIENTS_PROD_DB_BROWSE = 1187;
constexpr UINT IDC_PUB_DOMAIN = 1133;
constexpr UINT IDC_PUB_LOCAL = 1235;
constexpr UINT IDC_PUB_REMOTE = 1236;
constexpr UINT IDC_PUB_DOMAIN_ROOT = 1131;
constexpr UINT IDC_PUB_DATABASE = 1231;
constexpr UINT IDC_PUB_FTP_ADDRESS = 1019;
constexpr UINT IDC_PUB_FTP_ROOT = 1230;
constexpr UINT IDC_PUB_FTP_USER = 1145;
constexpr UINT IDC_PUB_FTP_PASSWORD = 1146;
constexpr UINT IDC_PUB_DOMAIN_ROOT_BROWSE = 1233;
constexpr UINT IDC_PUB_DATABASE_BROWSE = 1229;
constexpr UINT IDC_PUB_LOCAL_GROUP = 1240;
constexpr UINT IDC_PUB_DOMAIN_ROOT_LABEL = 1213;
constexpr UINT IDC_PUB_DATABASE_LABEL = 1239;
constexpr UINT IDC_PUB_FTP_GROUP = 1214;
constexpr UINT IDC_PUB_FTP_ADDRESS_LABEL = 1241;
constexpr UINT IDC_PUB_FTP_ROOT_LABEL = 1242;
constexpr UINT IDC_PUB_FTP_USER_LABEL = 1243;
constexpr UINT IDC_PUB_FTP_PASSWORD_LABEL = 1244;
constexpr UINT IDC_SECT_KEY = 1042;
constexpr UINT IDC_SECT_NAME = 1034;
constexpr UINT IDC_SECT_TITLE = 1148;
constexpr UINT IDC_SECT_SERVICE = 1027;
constexpr UINT IDC_SECT_STYLE = 1050;
constexpr UINT IDC_SECT_PAGE = 1162;
constexpr UINT IDC_SECT_RELATIVE_PATH = 1170;
constexpr UINT IDC_SECT_DIRECTORY = 1134;
constexpr UINT IDC_SECT_SECURE_CGI = 1150;
constexpr UINT IDC_SECT_CGI_WARNING = 1352;
// The preferences: the General (136), Confirmations (179) and User (157) pages beside the
// Editor page (156).
constexpr UINT IDD_PREF_GENERAL = 136;
constexpr UINT IDD_PREF_CONFIRM = 179;
constexpr UINT IDD_PREF_USER = 157;
constexpr UINT IDC_PREF_USE_WIZARDS = 1167;
constexpr UINT IDC_PREF_VERBOSE = 1188;
constexpr UINT IDC_PREF_HELP_REMOTE = 1317;
constexpr UINT IDC_PREF_CONFIRM_SAVE = 1204;
constexpr UINT IDC_PREF_CONFIRM_DELETE = 1205;
constexpr UINT IDC_PREF_USER_COMBO = 1015;
constexpr UINT IDC_PREF_DATABASE = 1136;
constexpr UINT IDC_PREF_DATABASE_BROWSE = 1183;
constexpr UINT IDC_PREF_CGI_MODE = 1303;
constexpr UINT IDC_PREF_WINCGI_MODE = 1302;
constexpr UINT IDC_PREF_CGI_PATH = 1139;
constexpr UINT IDC_PREF_ALWAYS_PROMPT = 1165;
