#pragma once
// Ids of the loads window, the load-combinations window, the envelope form and
// the load input dialogs.
#include "platform/ui/WinUi.h"

// Dialogs and forms.
constexpr UINT IDD_ENVELOPE_VIEW = 145;
constexpr UINT IDD_CONCENTRATED_FORCE = 158;
constexpr UINT IDD_TEMPERATURE_LOAD = 159;
constexpr UINT IDD_LINEAR_LOAD = 175;
constexpr UINT IDD_DISPLACEMENT = 198;

// The pictures of the load dialogs (resource type "METAFILE").
constexpr UINT IDM_TEMPERATURE_LOAD = 221;
constexpr UINT IDM_LINEAR_WORLD_WORLD = 222;
constexpr UINT IDM_LINEAR_WORLD_LOCAL = 223;
constexpr UINT IDM_LINEAR_LOCAL_LOCAL = 225;
constexpr UINT IDM_LINEAR_LOCAL_WORLD = 226;

// The load-combinations window's toolbar and the images of the limit states.
constexpr UINT IDR_LOADCOMBINATIONS_TOOLBAR = 176;
constexpr UINT IDB_LIMIT_STATES = 177;

// Context menus of the loads window.
constexpr UINT IDR_NODE_LOAD_MENU = 256;
constexpr UINT IDR_ELEMENT_LOAD_MENU = 257;

// The loads window's commands.
constexpr UINT ID_ADD_LINEAR_FORCE_2PTS = 32797;
constexpr UINT ID_NODE_LOAD_SELECT = 32992;
constexpr UINT ID_NODE_LOAD_DELETE = 32993;
constexpr UINT ID_NODE_LOAD_PROPERTIES = 32994;
constexpr UINT ID_ELEMENT_LOAD_SELECT = 32995;
constexpr UINT ID_ELEMENT_LOAD_DELETE = 32996;
constexpr UINT ID_ELEMENT_LOAD_PROPERTIES = 32997;

// The load-combinations window's commands.
constexpr UINT ID_ADD_LOAD_CASE = 32888;
constexpr UINT ID_REMOVE_LOAD_CASE = 32889;
constexpr UINT ID_ADD_ACTION = 32890;
constexpr UINT ID_REMOVE_ACTION = 32934;
constexpr UINT ID_LOAD_CASE_PROPERTIES = 32917;

// The concentrated-force dialog.
constexpr UINT IDC_FORCE_FX = 1044;
constexpr UINT IDC_FORCE_NAME = 1045;
constexpr UINT IDC_FORCE_FZ = 1046;
constexpr UINT IDC_FORCE_WORLD = 1330;
constexpr UINT IDC_FORCE_LOCAL = 1331;
constexpr UINT IDC_FORCE_MY = 1332;
constexpr UINT IDC_FORCE_RELATIVE = 1350;
constexpr UINT IDC_FORCE_ABSOLUTE = 1351;
constexpr UINT IDC_FORCE_SPIN = 1605;

// The displacement dialog.
constexpr UINT IDC_DISPLACEMENT_UX = 1431;
constexpr UINT IDC_DISPLACEMENT_UZ = 1432;
constexpr UINT IDC_DISPLACEMENT_FIY = 1433;
constexpr UINT IDC_DISPLACEMENT_NAME = 1434;

// The linear-load dialog.
constexpr UINT IDC_LINEAR_START = 1044;
constexpr UINT IDC_LINEAR_END = 1045;
constexpr UINT IDC_LINEAR_START_ABS = 1046;
constexpr UINT IDC_LINEAR_END_ABS = 1047;
constexpr UINT IDC_LINEAR_POSITION_WORLD = 1333;
constexpr UINT IDC_LINEAR_POSITION_LOCAL = 1334;
constexpr UINT IDC_LINEAR_FX_START = 1341;
constexpr UINT IDC_LINEAR_FZ_START = 1342;
constexpr UINT IDC_LINEAR_MY_START = 1343;
constexpr UINT IDC_LINEAR_DIRECTION_WORLD = 1344;
constexpr UINT IDC_LINEAR_DIRECTION_LOCAL = 1345;
constexpr UINT IDC_LINEAR_PICTURE = 1346;
constexpr UINT IDC_LINEAR_FX_END = 1347;
constexpr UINT IDC_LINEAR_FZ_END = 1348;
constexpr UINT IDC_LINEAR_MY_END = 1349;
constexpr UINT IDC_LINEAR_NAME = 1579;
constexpr UINT IDC_LINEAR_UNIFORM = 1601;
constexpr UINT IDC_LINEAR_LINEAR = 1602;
constexpr UINT IDC_LINEAR_START_SPIN = 1603;
constexpr UINT IDC_LINEAR_END_SPIN = 1604;

