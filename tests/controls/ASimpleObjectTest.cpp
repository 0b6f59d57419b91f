#include "controls/ASimpleObject.h"

#include "controls/AMapC2L.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFile.h"

#include <QImage>

#include <gtest/gtest.h>

using Type = CMetaRecord::Type;

namespace {

// A map with 100 logical units per world unit and the world origin at logical (0, 0).
AMapC2L hundredPerUnit() {
    AMapC2L map;
    map.SetTotalCU(omRect(-10, 10, 10, -10));
    map.SetMap_tc_tl(CRect(-1000, 1000, 1000, -1000), AMapC2L::posCenter, AMapC2L::posCenter);
    return map;
}

std::vector<const CMetaRecord*> drawing(const CMetaFile& f) {
    std::vector<const CMetaRecord*> out;
    for (const CMetaRecord& r : f.Records())
        if (r.type == Type::moveTo || r.type == Type::lineTo || r.type == Type::ellipse) out.push_back(&r);
    return out;
}

int drawCalls(const CMetaFileDC& rec) {
    return static_cast<int>(drawing(rec.GetMetaFile()).size());
}

struct FakeView {
    int invalidated = 0;
    void InvalidateOverlay() { ++invalidated; }
};

} // namespace

TEST(ASimpleObject, BandIsTheClosedOutlineBesideItsSegment) {
    AMapC2L map = hundredPerUnit();
    CMetaFileDC rec;
    ASimpleBand band(omPoint(0, 0), omPoint(2, 0), 0.5);
    band.Draw(map, rec);
    const auto calls = drawing(rec.GetMetaFile());
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0]->type, Type::moveTo);
    const CPoint expected[] = {{0, 0}, {200, 0}, {200, 50}, {0, 50}, {0, 0}}; // to the left of +x is +y
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(calls[static_cast<size_t>(i)]->points[0], expected[i]) << i;

    CMetaFileDC none;
    ASimpleBand(omPoint(1, 1), omPoint(1, 1), 0.5).Draw(map, none);
    EXPECT_TRUE(none.GetMetaFile().IsEmpty());
}

TEST(ASimpleObject, LineAndCircleGoThroughTheMap) {
    AMapC2L map = hundredPerUnit();
    CMetaFileDC rec;
    ASimpleLine(omPoint(1, 1), omPoint(-1, 2)).Draw(map, rec);
    ASimpleCircle(omPoint(1, -1), 0.25).Draw(map, rec);
    const auto calls = drawing(rec.GetMetaFile());
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0]->points[0], CPoint(100, 100));
    EXPECT_EQ(calls[1]->points[0], CPoint(-99, 200)); // -100 + 0.5, truncated toward zero
    EXPECT_EQ(calls[2]->type, Type::ellipse);
    EXPECT_EQ(calls[2]->Rect(), CRect(75, -124, 125, -74));
}

