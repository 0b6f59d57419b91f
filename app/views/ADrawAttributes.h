#pragma once
// How a structure is drawn: the font, the colours of nodes, members and loads,
// the pen widths, the node symbol size, the size of result diagrams and the
// display switches. One object for the whole program, made on first use and
// kept under "Software\Orvex\Strakon\Options\Attr" (the sizes and the fill
// switches live only in structure files). AElementAttributes, ANodeAttributes
// and ALoadAttributes turn a draw mode and a selected flag into the colour or
// pen width that members, nodes and loads are drawn with.
//
// Draw modes: 0 normal with the selection shown, 1 normal without selection,
// 2 greyed, 3 monochrome. Styles: 0 normal, 1 selected, 2 monochrome, 3 greyed.
#include "app/shell/ASingleton.h"
#include "common/AStorageBase.h"
#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"

#include <algorithm>

class AMapC2L;
class CDC;

class ADrawAttributes : public AStorageBase, public ASingleton<ADrawAttributes> {
    DECLARE_STORAGE_INTERFACE()
public:
    // Made by Instance with the defaults and the store's values; Release
    // deletes it, which saves it.
    ADrawAttributes();
    // One object saves itself when it goes: copies would write the store as well.
    ADrawAttributes(const ADrawAttributes&) = delete;
    ADrawAttributes& operator=(const ADrawAttributes&) = delete;
    ~ADrawAttributes() override;

    void Load();
    void Save();

    // The label text height in logical units: 1.3 node sizes at the map's scale.
    int GetTextHeight(const AMapC2L& map) const;
    // The size of result diagrams: diagram factor times node size.
    double GetDiagramSize() const { return m_diagramFactor * m_nodeSize; }
    // Each stops at the end of its range.
    void ExpandDiagram() { m_diagramFactor = std::min(m_diagramFactor * 1.25, kMaxDiagramFactor); }
    void ShrinkDiagram() { m_diagramFactor = std::max(m_diagramFactor * 0.8, kMinDiagramFactor); }
    // Both keep the diagram size as it is; a node size at the end of its
    // range stays there.
    void IncreaseNodeSize();
    void DecreaseNodeSize();

    // The ranges of the stored sizes. A file or the settings store may hold
    // any number; what is read is held to these before anything is drawn.
    static constexpr double kMinNodeSize = 1e-3; // base length unit
    static constexpr double kMaxNodeSize = 1e3;
    static constexpr double kMaxPenWidth = 5.0; // millimetres
    static constexpr double kMinDiagramFactor = 1e-3;
    static constexpr double kMaxDiagramFactor = 1e4;
    // Holds every size to its range; a value that is no number takes its default.
    void ClampSizes();
    // Pen width [index] (millimetres) in logical units of the context; an
    // index outside 0 to 4 gives the thinnest pen (0).
    int GetPenWidth(const CDC& dc, int index) const;
    static int GetStyle(int drawMode, bool selected);

    static constexpr int kPenWidthCount = 5;
    // Millimetres: [0] members, [1] nodes, [2] loads and releases, [3] the same
    // selected, [4] a fifth width.
    double m_penWidth[kPenWidthCount] = {0.0, 0.18, 0.25, 0.35, 0.5};
    CString m_fontName = "ARIAL";
    COLORREF m_selectionColor;
    double m_nodeSize = 0.3; // base length unit
    bool m_showElementIndex = true;
    bool m_showElementAsRect = true;
    COLORREF m_elemLabelTextColor;
    COLORREF m_elemLabelAreaColor;
    COLORREF m_elemLineColor;
    COLORREF m_elemQuentraLineColor;
    bool m_showNodeIndex = true;
    COLORREF m_nodeLabelTextColor;
    COLORREF m_nodeLabelAreaColor;
    COLORREF m_nodeLineColor;
    bool m_fillMaterialColor = false;
    bool m_fillCrossSectionColor = true;
    COLORREF m_loadTemperatureAreaColor;
    COLORREF m_loadUniformAreaColor;
    COLORREF m_loadLineColor;
    COLORREF m_loadLabelAreaColor;
    double m_diagramFactor = 12.0;
    bool m_showResultsLabels = true;
    bool m_showDesignUltimate = true;
};

// Colours and pens of members.
class AElementAttributes : public ASingleton<AElementAttributes> {
public:
    virtual ~AElementAttributes() = default;

    int GetPenWidth(const CDC& dc) const;
    // plainLinear: a plain linear member (not a second-order one).
    COLORREF GetLineColor(int mode, bool selected, bool plainLinear) const;
    COLORREF GetOutlineColor(int mode, bool selected, bool plainLinear) const;
    COLORREF GetFillColor(int mode, bool selected) const;
    COLORREF GetLabelTextColor(int mode, bool selected) const;
    COLORREF GetLabelAreaColor(int mode, bool selected) const;
    int GetReleasePenWidth(const CDC& dc, int mode, bool selected) const;
    COLORREF GetResultLabelColor(int mode, bool selected) const;
    COLORREF GetResultLabelBackColor(int mode, bool selected) const;
};

// Colours and pens of nodes.
class ANodeAttributes : public ASingleton<ANodeAttributes> {
public:
    virtual ~ANodeAttributes() = default;

    int GetPenWidth(const CDC& dc) const;
    COLORREF GetLineColor(int mode, bool selected) const;
    COLORREF GetFillColor(int mode, bool selected) const;
    COLORREF GetLabelTextColor(int mode, bool selected) const;
    COLORREF GetLabelAreaColor(int mode, bool selected) const;
    COLORREF GetResultLabelColor(int mode, bool selected, bool highlighted) const;
    COLORREF GetResultLabelBackColor(int mode, bool selected, bool highlighted) const;
};

// Colours and pens of loads.
class ALoadAttributes : public ASingleton<ALoadAttributes> {
public:
    virtual ~ALoadAttributes() = default;

    int GetPenWidth(const CDC& dc, int mode, bool selected) const;
    COLORREF GetTemperatureFillColor(int mode, bool selected) const;
    COLORREF GetUniformFillColor(int mode, bool selected) const;
    COLORREF GetLineColor(int mode, bool selected) const;
    COLORREF GetForceColor(int mode, bool selected) const;
    COLORREF GetLabelAreaColor(int mode, bool selected) const;
};
