#include "app/views/ADrawAttributes.h"

#include "SettingsFixture.h"

#include "controls/AMapC2L.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/GuiGetMMFactor.h"

#include <QImage>
#include <QPdfWriter>

#include <cmath>

namespace {

const char* const kKey = "Software\\Orvex\\Strakon\\Options\\Attr";

class ADrawAttributesTest : public SettingsFixture {
protected:
    void TearDown() override {
        AElementAttributes::Release();
        ANodeAttributes::Release();
        ALoadAttributes::Release();
        SettingsFixture::TearDown();
    }
};

TEST_F(ADrawAttributesTest, AnEmptyStoreGivesTheDefaultsAndTheFirstExitWritesEighteenValues) {
    const ADrawAttributes* a = ADrawAttributes::Instance();
    EXPECT_EQ(a->m_fontName, "ARIAL");
    EXPECT_EQ(a->m_selectionColor, RGB(0, 0, 255));
    EXPECT_EQ(a->m_elemLineColor, RGB(0, 128, 0));
    EXPECT_EQ(a->m_elemLabelAreaColor, RGB(166, 202, 240));
    EXPECT_EQ(a->m_nodeLabelAreaColor, RGB(255, 251, 240));
    EXPECT_EQ(a->m_loadUniformAreaColor, RGB(255, 255, 0));
    EXPECT_EQ(a->m_loadTemperatureAreaColor, RGB(255, 0, 0));
    EXPECT_EQ(a->m_nodeSize, 0.3);
    EXPECT_EQ(a->m_diagramFactor, 12.0);
    EXPECT_TRUE(a->m_showNodeIndex && a->m_showElementIndex && a->m_showElementAsRect &&
                a->m_showResultsLabels && a->m_showDesignUltimate);
    EXPECT_FALSE(a->m_fillMaterialColor);
    EXPECT_TRUE(a->m_fillCrossSectionColor);
    EXPECT_TRUE(valueNames(kKey).empty());
    ADrawAttributes::Release();
    restart();
    EXPECT_EQ(valueNames(kKey).size(), 18u);
}

TEST_F(ADrawAttributesTest, StoredColoursFontAndSwitchesAreRead) {
    write(kKey, [](ARegistry& reg) {
        reg.SetString("Font", "DejaVu Sans");
        reg.SetDword("Load line color", RGB(1, 2, 3));
        reg.SetBool("Show node index", false);
    });
    const ADrawAttributes* a = ADrawAttributes::Instance();
    EXPECT_EQ(a->m_fontName, "DejaVu Sans");
    EXPECT_EQ(a->m_loadLineColor, RGB(1, 2, 3));
    EXPECT_FALSE(a->m_showNodeIndex);
    EXPECT_TRUE(a->m_showElementIndex);
}

TEST_F(ADrawAttributesTest, NodeSizeUpAndDownRestoresItAndKeepsTheDiagramSize) {
    ADrawAttributes* a = ADrawAttributes::Instance();
    const double diagram = a->GetDiagramSize();
    a->IncreaseNodeSize();
    EXPECT_NEAR(a->m_nodeSize, 0.36, 1e-12);
    EXPECT_NEAR(a->GetDiagramSize(), diagram, 1e-12);
    a->DecreaseNodeSize();
    EXPECT_NEAR(a->m_nodeSize, 0.3, 1e-12);
    EXPECT_NEAR(a->m_diagramFactor, 12.0, 1e-12);
    a->DecreaseNodeSize();
    EXPECT_NEAR(a->GetDiagramSize(), diagram, 1e-12);
    a->ExpandDiagram();
    EXPECT_NEAR(a->GetDiagramSize(), diagram * 1.25, 1e-12);
}

TEST_F(ADrawAttributesTest, TheLabelHeightIsOnePointThreeNodeSizesAtTheMapsScaleCutToAnInteger) {
    AMapC2L map;
    // 20 m of world into 1000 logical units: 50 units per metre.
    map.SetTotalCU(omRect(0, 20, 20, 0));
    ASSERT_TRUE(map.SetMap_tc_tl(CRect(0, 0, 1000, 1000), AMapC2L::posCenter, AMapC2L::posCenter));
    ASSERT_NEAR(map.GetFactor(), 50.0, 1e-9);
    EXPECT_EQ(ADrawAttributes::Instance()->GetTextHeight(map), 19); // 1.3 * 0.3 * 50 = 19.5
}

TEST_F(ADrawAttributesTest, EveryColourAndWidthFollowsTheStyleOfTheDrawMode) {
    ADrawAttributes* a = ADrawAttributes::Instance();
    // Colours that differ from each other and from the fixed ones.
    a->m_selectionColor = RGB(1, 1, 1);
    a->m_elemLineColor = RGB(2, 2, 2);
    a->m_elemQuentraLineColor = RGB(3, 3, 3);
    a->m_elemLabelTextColor = RGB(4, 4, 4);
    a->m_elemLabelAreaColor = RGB(5, 5, 5);
    a->m_nodeLineColor = RGB(6, 6, 6);
    a->m_nodeLabelTextColor = RGB(7, 7, 7);
    a->m_nodeLabelAreaColor = RGB(8, 8, 8);
    a->m_loadLineColor = RGB(9, 9, 9);
    a->m_loadLabelAreaColor = RGB(10, 10, 10);
    a->m_loadUniformAreaColor = RGB(11, 11, 11);
    a->m_loadTemperatureAreaColor = RGB(12, 12, 12);
    // Widths that give different pens: under MM_LOMETRIC 1 mm is 10 units.
    a->m_penWidth[0] = 1.0;
    a->m_penWidth[1] = 2.0;
    a->m_penWidth[2] = 3.0;
    a->m_penWidth[3] = 4.0;
    CDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    const AElementAttributes& e = *AElementAttributes::Instance();
    const ANodeAttributes& n = *ANodeAttributes::Instance();
    const ALoadAttributes& l = *ALoadAttributes::Instance();
    const COLORREF W = RGB(255, 255, 255), K = 0, G = RGB(128, 128, 128), LG = RGB(192, 192, 192);
    const COLORREF S = RGB(1, 1, 1);
    // Draw mode and selected flag of each style: normal, selected, monochrome, greyed.
    const struct {
        int mode;
        bool selected;
    } styles[4] = {{0, false}, {0, true}, {3, true}, {2, true}};
    const struct {
        const char* what;
        std::function<unsigned(int, bool)> get;
        unsigned expected[4];
    } table[] = {
        {"element line, linear",
         [&](int m, bool s) { return e.GetLineColor(m, s, true); },
         {RGB(2, 2, 2), S, K, G}},
        {"element line, second order",
         [&](int m, bool s) { return e.GetLineColor(m, s, false); },
         {RGB(3, 3, 3), S, K, G}},
        {"element outline",
         [&](int m, bool s) { return e.GetOutlineColor(m, s, true); },
         {RGB(2, 2, 2), S, K, G}},
        {"element fill", [&](int m, bool s) { return e.GetFillColor(m, s); }, {W, S, W, LG}},
        {"element label text",
         [&](int m, bool s) { return e.GetLabelTextColor(m, s); },
         {RGB(4, 4, 4), RGB(4, 4, 4), K, G}},
        {"element label area",
         [&](int m, bool s) { return e.GetLabelAreaColor(m, s); },
         {RGB(5, 5, 5), RGB(5, 5, 5), W, W}},
        {"element result label",
         [&](int m, bool s) { return e.GetResultLabelColor(m, s); },
         {RGB(0, 0, 128), RGB(0, 0, 128), K, K}},
        {"element result label back",
         [&](int m, bool s) { return e.GetResultLabelBackColor(m, s); },
         {W, W, W, W}},
        {"element pen", [&](int, bool) { return unsigned(e.GetPenWidth(dc)); }, {10, 10, 10, 10}},
        {"element release pen",
         [&](int m, bool s) { return unsigned(e.GetReleasePenWidth(dc, m, s)); },
         {30, 40, 30, 30}},
        {"node line", [&](int m, bool s) { return n.GetLineColor(m, s); }, {RGB(6, 6, 6), S, K, G}},
        {"node fill", [&](int m, bool s) { return n.GetFillColor(m, s); }, {RGB(8, 8, 8), S, LG, LG}},
        {"node label text",
         [&](int m, bool s) { return n.GetLabelTextColor(m, s); },
         {RGB(7, 7, 7), RGB(7, 7, 7), K, G}},
        {"node label area",
         [&](int m, bool s) { return n.GetLabelAreaColor(m, s); },
         {RGB(8, 8, 8), RGB(8, 8, 8), W, W}},
        {"node result label",
         [&](int m, bool s) { return n.GetResultLabelColor(m, s, false); },
         {K, K, K, K}},
        {"node result label highlighted",
         [&](int m, bool s) { return n.GetResultLabelColor(m, s, true); },
         {RGB(255, 0, 0), RGB(255, 0, 0), K, K}},
        {"node result label back",
         [&](int m, bool s) { return n.GetResultLabelBackColor(m, s, true); },
         {W, W, W, W}},
        {"node pen", [&](int, bool) { return unsigned(n.GetPenWidth(dc)); }, {20, 20, 20, 20}},
        {"load pen", [&](int m, bool s) { return unsigned(l.GetPenWidth(dc, m, s)); }, {30, 40, 30, 30}},
        {"load temperature fill",
         [&](int m, bool s) { return l.GetTemperatureFillColor(m, s); },
         {RGB(12, 12, 12), RGB(12, 12, 12), W, W}},
        {"load uniform fill",
         [&](int m, bool s) { return l.GetUniformFillColor(m, s); },
         {RGB(11, 11, 11), RGB(11, 11, 11), W, W}},
        {"load line", [&](int m, bool s) { return l.GetLineColor(m, s); }, {RGB(9, 9, 9), S, K, G}},
        {"load force", [&](int m, bool s) { return l.GetForceColor(m, s); }, {RGB(9, 9, 9), S, K, G}},
        {"load label area",
         [&](int m, bool s) { return l.GetLabelAreaColor(m, s); },
         {RGB(10, 10, 10), RGB(10, 10, 10), W, W}},
    };
    for (const auto& row : table)
        for (int style = 0; style < 4; ++style)
            EXPECT_EQ(row.get(styles[style].mode, styles[style].selected), row.expected[style])
                << row.what << ", style " << style;
}

TEST_F(ADrawAttributesTest, DrawModesGiveTheirStyles) {
    const struct {
        int mode;
        bool selected;
        int style;
    } cases[] = {{0, false, 0}, {0, true, 1}, {1, true, 0}, {1, false, 0}, {2, true, 3},
                 {3, false, 2}, {3, true, 2}, {7, true, 0}, {-1, true, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ADrawAttributes::GetStyle(c.mode, c.selected), c.style) << c.mode << " " << c.selected;
    // In draw mode 1 a selected node is not shown selected.
    EXPECT_EQ(ANodeAttributes::Instance()->GetFillColor(1, true),
              ADrawAttributes::Instance()->m_nodeLabelAreaColor);
    EXPECT_EQ(ANodeAttributes::Instance()->GetFillColor(0, true),
              ADrawAttributes::Instance()->m_selectionColor);
}

TEST_F(ADrawAttributesTest, PenWidthsOnAScreenImageAndOnAPrintedPage) {
    const ADrawAttributes* a = ADrawAttributes::Instance();
    // The default widths 0, 0.18, 0.25, 0.35 and 0.5 mm are 0, 5, 7, 9 and 14 tenths of a point.
    QImage image(200, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    CImageDC screen(&image);
    EXPECT_NEAR(GuiGetMMFactor(screen), 96 / 25.4, 1e-3);
    const int screenWidths[] = {0, 1, 1, 1, 2};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a->GetPenWidth(screen, i), screenWidths[i]) << i;

    TempFolder pdfDir;
    QPdfWriter writer(QString::fromStdString((pdfDir / "widths.pdf").string()));
    writer.setResolution(600);
    CPrinterDC printer(&writer);
    EXPECT_NEAR(GuiGetMMFactor(printer), 600 / 25.4, 1e-3);
    EXPECT_EQ(a->GetPenWidth(printer, 4), 12); // 14 * 25.4 / 720 mm at 23.6 pixels per mm
    printer.SetMapMode(MM_LOMETRIC);
    EXPECT_NEAR(GuiGetMMFactor(printer), 10.0, 1e-3);
    const int paperWidths[] = {0, 2, 2, 3, 5};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a->GetPenWidth(printer, i), paperWidths[i]) << i;
    EXPECT_EQ(a->GetPenWidth(printer, 5), 0) << "no sixth pen";
}

} // namespace
