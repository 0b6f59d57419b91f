#pragma once
// Ids of the material and cross-section editors: their dialogs, pages,
// controls and the pictures of the section shapes.
#include "platform/core/WinTypes.h"

// Dialogs and pages.
constexpr UINT IDD_GENERIC_MATERIAL = 140;
constexpr UINT IDD_STEEL_MATERIAL = 141;
constexpr UINT IDD_MATERIAL_EDITOR = 142;
constexpr UINT IDD_CROSS_SECTION_EDITOR = 143;
constexpr UINT IDD_CS_RECTANGLE = 144;
constexpr UINT IDD_CS_CIRCLE = 146;
constexpr UINT IDD_CS_DSI = 147;
constexpr UINT IDD_CS_T = 148;
constexpr UINT IDD_CS_GENERAL = 174;
constexpr UINT IDD_CONCRETE_MATERIAL = 212;
constexpr UINT IDD_CS_TUBE = 258;
constexpr UINT IDD_CS_BOX = 261;
constexpr UINT IDD_RCSTEEL_MATERIAL = 266;

// Pictures of the shapes (type "METAFILE").
constexpr UINT IDM_CS_DSI = 215;
constexpr UINT IDM_CS_RECTANGLE = 216;
constexpr UINT IDM_CS_CIRCLE = 217;
constexpr UINT IDM_CS_T = 218;
constexpr UINT IDM_CS_DSI_STANDARD = 219;
constexpr UINT IDM_CS_TUBE = 260;
constexpr UINT IDM_CS_BOX = 262;

// The material editor.
constexpr int IDC_MATERIAL_LIST = 1061;
constexpr int IDC_MATERIAL_NAME = 1559;
constexpr int IDC_MATERIAL_ID = 1558;
constexpr int IDC_MATERIAL_CHANGE_ID = 1065;
constexpr int IDC_MATERIAL_COLOR = 1557;
constexpr int IDC_MATERIAL_EDIT = 1062;
constexpr int IDC_MATERIAL_NEW = 1555;
constexpr int IDC_MATERIAL_DELETE = 1556;
constexpr int IDC_MATERIAL_MAKE_DEFAULT = 1067;
constexpr int IDC_MATERIAL_DEFAULT = 1068;

// The cross-section editor.
constexpr int IDC_CS_LIST = 1076;
constexpr int IDC_CS_NAME = 1519;
constexpr int IDC_CS_ID = 1518;
constexpr int IDC_CS_CHANGE_ID = 1517;
constexpr int IDC_CS_COLOR = 1516;
constexpr int IDC_CS_EDIT = 1512;
constexpr int IDC_CS_NEW = 1513;
constexpr int IDC_CS_DELETE = 1514;
constexpr int IDC_CS_MAKE_DEFAULT = 1515;
constexpr int IDC_CS_DEFAULT = 1069;

// Every page: name and colour.
constexpr int IDC_PAGE_NAME = 1003;
constexpr int IDC_PAGE_COLOR = 1064;

// The generic material page.
constexpr int IDC_GM_E = 1046;
constexpr int IDC_GM_G = 1047;
constexpr int IDC_GM_POISSON = 1048;
constexpr int IDC_GM_DENSITY = 1051;
constexpr int IDC_GM_EXPANSION = 1054;

// The concrete page.
constexpr int IDC_CONCRETE_CODE = 1060;
constexpr int IDC_CONCRETE_GRADE = 1492;
constexpr int IDC_CONCRETE_E = 1484;
constexpr int IDC_CONCRETE_EXPANSION = 1485;
constexpr int IDC_CONCRETE_G = 1486;
constexpr int IDC_CONCRETE_POISSON = 1487;
constexpr int IDC_CONCRETE_DENSITY = 1488;
constexpr int IDC_CONCRETE_FCK = 1489;
constexpr int IDC_CONCRETE_FCTM = 1490;

