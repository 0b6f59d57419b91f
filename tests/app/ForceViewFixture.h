#pragma once
// The loads view of the portal frame: actions 1 "Dead load", 2 "Live load",
// 3 "Temperature"; nodes 1 and 4 fixed, the beam (member 2) from node 2 to
// node 3, 6 m long; node 2 has "Wind" and the beam the force "Crane" in action
// 2. Lengths are in metres.
#include "StructureFileSupport.h"
#include "StructureViewFixture.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/AForceView.h"
#include "resources/ui/StrakonResources.h"

class ForceViewFixture : public StructureViewTest<AForceView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        RegisterStrakonResources();
        AForceView::ReleasePrototypes();
        AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
        keys->SetMetricDefaults();
        keys->length = omUK_m;
    }
    void TearDown() override {
        StructureViewTest::TearDown();
        AForceView::ReleasePrototypes();
    }
    // Builds the portal and opens its loads view showing that action.
    void OpenPortal(int action) {
        structurefile::buildPortal(model(), false);
        model().bind();
        FitExtents(3.0);
        ASSERT_NE(OpenView(), nullptr);
        Show(view, action);
    }
    // The view shows the action and is the active one.
    void Show(AForceView* v, int action) {
        v->SetLoadGroup(action);
        v->OnActivateView(TRUE, v, v);
        viewhost::Pump();
    }
};