TEST(ASimpleObjectGroup, DrawsInvertingAndPutsTheContextBack) {
    AMapC2L map = hundredPerUnit();
    ASimpleObjectGroup group;
    group.Add(new ASimpleLine(omPoint(0, 0), omPoint(1, 1)));
    CMetaFileDC rec;
    CBrush* brush = rec.GetCurrentBrush();
    group.Draw(map, rec);
    const auto& r = rec.GetMetaFile().Records();
    ASSERT_GE(r.size(), 4u);
    EXPECT_EQ(r[0].type, Type::setROP2);
    EXPECT_EQ(r[0].value, R2_NOT);
    EXPECT_EQ(r[1].type, Type::selectBrush);
    EXPECT_EQ(r[1].brush.lbStyle, BS_NULL);
    EXPECT_EQ(rec.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(rec.GetCurrentBrush(), brush);

    // On an image the outline inverts, and a second drawing erases it.
    QImage img(50, 50, QImage::Format_RGB32);
    img.fill(qRgb(10, 200, 30));
    const QImage before = img.copy();
    CImageDC dc(&img);
    AMapC2L pixels;
    pixels.SetTotalCU(omRect(0, 0, 50, 50));
    pixels.SetMap_tc_tl(CRect(0, 0, 50, 50), AMapC2L::posLeft, AMapC2L::posTop);
    group.Draw(pixels, dc);
    EXPECT_EQ(img.pixel(0, 0), qRgb(245, 55, 225));
    group.Draw(pixels, dc);
    EXPECT_EQ(img.pixel(0, 0), before.pixel(0, 0));
}

TEST(ASimpleObjectGroup, ShowAndHideDrawOnlyWhenTheStateChanges) {
    AMapC2L map = hundredPerUnit();
    ASimpleObjectGroup group;
    group.Add(new ASimpleCircle(omPoint(0, 0), 1));
    CMetaFileDC rec;
    group.Show(map, rec, false);
    group.Show(map, rec, false);
    EXPECT_EQ(drawCalls(rec), 1);
    EXPECT_TRUE(group.IsShown());
    group.Show(map, rec, true); // forced: drawn again, which inverts it away
    EXPECT_EQ(drawCalls(rec), 2);
    group.Hide(map, rec);
    EXPECT_EQ(drawCalls(rec), 3);
    EXPECT_FALSE(group.IsShown());
    group.Hide(map, rec);
    EXPECT_EQ(drawCalls(rec), 3);
}

TEST(ASimpleObjectGroup, DragMovesTheRegisteredPointsByTheMouseStep) {
    AMapC2L map = hundredPerUnit();
    ASimpleObjectGroup group;
    auto* circle = new ASimpleCircle(omPoint(1, 1), 0.5);
    auto* rubber = new ASimpleLine(omPoint(0, 0), omPoint(1, 1));
    group.Add(circle);
    group.Add(rubber);
    group.Add(circle->GetCentre());
    group.Add(rubber->GetPoint2()); // the member end at the dragged node stretches
    group.SetMovablePoint(omPoint(1, 1));
    FakeView view;

    EXPECT_FALSE(group.Drag(map, &view, omPoint(1, 1))); // no step: nothing at all
    EXPECT_EQ(view.invalidated, 0);

    EXPECT_TRUE(group.Drag(map, &view, omPoint(3, 0.5)));
    EXPECT_EQ(view.invalidated, 1);
    EXPECT_EQ(*circle->GetCentre(), omPoint(3, 0.5));
    EXPECT_EQ(*rubber->GetPoint1(), omPoint(0, 0));
    EXPECT_EQ(*rubber->GetPoint2(), omPoint(3, 0.5));
    EXPECT_EQ(group.GetMovablePoint(), omPoint(3, 0.5));

    CMetaFileDC rec;
    group.Show(map, rec, true);
    const auto calls = drawing(rec.GetMetaFile());
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0]->Rect(), CRect(250, 0, 350, 100));
    EXPECT_EQ(calls[2]->points[0], CPoint(300, 50));
}

TEST(ASimpleObjectGroup, MovingAGroupLeavesTheSourceWithoutShapes) {
    ASimpleObjectGroup a;
    auto* line = new ASimpleLine(omPoint(0, 0), omPoint(1, 0));
    a.Add(line);
    a.Add(line->GetPoint1());
    a.SetMovablePoint(omPoint(0, 0));
    ASimpleObjectGroup b;
    b = std::move(a);
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(b.GetShapeCount(), 1);
    AMapC2L map = hundredPerUnit();
    EXPECT_TRUE(a.MoveTo(map, omPoint(5, 5))); // the source moves nothing of b's
    EXPECT_EQ(*line->GetPoint1(), omPoint(0, 0));
    EXPECT_TRUE(b.MoveTo(map, omPoint(2, 0)));
    EXPECT_EQ(*line->GetPoint1(), omPoint(2, 0));

    ASimpleObjectGroup c(std::move(b));
    EXPECT_TRUE(b.IsEmpty());
    c.Clear();
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_FALSE(c.IsShown());
}
