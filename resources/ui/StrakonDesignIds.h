#pragma once
// The design dialogs' templates, controls and pictures.
#include "platform/core/WinTypes.h"

// Dialog templates.
constexpr UINT IDD_BAR_DIALOG = 262;
constexpr UINT IDD_STIRRUP_DIALOG = 263;
constexpr UINT IDD_SELECT_RC_MATERIALS = 264;
constexpr UINT IDD_SAFETY_FACTORS_EC2 = 265;
constexpr UINT IDD_SAFETY_FACTORS_EC3 = 287;
constexpr UINT IDD_SUPPORT_WIDTHS = 288;
constexpr UINT IDD_STEEL_DESIGN_DATA = 282;
constexpr UINT IDD_STEEL_DESIGN_SUPPORTS = 286;

// Pictures ("METAFILE") and icons.
constexpr UINT IDM_BARS_BOTTOM = 270;
constexpr UINT IDM_BARS_TOP = 271;
constexpr UINT IDM_STIRRUPS = 272;
constexpr UINT IDI_MATERIAL_BUTTON = 281;
constexpr UINT IDI_LOAD_ABOVE = 283;
constexpr UINT IDI_LOAD_BELOW = 284;
constexpr UINT IDI_LOAD_CENTRE = 285;
// The design views' tabs.
constexpr UINT IDI_SERVICEABILITY_TAB = 266;
constexpr UINT IDI_ULTIMATE_TAB = 267;

// The reinforcement tables (bars and stirrups).
constexpr int IDC_RC_TABLE = 1001;
constexpr int IDC_RC_NEW_BAR = 1002;
constexpr int IDC_RC_DELETE = 1004;
constexpr int IDC_RC_PICTURE = 1006;
constexpr int IDC_RC_CHART = 1007;
constexpr int IDC_BAR_TABS = 1008;
constexpr int IDC_BAR_COVER = 1009;
constexpr int IDC_NO_STIRRUPS = 1675;

// Element materials.
constexpr int IDC_CONCRETE_LIST = 1010;
constexpr int IDC_RC_STEEL_LIST = 1011;
constexpr int IDC_EDIT_MATERIALS = 1012;

// Steel design data.
constexpr int IDC_SUPPORT_YY = 1677;
constexpr int IDC_SUPPORT_ZZ = 1678;
constexpr int IDC_SUPPORT_LT = 1679;
constexpr int IDC_LOAD_NEGATIVE = 1680;
constexpr int IDC_LOAD_INDIFFERENT = 1681;
constexpr int IDC_LOAD_POSITIVE = 1682;
constexpr int IDC_STIFFENER_DISTANCE = 1683;
constexpr int IDC_NO_STIFFENERS = 1684;
constexpr int IDC_STIFFENERS = 1685;
constexpr int IDC_CHART_YY = 1716;
constexpr int IDC_CHART_ZZ = 1717;
constexpr int IDC_CHART_LT = 1718;

// The safety factors: EC2 (concrete and steel per design situation) and EC3.
constexpr int IDC_EC2_CONCRETE_PERMANENT = 1672;
constexpr int IDC_EC2_STEEL_PERMANENT = 1673;
constexpr int IDC_EC2_CONCRETE_ACCIDENTAL = 1674;
constexpr int IDC_EC2_STEEL_ACCIDENTAL = 1675;
constexpr int IDC_EC2_CONCRETE_SEISMIC = 1676;
constexpr int IDC_EC2_STEEL_SEISMIC = 1677;
constexpr int IDC_EC2_CONCRETE_SERVICEABILITY = 1678;
constexpr int IDC_EC2_STEEL_SERVICEABILITY = 1679;
constexpr int IDC_EC3_GAMMA_M0 = 1719;
constexpr int IDC_EC3_GAMMA_M1 = 1720;
constexpr int IDC_EC3_GAMMA_M2 = 1721;
constexpr int IDC_EC3_PSI_VEC = 1722;

// The support widths.
constexpr int IDC_SUPPORT_WIDTH_LEFT = 1723;
constexpr int IDC_SUPPORT_WIDTH_RIGHT = 1724;
constexpr int IDC_SUPPORT_WIDTH_OFF = 1729;
constexpr int IDC_SUPPORT_WIDTH_ON = 1730;

// Supports and buckling lengths.
constexpr int IDC_SUPPORT_COUNT = 1691;
constexpr int IDC_FULLY_SUPPORTED = 1693;
constexpr int IDC_SUPPORTS_GIVEN = 1694;
constexpr int IDC_SUPPORT_SPIN = 1695;
constexpr int IDC_SUPPORT_POSITION = 1697; // ten: 1697 to 1706
constexpr int IDC_SUPPORT_K = 1707;        // nine: 1707 to 1715
constexpr int IDC_SUPPORT_CHART = 1007;

// The design dialogs' templates and pictures; part of RegisterStrakonResources.
void RegisterStrakonDesignResources();
