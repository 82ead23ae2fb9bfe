#pragma once
// The templates and control ids of the attribute forms of ad spaces, ads, advertisers,
// scheduled events, queries and e-mail messages.

#include "platform/core/Types.h"

// The controls every attribute form shares: the object's key, its title and its site.
constexpr UINT IDC_FORM_IDENTIFIER = 1042;
constexpr UINT IDC_FORM_TITLE = 1034;
constexpr UINT IDC_FORM_SITE = 1027;

// The ad space form: ten rows of an ad, its percent and the percent's arrows, and the total.
constexpr UINT IDD_ADSPACE_VIEW = 235;
constexpr UINT IDC_ADSPACE_TOTAL = 1373;
constexpr UINT IDC_ADSPACE_AD[10] = {1333, 1334, 1336, 1337, 1338, 1339, 1340, 1341, 1342, 1343};
constexpr UINT IDC_ADSPACE_PERCENT[10] = {1024, 1026, 1344, 1030, 1033,
                                          1036, 1038, 1040, 1045, 1049};
constexpr UINT IDC_ADSPACE_SPIN[10] = {1081, 1083, 1085, 1087, 1089, 1091, 1093, 1095, 1097, 1099};

// The ad form.
constexpr UINT IDD_AD_VIEW = 232;
constexpr UINT IDC_AD_ADVERTISER = 1332;
constexpr UINT IDC_AD_IMAGE = 1161;
constexpr UINT IDC_AD_URL = 1335;
constexpr UINT IDC_AD_START = 1330;
constexpr UINT IDC_AD_END = 1322;

// The advertiser form (its title edit holds the business name).
constexpr UINT IDD_ADVERTISER_VIEW = 231;
constexpr UINT IDC_ADVERTISER_FIRST = 1330;
constexpr UINT IDC_ADVERTISER_LAST = 1322;
constexpr UINT IDC_ADVERTISER_EMAIL = 1329;
constexpr UINT IDC_ADVERTISER_PHONE = 1328;

// The scheduled event's schedule form.
constexpr UINT IDD_EVENT_PROP_VIEW = 196;
constexpr UINT IDC_EVENT_ONCE = 1247;
constexpr UINT IDC_EVENT_DAILY = 1248;
constexpr UINT IDC_EVENT_WEEKLY = 1249;
constexpr UINT IDC_EVENT_MONTHLY = 1250;
constexpr UINT IDC_EVENT_INTERVAL = 1260;
constexpr UINT IDC_EVENT_MODE_GROUP = 1273;
constexpr UINT IDC_EVENT_AT_LABEL = 1331;
constexpr UINT IDC_EVENT_AT = 1261;
constexpr UINT IDC_EVENT_ON_LABEL = 1304;
constexpr UINT IDC_EVENT_ON = 1252;
// Sunday to Saturday.
constexpr UINT IDC_EVENT_DAYS[7] = {1290, 1284, 1285, 1286, 1287, 1288, 1289};
constexpr UINT IDC_EVENT_BY_DAY = 1291;
constexpr UINT IDC_EVENT_BY_ORDINAL = 1292;
constexpr UINT IDC_EVENT_DAY_NUMBER = 1267;
constexpr UINT IDC_EVENT_DAY_SPIN = 1270;
constexpr UINT IDC_EVENT_ORDINAL = 1293;
constexpr UINT IDC_EVENT_WEEKDAY = 1272;
constexpr UINT IDC_EVENT_COUNT = 1263;
constexpr UINT IDC_EVENT_COUNT_SPIN = 1264;
constexpr UINT IDC_EVENT_UNIT = 1262;
constexpr UINT IDC_EVENT_WINDOW_START_LABEL = 1278;
constexpr UINT IDC_EVENT_WINDOW_START = 1265;
constexpr UINT IDC_EVENT_WINDOW_END_LABEL = 1279;
constexpr UINT IDC_EVENT_WINDOW_END = 1268;
constexpr UINT IDC_EVENT_DURATION = 1281;
constexpr UINT IDC_EVENT_START_LABEL = 1282;
constexpr UINT IDC_EVENT_START = 1251;
constexpr UINT IDC_EVENT_HAS_END = 1253;
constexpr UINT IDC_EVENT_NO_END = 1254;
constexpr UINT IDC_EVENT_END = 1255;
constexpr UINT IDC_EVENT_CLEAR = 1305;
constexpr UINT IDC_EVENT_LAST_EXECUTED = 1306;

// The query form.
constexpr UINT IDD_QUERY_FORM = 145;
constexpr UINT IDC_QUERY_DATABASE = 1136;
constexpr UINT IDC_QUERY_DATABASE_BROWSE = 1183;
constexpr UINT IDC_QUERY_PRODUCTION = 1143;
constexpr UINT IDC_QUERY_PRODUCTION_BROWSE = 1190;
constexpr UINT IDC_QUERY_IS_QUERY = 1184;
constexpr UINT IDC_QUERY_IS_TABLE = 1186;
constexpr UINT IDC_QUERY_NAME = 1140;
constexpr UINT IDC_QUERY_NAME_BROWSE = 1181;
constexpr UINT IDC_QUERY_DSN = 1138;
constexpr UINT IDC_QUERY_SQL = 1141;

// The e-mail message's header form.
constexpr UINT IDD_MESSAGE_FORM = 124;
constexpr UINT IDC_MESSAGE_SUBJECT = 1077;
constexpr UINT IDC_MESSAGE_TO = 1058;
constexpr UINT IDC_MESSAGE_CC = 1066;
constexpr UINT IDC_MESSAGE_REPLY_TO = 1072;
constexpr UINT IDC_MESSAGE_FROM = 1051;
