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
