#pragma once
// The design dialogs' templates, controls and pictures.
#include "platform/core/WinTypes.h"

// Dialog templates.
constexpr UINT IDD_BAR_DIALOG = 262;
constexpr UINT IDD_STIRRUP_DIALOG = 263;
constexpr UINT IDD_SELECT_RC_MATERIALS = 264;
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
