#pragma once
// Resource ids of the New Site wizard's pages and their controls.

#include "platform/core/Types.h"

// The pages, in the order they can appear (the numbers are the templates' own).
constexpr UINT IDD_SITEWIZ_P1 = 237;
constexpr UINT IDD_SITEWIZ_P2 = 239;
constexpr UINT IDD_SITEWIZ_P3 = 238;
constexpr UINT IDD_SITEWIZ_P4 = 240;
constexpr UINT IDD_SITEWIZ_P5 = 241;
constexpr UINT IDD_SITEWIZ_P6 = 242;
constexpr UINT IDD_SITEWIZ_P7 = 243;
constexpr UINT IDD_SITEWIZ_P8 = 244;

// Every page: the wizard's picture and the help text beside the fields.
constexpr UINT IDC_SWIZ_PICTURE = 1194;
// P1: site name and webmaster.
constexpr UINT IDC_SWIZ_NAME = 1034;
constexpr UINT IDC_SWIZ_WEBMASTER = 1130;
// P2: development root with its folder button, the site's directory.
constexpr UINT IDC_SWIZ_DEVROOT = 1013;
constexpr UINT IDC_SWIZ_DEVROOT_BROWSE = 1185;
constexpr UINT IDC_SWIZ_DIRECTORY = 1134;
// P3: the client databases and their file buttons.
constexpr UINT IDC_SWIZ_CLIENTSDB = 1135;
constexpr UINT IDC_SWIZ_CLIENTSDB_BROWSE = 1183;
constexpr UINT IDC_SWIZ_CLIENTSPRODDB = 1137;
constexpr UINT IDC_SWIZ_CLIENTSPRODDB_BROWSE = 1187;
// P4: domain name and the way to production.
constexpr UINT IDC_SWIZ_DOMAIN = 1133;
constexpr UINT IDC_SWIZ_LOCAL = 1235;
constexpr UINT IDC_SWIZ_REMOTE = 1236;
// P5: the local production root and database.
constexpr UINT IDC_SWIZ_PRODPATH = 1131;
constexpr UINT IDC_SWIZ_PRODPATH_BROWSE = 1233;
constexpr UINT IDC_SWIZ_PRODDB = 1231;
constexpr UINT IDC_SWIZ_PRODDB_BROWSE = 1229;
// P6: the FTP site.
constexpr UINT IDC_SWIZ_FTPADDRESS = 1019;
constexpr UINT IDC_SWIZ_FTPROOT = 1230;
constexpr UINT IDC_SWIZ_FTPUSER = 1145;
constexpr UINT IDC_SWIZ_FTPPASSWORD = 1146;
// P7: the default style's colour wells.
constexpr UINT IDC_SWIZ_BACKCOLOR = 1005;
constexpr UINT IDC_SWIZ_TEXTCOLOR = 1006;
constexpr UINT IDC_SWIZ_LINKCOLOR = 1007;
constexpr UINT IDC_SWIZ_ALINKCOLOR = 1009;
constexpr UINT IDC_SWIZ_VLINKCOLOR = 1011;
// P8: the main section (its name shares the site name's id).
constexpr UINT IDC_SWIZ_SECTIONNAME = 1034;
constexpr UINT IDC_SWIZ_SECTIONTITLE = 1148;
constexpr UINT IDC_SWIZ_RELPATH = 1170;
constexpr UINT IDC_SWIZ_SECTIONDIR = 1134;
