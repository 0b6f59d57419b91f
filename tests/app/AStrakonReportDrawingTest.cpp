// The report's pictures of the structure, its loads and its diagrams show the
// structure as it is, never the selection the user made in a view: drawn with
// a selection they are the pictures drawn without one, and the selection is
// still there afterwards.
#include "app/shell/AStrakonReportDrawing.h"

#include "DrawableFrame.h"

#include "app/views/ADrawAttributes.h"
#include "model/omElementLoadGroup.h"
#include "model/omLoad.h"
#include "model/omNodeLoadGroup.h"
#include "model/omLoadCase.h"
#include "tests/model/SolveRoad.h"

#include <functional>

namespace {

class AStrakonReportDrawingTest : public DrawableFrame {
protected:
    void SetUp() override {
        DrawableFrame::SetUp();
        node(1, 0, 0);
        node(2, 0, -3);
        node(3, 4, -3);
        member(1, 1, 2);
        member(2, 2, 3);
        fix(1, {Ux, Uz, Ry});
        fix(3, {Uz});
        auto* force = new omLoadForce(s.getStructureType(), 0);
        force->setF(Ux, omUnitValue(10.0, omUK_kN));
        ASSERT_TRUE(s.addNodeLoad(2, force, "G"));
        auto* line = new omLoadLinear(s.getStructureType(), 0);
        line->setFs(Uz, omUnitValue(0.1, omUK_kN_cm));
        line->setFe(Uz, omUnitValue(0.1, omUK_kN_cm));
        line->setStart(0.0);
        line->setEnd(1.0);
        ASSERT_TRUE(s.addElementLoad(2, line, "G"));
        omLoadCase* lc = s.addLoadCase("LC1", omLoadCase::lsUltimate);
        for (int k = 1; k <= lc->size(); ++k)
            (*lc)(k) = 1.0;
        ASSERT_TRUE(solveroad::run(s));
        s.SetActiveLoadGroup(1);
    }
    std::string Recorded(const std::function<void(AStrakonReportDrawing&, AMapC2L&, CDC&)>& draw) {
        AMapC2L map = view(omRect(-2, -5, 6, 2));
        CMetaFileDC rec(&screen());
        AStrakonReportDrawing drawing(s);
        draw(drawing, map, rec);
        return rec.Close().ToBytes();
    }
    void SelectEverything(bool on) {
        for (unsigned id : {1u, 2u, 3u})
            dynamic_cast<AObject*>(nodeOf(id))->Select(on);
        for (unsigned id : {1u, 2u})
            memberOf(id)->Select(on);
        if (auto* load = dynamic_cast<AObject*>(nodeOf(2)->getLoad())) load->Select(on);
        if (auto* load = dynamic_cast<AObject*>(memberOf(2)->getLoad())) load->Select(on);
    }
};

TEST_F(AStrakonReportDrawingTest, PicturesDrawnWithASelectionAreThePicturesWithoutOne) {
    using Draw = std::function<void(AStrakonReportDrawing&, AMapC2L&, CDC&)>;
    const std::pair<const char*, Draw> pictures[] = {
        {"structure",
         [](AStrakonReportDrawing& d, AMapC2L& m, CDC& dc) {
             d.Draw(m, &dc, omRect(-2, -5, 6, 2), 0, ADrawAttributes::Instance());
         }},
        {"loads",
         [](AStrakonReportDrawing& d, AMapC2L& m, CDC& dc) {
             d.DrawLoads(m, &dc, omRect(-2, -5, 6, 2), 0, ADrawAttributes::Instance());
         }},
        {"moments",
         [](AStrakonReportDrawing& d, AMapC2L& m, CDC& dc) {
             d.DrawResults(m, &dc, omRect(-2, -5, 6, 2), 3, 1, 4, true, false);
         }},
    };
    for (const auto& [what, draw] : pictures) {
        SelectEverything(false);
        const std::string plain = Recorded(draw);
        SelectEverything(true);
        const std::string selected = Recorded(draw);
        EXPECT_FALSE(plain.empty()) << what;
        EXPECT_EQ(selected, plain) << what << ": the selection shows in the picture";
        EXPECT_TRUE(memberOf(1)->IsSelected()) << what << ": the selection is kept";
        EXPECT_TRUE(dynamic_cast<AObject*>(nodeOf(2))->IsSelected()) << what;
    }
}

} // namespace
