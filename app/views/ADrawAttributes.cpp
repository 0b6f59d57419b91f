#include "app/views/ADrawAttributes.h"

#include "app/shell/ARegistry.h"
#include "common/omMath.h"
#include "controls/AMapC2L.h"
#include "platform/gdi/GdiMath.h"
#include "platform/gdi/GuiGetMMFactor.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kKey = "Software\\Orvex\\Strakon\\Options\\Attr";

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

enum Style { normal = 0, selectedStyle = 1, monochrome = 2, greyed = 3 };

// The style's choice among the four colours of an operation.
COLORREF byStyle(int mode, bool selected, COLORREF normalColor, COLORREF selectedColor,
                 COLORREF monochromeColor, COLORREF greyedColor) {
    switch (ADrawAttributes::GetStyle(mode, selected)) {
    case selectedStyle:
        return selectedColor;
    case monochrome:
        return monochromeColor;
    case greyed:
        return greyedColor;
    default:
        return normalColor;
    }
}

const ADrawAttributes& attr() {
    return *ADrawAttributes::Instance();
}

// The registered colours in the store's order, each with its default.
struct ColorValue {
    const char* name;
    COLORREF ADrawAttributes::*field;
    COLORREF defaultColor;
};
constexpr ColorValue kColors[] = {
    {"Selection color", &ADrawAttributes::m_selectionColor, RGB(0, 0, 255)},
    {"Node line color", &ADrawAttributes::m_nodeLineColor, kBlack},
    {"Node label text color", &ADrawAttributes::m_nodeLabelTextColor, kBlack},
    {"Node label area color", &ADrawAttributes::m_nodeLabelAreaColor, RGB(255, 251, 240)},
    {"Elem line color", &ADrawAttributes::m_elemLineColor, RGB(0, 128, 0)},
    {"Elem label text color", &ADrawAttributes::m_elemLabelTextColor, kBlack},
    {"Elem label area color", &ADrawAttributes::m_elemLabelAreaColor, RGB(166, 202, 240)},
    {"Elem quentra line color", &ADrawAttributes::m_elemQuentraLineColor, kBlack},
    {"Load line color", &ADrawAttributes::m_loadLineColor, kBlack},
    {"Load label area color", &ADrawAttributes::m_loadLabelAreaColor, RGB(255, 251, 240)},
    {"Load uniform area color", &ADrawAttributes::m_loadUniformAreaColor, RGB(255, 255, 0)},
    {"Load temperature area color", &ADrawAttributes::m_loadTemperatureAreaColor, RGB(255, 0, 0)},
};

struct SwitchValue {
    const char* name;
    bool ADrawAttributes::*field;
};
constexpr SwitchValue kSwitches[] = {
    {"Show element as rectangle", &ADrawAttributes::m_showElementAsRect},
    {"Show results labels", &ADrawAttributes::m_showResultsLabels},
    {"Show node index", &ADrawAttributes::m_showNodeIndex},
    {"Show element index", &ADrawAttributes::m_showElementIndex},
    {"Show design ultimate", &ADrawAttributes::m_showDesignUltimate},
};

} // namespace

ADrawAttributes::ADrawAttributes() {
    for (const ColorValue& c : kColors)
        this->*c.field = c.defaultColor;
    Load();
}

ADrawAttributes::~ADrawAttributes() {
    Save();
}

void ADrawAttributes::Load() {
    ARegistry reg;
    if (!reg.OpenOrCreate(kKey)) return;
    m_fontName = reg.GetString("Font", "ARIAL");
    for (const ColorValue& c : kColors)
        this->*c.field = reg.GetDword(c.name, c.defaultColor);
    for (const SwitchValue& s : kSwitches)
        this->*s.field = reg.GetBool(s.name, true);
}

void ADrawAttributes::Save() {
    ARegistry reg;
    if (!reg.OpenOrCreate(kKey)) return;
    reg.SetString("Font", m_fontName);
    for (const ColorValue& c : kColors)
        reg.SetDword(c.name, this->*c.field);
    for (const SwitchValue& s : kSwitches)
        reg.SetBool(s.name, this->*s.field);
}

int ADrawAttributes::GetTextHeight(const AMapC2L& map) const {
    return gdi::toDeviceLength(std::trunc(1.3 * m_nodeSize * map.GetFactor()));
}

void ADrawAttributes::IncreaseNodeSize() {
    if (m_nodeSize * 1.2 > kMaxNodeSize || m_diagramFactor * 5.0 / 6.0 < kMinDiagramFactor) return;
    m_nodeSize *= 1.2;
    m_diagramFactor *= 5.0 / 6.0;
}

void ADrawAttributes::DecreaseNodeSize() {
    if (m_nodeSize * 5.0 / 6.0 < kMinNodeSize || m_diagramFactor * 1.2 > kMaxDiagramFactor) return;
    m_nodeSize *= 5.0 / 6.0;
    m_diagramFactor *= 1.2;
}

namespace {
double clampOr(double v, double low, double high, double fallback) {
    return std::isnan(v) ? fallback : std::clamp(v, low, high);
}
} // namespace

void ADrawAttributes::ClampSizes() {
    constexpr double defaultWidths[kPenWidthCount] = {0.0, 0.18, 0.25, 0.35, 0.5};
    for (int i = 0; i < kPenWidthCount; ++i)
        m_penWidth[i] = clampOr(m_penWidth[i], 0.0, kMaxPenWidth, defaultWidths[i]);
    m_nodeSize = clampOr(m_nodeSize, kMinNodeSize, kMaxNodeSize, 0.3);
    m_diagramFactor = clampOr(m_diagramFactor, kMinDiagramFactor, kMaxDiagramFactor, 12.0);
}