// The temperature dialog.
constexpr UINT IDC_TEMPERATURE_NEG = 1333;
constexpr UINT IDC_TEMPERATURE_POS = 1334;
constexpr UINT IDC_TEMPERATURE_NAME = 1335;
constexpr UINT IDC_TEMPERATURE_PICTURE = 1336;

// The envelope form.
constexpr UINT IDC_ENV_LIST = 1008;
constexpr UINT IDC_ENV_ADD = 1009;
constexpr UINT IDC_ENV_DELETE = 1010;
constexpr UINT IDC_ENV_MY = 1011;
constexpr UINT IDC_ENV_UZ = 1012;
constexpr UINT IDC_ENV_FI = 1013;
constexpr UINT IDC_ENV_PRESSURE = 1014;
constexpr UINT IDC_ENV_ULTIMATE = 1015;
constexpr UINT IDC_ENV_SERVICEABILITY = 1016;
constexpr UINT IDC_ENV_CREEPING = 1017;
constexpr UINT IDC_ENV_SKEWNESS = 1018;
constexpr UINT IDC_ENV_AUTOMATIC = 1019;
constexpr UINT IDC_ENV_MANUAL = 1020;
constexpr UINT IDC_ENV_SELECTED = 1021;
constexpr UINT IDC_ENV_NOT_SELECTED = 1022;
constexpr UINT IDC_ENV_REMOVE = 1023;
constexpr UINT IDC_ENV_ADD_CASES = 1025;
constexpr UINT IDC_ENV_NAME = 1028;
constexpr UINT IDC_ENV_FX = 1029;
constexpr UINT IDC_ENV_FZ = 1030;
constexpr UINT IDC_ENV_UX = 1031;
constexpr UINT IDC_ENV_CASES_GROUP = 1600;

// The load-combinations grid's control id.
constexpr UINT IDC_LOADCOMBINATIONS_GRID = 100;

// The node load page of the floating property frame, its menu and commands.
constexpr UINT IDD_NODE_LOAD_PAGE = 149;
constexpr UINT IDR_NODE_LOAD_NEW = 149;
constexpr UINT ID_NEW_NODE_FORCE = 32800;
constexpr UINT ID_NEW_NODE_DISPLACEMENT = 32801;
constexpr UINT IDC_NL_NEW = 1063;
constexpr UINT IDC_NL_DELETE = 1066;
constexpr UINT IDC_NL_NAME = 1092;
constexpr UINT IDC_NL_TYPE = 1093;
constexpr UINT IDC_NL_LIST = 1097;
constexpr UINT IDC_NL_FX = 1103;
constexpr UINT IDC_NL_FZ = 1104;
constexpr UINT IDC_NL_MY = 1105;
constexpr UINT IDC_NL_UX = 1106;
constexpr UINT IDC_NL_UZ = 1107;
constexpr UINT IDC_NL_FIY = 1108;
constexpr UINT IDC_NL_HEADING = 1109;
constexpr UINT IDC_NL_LABEL1 = 1110;
constexpr UINT IDC_NL_LABEL2 = 1111;
constexpr UINT IDC_NL_LABEL3 = 1112;

