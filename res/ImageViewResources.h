#pragma once
// The numbers of the attribute forms of images, photos, styles and embedded objects: their
// dialog templates and controls. The shared controls (identifier 1042, title 1034, site 1027,
// section 1028) are the form base's.

#include "platform/core/Types.h"

constexpr UINT IDD_IMAGE_ATTRIBUTES = 134;
constexpr UINT IDD_STYLE_SHEET = 140;
constexpr UINT IDD_PHOTO_FORM = 144;
constexpr UINT IDD_PHOTO_DATA = 152;
constexpr UINT IDD_PHOTO_ATTRIBUTES = 155;
constexpr UINT IDD_ACTIVEX_VIEW = 191;
constexpr UINT IDD_MULTIMEDIA_VIEW = 193;
constexpr UINT IDD_JAVA_VIEW = 194;

constexpr UINT IDC_ATTR_IDENTIFIER = 1042;
constexpr UINT IDC_ATTR_TITLE = 1034;
constexpr UINT IDC_ATTR_SITE = 1027;
constexpr UINT IDC_ATTR_SECTION = 1028;

constexpr UINT IDC_ATTR_BORDER = 1024;
constexpr UINT IDC_ATTR_BORDER_SPIN = 1081;
constexpr UINT IDC_ATTR_ALTERNATE_TEXT = 1047;
constexpr UINT IDC_ATTR_FILE_NAME = 1105;
constexpr UINT IDC_ATTR_BROWSE_FILE = 1191;
constexpr UINT IDC_ATTR_MAP_FILE = 1054;
constexpr UINT IDC_ATTR_BROWSE_MAP = 1193;
constexpr UINT IDC_ATTR_SIZE = 1129;
constexpr UINT IDC_ATTR_VSPACE = 1062;
constexpr UINT IDC_ATTR_VSPACE_SPIN = 1160;
constexpr UINT IDC_ATTR_HSPACE = 1088;
constexpr UINT IDC_ATTR_HSPACE_SPIN = 1092;
constexpr UINT IDC_ATTR_DIRECTORY = 1134;
constexpr UINT IDC_ATTR_RELATIVE_PATH = 1170;
constexpr UINT IDC_ATTR_HEIGHT = 1056;
constexpr UINT IDC_ATTR_HEIGHT_SPIN = 1079;
constexpr UINT IDC_ATTR_WIDTH = 1084;
constexpr UINT IDC_ATTR_WIDTH_SPIN = 1080;

// The photo's "Data" and "Service" tabs.
constexpr UINT IDC_PHOTO_CAPTION = 1157;
constexpr UINT IDC_PHOTO_KEYWORDS = 1035;
constexpr UINT IDC_PHOTO_BUREAU = 1152;
constexpr UINT IDC_PHOTO_COPYRIGHT = 1155;
constexpr UINT IDC_PHOTO_LOCATION = 1059;
constexpr UINT IDC_PHOTO_OVERLINE = 1156;
constexpr UINT IDC_PHOTO_PHOTOGRAPHER = 1154;
constexpr UINT IDC_PHOTO_CREDITS = 1068;
constexpr UINT IDC_PHOTO_DATE_TAKEN = 1158;
constexpr UINT IDC_PHOTO_DATE_TRANSMITTED = 1159;

// The style's background image and its five colour wells.
constexpr UINT IDC_STYLE_IMAGE = 1161;
constexpr UINT IDC_STYLE_BACK_COLOR = 1005;
constexpr UINT IDC_STYLE_TEXT_COLOR = 1006;
constexpr UINT IDC_STYLE_LINK_COLOR = 1007;
constexpr UINT IDC_STYLE_ACTIVE_LINK_COLOR = 1009;
constexpr UINT IDC_STYLE_USED_LINK_COLOR = 1011;

// The embedded objects.
constexpr UINT IDC_ACTIVEX_CLASS_ID = 1069;
constexpr UINT IDC_ACTIVEX_NAME = 1073;
constexpr UINT IDC_ACTIVEX_DATA = 1075;
constexpr UINT IDC_ACTIVEX_DATA_TYPE = 1078;
constexpr UINT IDC_ACTIVEX_NO_TAB = 1215;
constexpr UINT IDC_ACTIVEX_SHAPES = 1216;
constexpr UINT IDC_JAVA_CODE = 1220;
constexpr UINT IDC_MEDIA_FILE_NAME = 1218;