int ADrawAttributes::GetPenWidth(const CDC& dc, int index) const {
    if (index < 0 || index >= kPenWidthCount) return 0;
    const int pts10 = gdi::toDeviceLength(std::trunc(m_penWidth[index] * 28.346456692913385));
    return GuiPTS10toMM(GuiGetMMFactor(dc), pts10);
}

int ADrawAttributes::GetStyle(int drawMode, bool selected) {
    switch (drawMode) {
    case 0:
        return selected ? selectedStyle : normal;
    case 2:
        return greyed;
    case 3:
        return monochrome;
    default:
        return normal;
    }
}

// --- Members --------------------------------------------------------------------

int AElementAttributes::GetPenWidth(const CDC& dc) const {
    return attr().GetPenWidth(dc, 0);
}

COLORREF AElementAttributes::GetLineColor(int mode, bool selected, bool plainLinear) const {
    const ADrawAttributes& a = attr();
    return byStyle(mode, selected, plainLinear ? a.m_elemLineColor : a.m_elemQuentraLineColor,
                   a.m_selectionColor, kBlack, kGrey);
}

COLORREF AElementAttributes::GetOutlineColor(int mode, bool selected, bool plainLinear) const {
    return GetLineColor(mode, selected, plainLinear);
}

COLORREF AElementAttributes::GetFillColor(int mode, bool selected) const {
    return byStyle(mode, selected, kWhite, attr().m_selectionColor, kWhite, kLightGrey);
}

COLORREF AElementAttributes::GetLabelTextColor(int mode, bool selected) const {
    const COLORREF c = attr().m_elemLabelTextColor;
    return byStyle(mode, selected, c, c, kBlack, kGrey);
}

COLORREF AElementAttributes::GetLabelAreaColor(int mode, bool selected) const {
    const COLORREF c = attr().m_elemLabelAreaColor;
    return byStyle(mode, selected, c, c, kWhite, kWhite);
}

int AElementAttributes::GetReleasePenWidth(const CDC& dc, int mode, bool selected) const {
    return attr().GetPenWidth(dc, ADrawAttributes::GetStyle(mode, selected) == selectedStyle ? 3 : 2);
}

COLORREF AElementAttributes::GetResultLabelColor(int mode, bool selected) const {
    return byStyle(mode, selected, RGB(0, 0, 128), RGB(0, 0, 128), kBlack, kBlack);
}

COLORREF AElementAttributes::GetResultLabelBackColor(int, bool) const {
    return kWhite;
}

// --- Nodes ----------------------------------------------------------------------

int ANodeAttributes::GetPenWidth(const CDC& dc) const {
    return attr().GetPenWidth(dc, 1);
}

COLORREF ANodeAttributes::GetLineColor(int mode, bool selected) const {
    return byStyle(mode, selected, attr().m_nodeLineColor, attr().m_selectionColor, kBlack, kGrey);
}

COLORREF ANodeAttributes::GetFillColor(int mode, bool selected) const {
    return byStyle(mode, selected, attr().m_nodeLabelAreaColor, attr().m_selectionColor, kLightGrey,
                   kLightGrey);
}

COLORREF ANodeAttributes::GetLabelTextColor(int mode, bool selected) const {
    const COLORREF c = attr().m_nodeLabelTextColor;
    return byStyle(mode, selected, c, c, kBlack, kGrey);
}

COLORREF ANodeAttributes::GetLabelAreaColor(int mode, bool selected) const {
    const COLORREF c = attr().m_nodeLabelAreaColor;
    return byStyle(mode, selected, c, c, kWhite, kWhite);
}

COLORREF ANodeAttributes::GetResultLabelColor(int mode, bool selected, bool highlighted) const {
    const COLORREF c = highlighted ? RGB(255, 0, 0) : kBlack;
    return byStyle(mode, selected, c, c, kBlack, kBlack);
}

COLORREF ANodeAttributes::GetResultLabelBackColor(int, bool, bool) const {
    return kWhite;
}

// --- Loads ----------------------------------------------------------------------

int ALoadAttributes::GetPenWidth(const CDC& dc, int mode, bool selected) const {
    return attr().GetPenWidth(dc, ADrawAttributes::GetStyle(mode, selected) == selectedStyle ? 3 : 2);
}

COLORREF ALoadAttributes::GetTemperatureFillColor(int mode, bool selected) const {
    const COLORREF c = attr().m_loadTemperatureAreaColor;
    return byStyle(mode, selected, c, c, kWhite, kWhite);
}

COLORREF ALoadAttributes::GetUniformFillColor(int mode, bool selected) const {
    const COLORREF c = attr().m_loadUniformAreaColor;
    return byStyle(mode, selected, c, c, kWhite, kWhite);
}

COLORREF ALoadAttributes::GetLineColor(int mode, bool selected) const {
    return byStyle(mode, selected, attr().m_loadLineColor, attr().m_selectionColor, kBlack, kGrey);
}

COLORREF ALoadAttributes::GetForceColor(int mode, bool selected) const {
    return GetLineColor(mode, selected);
}

COLORREF ALoadAttributes::GetLabelAreaColor(int mode, bool selected) const {
    const COLORREF c = attr().m_loadLabelAreaColor;
    return byStyle(mode, selected, c, c, kWhite, kWhite);
}