// The element load page of the floating property frame, its menu and commands.
constexpr UINT IDD_ELEMENT_LOAD_PAGE = 150;
constexpr UINT IDR_ELEMENT_LOAD_NEW = 151;
constexpr UINT ID_NEW_ELEMENT_CONCENTRATED = 32809;
constexpr UINT ID_NEW_ELEMENT_LINEAR = 32811;
constexpr UINT ID_NEW_ELEMENT_TEMPERATURE = 32812;
constexpr UINT IDC_EL_NAME = 1201;
constexpr UINT IDC_EL_TYPE = 1203;
// The concentrated force: 1204 to 1217.
constexpr UINT IDC_EL_FORCE_FIRST = 1204;
constexpr UINT IDC_EL_FORCE_GROUP = 1204;
constexpr UINT IDC_EL_POINT_GROUP = 1205;
constexpr UINT IDC_EL_FX_LABEL = 1206;
constexpr UINT IDC_EL_FZ_LABEL = 1207;
constexpr UINT IDC_EL_MY_LABEL = 1208;
constexpr UINT IDC_EL_REL_LABEL = 1209;
constexpr UINT IDC_EL_ABS_LABEL = 1210;
constexpr UINT IDC_EL_FX = 1211;
constexpr UINT IDC_EL_FZ = 1212;
constexpr UINT IDC_EL_MY = 1213;
constexpr UINT IDC_EL_FORCE_WORLD = 1214;
constexpr UINT IDC_EL_FORCE_REL = 1215;
constexpr UINT IDC_EL_FORCE_ABS = 1216;
constexpr UINT IDC_EL_FORCE_SPIN = 1217;
constexpr UINT IDC_EL_FORCE_LAST = 1217;
// The temperature load: 1270 to 1275.
constexpr UINT IDC_EL_TEMP_FIRST = 1270;
constexpr UINT IDC_EL_TEMP_GROUP = 1270;
constexpr UINT IDC_EL_TEMP_TOP_LABEL = 1271;
constexpr UINT IDC_EL_TEMP_BOTTOM_LABEL = 1272;
constexpr UINT IDC_EL_TEMP_PICTURE = 1273;
constexpr UINT IDC_EL_TEMP_TOP = 1274;
constexpr UINT IDC_EL_TEMP_BOTTOM = 1275;
constexpr UINT IDC_EL_TEMP_LAST = 1275;
// The linear load: 1290 to 1317 and 1349.
constexpr UINT IDC_EL_LINEAR_FIRST = 1290;
constexpr UINT IDC_EL_LINEAR_GROUP = 1290;
constexpr UINT IDC_EL_LINEAR_START_HEAD = 1291;
constexpr UINT IDC_EL_LINEAR_END_HEAD = 1292;
constexpr UINT IDC_EL_LINEAR_FX_LABEL = 1293;
constexpr UINT IDC_EL_LINEAR_FZ_LABEL = 1294;
constexpr UINT IDC_EL_LINEAR_MY_LABEL = 1295;
constexpr UINT IDC_EL_APPLIES_GROUP = 1296;
constexpr UINT IDC_EL_START_LABEL = 1299;
constexpr UINT IDC_EL_END_LABEL = 1300;
constexpr UINT IDC_EL_REL_HEAD = 1301;
constexpr UINT IDC_EL_ABS_HEAD = 1302;
constexpr UINT IDC_EL_FX_START = 1303;
constexpr UINT IDC_EL_FZ_START = 1304;
constexpr UINT IDC_EL_MY_START = 1305;
constexpr UINT IDC_EL_FX_END = 1306;
constexpr UINT IDC_EL_FZ_END = 1307;
constexpr UINT IDC_EL_MY_END = 1308;
constexpr UINT IDC_EL_LINEAR_WORLD = 1309;
constexpr UINT IDC_EL_WHOLE = 1310;
constexpr UINT IDC_EL_PART = 1311;
constexpr UINT IDC_EL_START_REL = 1312;
constexpr UINT IDC_EL_START_ABS = 1313;
constexpr UINT IDC_EL_END_REL = 1314;
constexpr UINT IDC_EL_END_ABS = 1315;
constexpr UINT IDC_EL_START_SPIN = 1316;
constexpr UINT IDC_EL_END_SPIN = 1317;
constexpr UINT IDC_EL_LINEAR_LAST = 1317;
constexpr UINT IDC_EL_POSITION_WORLD = 1349;
constexpr UINT IDC_EL_LIST = 1551;
constexpr UINT IDC_EL_DELETE = 1552;
constexpr UINT IDC_EL_NEW = 1553;