// The reinforcement-steel page.
constexpr int IDC_RCSTEEL_CLASS_A = 1673;
constexpr int IDC_RCSTEEL_CLASS_B = 1674;
constexpr int IDC_RCSTEEL_CLASS_C = 1675;
constexpr int IDC_RCSTEEL_FY = 1057;
constexpr int IDC_RCSTEEL_E = 1055;
constexpr int IDC_RCSTEEL_DENSITY = 1045;
constexpr int IDC_RCSTEEL_EXPANSION = 1053;

// The steel page.
constexpr int IDC_STEEL_CODE = 1492;
constexpr int IDC_STEEL_GRADE = 1061;
constexpr int IDC_STEEL_POISSON = 1058;
constexpr int IDC_STEEL_E = 1055;
constexpr int IDC_STEEL_G = 1056;
constexpr int IDC_STEEL_FU = 1049;
constexpr int IDC_STEEL_FY = 1057;
constexpr int IDC_STEEL_DENSITY = 1045;
constexpr int IDC_STEEL_EXPANSION = 1053;

// The section values of every shape page.
constexpr int IDC_CS_VALUE_A = 1042;
constexpr int IDC_CS_VALUE_IY = 1043;
constexpr int IDC_CS_VALUE_WY = 1044;
constexpr int IDC_CS_VALUE_IZ = 1076;
constexpr int IDC_CS_VALUE_WZ = 1077;
constexpr int IDC_CS_VALUE_IY_RADIUS = 1078;

// The shapes' pictures and dimensions.
constexpr int IDC_PICTURE_1495 = 1495;
constexpr int IDC_PICTURE_1496 = 1496;
constexpr int IDC_PICTURE_1497 = 1497;
constexpr int IDC_PICTURE_1498 = 1498;
constexpr int IDC_RECT_DEPTH = 1536;
constexpr int IDC_RECT_BREADTH = 1537;
constexpr int IDC_CIRCLE_DIAMETER = 1520;
constexpr int IDC_TUBE_D = 1662;
constexpr int IDC_TUBE_T = 1664;
constexpr int IDC_BOX_H = 1665; // to 1670: h, b, t, d, c, w
constexpr int IDC_T_DEPTH = 1171; // to 1174: depth, breadth, web, flange

// The I page.
constexpr int IDC_DSI_GROUP = 1082;
constexpr int IDC_DSI_SECTION = 1083;
constexpr int IDC_DSI_SECTION_LABEL = 1084;
constexpr int IDC_DSI_GROUP_LABEL = 1090;
constexpr int IDC_DSI_STANDARD = 1499;
constexpr int IDC_DSI_SWAP = 1610;
constexpr int IDC_DSI_H = 1500;
constexpr int IDC_DSI_B = 1501;
constexpr int IDC_DSI_T = 1502;
constexpr int IDC_DSI_D = 1503;
constexpr int IDC_DSI_W = 1175;
constexpr int IDC_DSI_H_LABEL = 1085; // to 1089

// The general section page.
constexpr int IDC_GCS_A = 1529;
constexpr int IDC_GCS_VY = 1046;
constexpr int IDC_GCS_VZ = 1047;
constexpr int IDC_GCS_IX = 1051;
constexpr int IDC_GCS_IY = 1530;
constexpr int IDC_GCS_IZ = 1533;
constexpr int IDC_GCS_IYZ = 1054;
constexpr int IDC_GCS_SY = 1056;
constexpr int IDC_GCS_SZ = 1055;
constexpr int IDC_GCS_WY = 1531;
constexpr int IDC_GCS_WZ = 1532;
constexpr int IDC_GCS_ZY = 1058;
constexpr int IDC_GCS_ZZ = 1059;
constexpr int IDC_GCS_HEIGHT = 1534;
constexpr int IDC_GCS_BREADTH = 1535;
constexpr int IDC_GCS_TOPZ = 1049;

// Registers the editors' dialog templates and shape pictures.
void RegisterStrakonEditorResources();
