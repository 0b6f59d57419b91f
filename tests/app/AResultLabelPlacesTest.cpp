// The value labels of the result diagrams keep clear of each other: a label
// that would overlap one drawn before moves along its member's normal, or is
// left out when it repeats the same value. Checked on the rule itself and on
// the pictures of a solved portal frame in its result view (load case and
// envelope), whose label boxes are measured from what the view draws.
#include "app/views/ALCResultView.h"

#include "StructureViewFixture.h"

#include "app/views/ADrawAttributes.h"
#include "app/views/AResultDiagram.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/CMetaFile.h"
#include "platform/ui/CClientDC.h"
#include "resources/ui/StrakonResourceIds.h"

#include <algorithm>

namespace {

using namespace strakonmodel;

TEST(AResultLabelPlacesTest, ALabelMovesAlongTheNormalOrIsLeftOutWhenItRepeatsTheValue) {
    struct Case {
        const char* what;
        CPoint at;
        const char* text;
        bool outward;
        bool drawn;
        CPoint placed;
    };
    // A label 100 wide and 40 high at the origin is there first; the normal is +x.
    const Case cases[] = {
        {"far away: stays", {500, 0}, "7.5", true, true, {500, 0}},
        {"overlapping, another value: one box width outward", {20, 10}, "-19.46", true, true, {121, 10}},
        {"overlapping, inward first", {-20, 10}, "-19.46", false, true, {-121, 10}},
        {"overlapping, the same value: left out", {20, 10}, "12.97", true, false, {20, 10}},
        {"touching only: stays", {100, 0}, "3", true, true, {100, 0}},
    };
    for (const Case& c : cases) {
        AResultLabelPlaces places;
        CPoint first(0, 0);
        ASSERT_TRUE(places.Place(first, CSize(100, 40), 1.0, 0.0, true, "12.97"));
        CPoint at = c.at;
        EXPECT_EQ(places.Place(at, CSize(100, 40), 1.0, 0.0, c.outward, c.text), c.drawn) << c.what;
        EXPECT_EQ(at, c.placed) << c.what;
        EXPECT_EQ(places.GetLabels().size(), c.drawn ? 2u : 1u) << c.what;
    }
    // Boxed in on both sides within the steps: the label keeps its place rather than wander off.
    AResultLabelPlaces crowded;
    for (int k = -AResultLabelPlaces::kSteps; k <= AResultLabelPlaces::kSteps; ++k) {
        CPoint at(k * 101, 0);
        ASSERT_TRUE(crowded.Place(at, CSize(100, 40), 1.0, 0.0, true, CString(std::to_string(k))));
    }
    CPoint at(0, 0);
    EXPECT_TRUE(crowded.Place(at, CSize(100, 40), 1.0, 0.0, true, "new"));
    EXPECT_EQ(at, CPoint(0, 0));
}

class ResultLabelsInTheViewTest : public StructureViewTest<ALCResultView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        // A fixed portal frame under a horizontal and vertical load: the moments at its
        // corners meet where the column and the beam meet.
        basics(model());
        model().addNode(0.0, 0.0, "m", 1);
        model().addNode(0.0, -3.0, "m", 2);
        model().addNode(4.0, -3.0, "m", 3);
        model().addNode(4.0, 0.0, "m", 4);
        model().addElement(1, 2, 1, 1, 1);
        model().addElement(2, 3, 1, 1, 2);
        model().addElement(4, 3, 1, 1, 3);
        fix(model(), 1, {Ux, Uz, Ry});
        fix(model(), 4, {Ux, Uz, Ry});
        nodeForce(model(), 2, 20.0, 40.0);
        nodeForce(model(), 3, 0.0, 60.0);
        loadCase(model(), "LC1", omLoadCase::lsUltimate, 1.0);
        loadCase(model(), "LC2", omLoadCase::lsUltimate, -0.6);
        auto* envelope = new omEnvelope;
        model().getLoadManager()->addEnvelope(envelope);
        envelope->add(1, model().getLoadManager()->getCase(1));
        envelope->add(2, model().getLoadManager()->getCase(2));
        ASSERT_TRUE(doc->Solve());
        FitExtents(1.0);
        ASSERT_NE(OpenView(), nullptr);
    }
    struct Label {
        CRect box;
        std::string text;
    };
    // The texts the document draws for the case with the view's map, and their boxes
    // measured in the fonts they were drawn with.
    std::vector<Label> Labels(int resultCase) {
        view->SetResultCase(resultCase);
        doc->SetActiveResultCase(resultCase, false);
        Command(ID_RESULT_MOMENTS);
        view->OnZoomExtents();
        viewhost::Pump();
        CClientDC screen(view);
        view->OnPrepareDC(&screen);
        CMetaFileDC rec(&screen);
        AMapC2L& map = const_cast<AMapC2L&>(view->GetC2L());
        map.SetMapModeData(screen);
        doc->DrawResults(&rec, map, map.GetTotalCU(), 0, resultCase, 4, true, false);
        std::vector<Label> labels;
        LOGFONT font{};
        for (const CMetaRecord& r : rec.GetMetaFile().Records()) {
            if (r.type == CMetaRecord::Type::selectFont) font = r.font;
            if (r.type != CMetaRecord::Type::textOut) continue;
            CFont f;
            f.CreateFontIndirect(&font);
            CFont* old = screen.SelectObject(&f);
            const CSize size = screen.GetTextExtent(r.text);
            screen.SelectObject(old);
            // Drawn from the top left corner, y upwards.
            const CPoint p = r.points.at(0);
            CRect box(p.x, p.y - std::abs(size.cy), p.x + std::abs(size.cx), p.y);
            labels.push_back({box, r.text});
        }
        return labels;
    }
    static std::vector<std::string> Overlaps(const std::vector<Label>& labels) {
        std::vector<std::string> out;
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j) {
                CRect common;
                if (common.IntersectRect(labels[i].box, labels[j].box))
                    out.push_back(labels[i].text + " / " + labels[j].text);
            }
        return out;
    }
};

TEST_F(ResultLabelsInTheViewTest, TheMomentLabelsOfALoadCaseAndOfAnEnvelopeNeverOverlap) {
    for (int resultCase : {1, 1001}) {
        const std::vector<Label> labels = Labels(resultCase);
        ASSERT_GE(labels.size(), 4u) << resultCase;
        EXPECT_EQ(Overlaps(labels), std::vector<std::string>()) << "case " << resultCase;
    }
    Move(At(2.0, -1.5));
    Save("ResultLabelsEnvelope.png");
    Labels(1);
    Move(At(2.0, -1.5));
    Save("ResultLabelsMoments.png");
}

} // namespace
