#include "app/views/AComDesign.h"

#include "CommandRecordFixture.h"
#include "app/views/AComMaterials.h"
#include "app/views/AComSkew.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <typeinfo>

namespace {

class AComDesignTest : public CommandRecordFixture {
protected:
    omDesignElement* member(unsigned id) { return model().getElementMap()->find(id); }
    bool hasConcreteData(unsigned id) {
        const omGenericDesignData* data = member(id)->getDesignData();
        return data && typeid(*data) == typeid(omRCDesignBeamData);
    }
    // The model's materials with the concrete (1) turned into a steel.
    AMaterialMap concreteTurnedSteel() {
        AMaterialMap copy;
        copy.Copy(*model().getMaterialMap());
        copy.erase(1);
        auto* steel = new omSteel(omUnitValue(35.5, omUK_kN_cm2), 1);
        steel->setE(omUnitValue(21000.0, omUK_kN_cm2));
        copy.insert(steel);
        return copy;
    }
};

TEST_F(AComDesignTest, ConcreteDataLeavesWhenTheMaterialTurnsSteelAndComesBackOnUndoOnly) {
    ASSERT_TRUE(hasConcreteData(1));
    ASSERT_TRUE(hasConcreteData(3));
    const auto before = record();
    ACommandManager& commands = doc->GetCommandManager();
    commands.AddCommand(new AComEditMaterial(concreteTurnedSteel()));
    EXPECT_EQ(member(1)->getDesignData(), nullptr);
    EXPECT_EQ(member(3)->getDesignData(), nullptr);
    EXPECT_NE(member(2)->getDesignData(), nullptr) << "the steel members keep theirs";
    const auto executed = record();
    for (int round = 0; round < 3; ++round) {
        commands.Undo();
        EXPECT_TRUE(hasConcreteData(1));
        EXPECT_TRUE(hasConcreteData(3));
        EXPECT_EQ(record(), before);
        commands.Redo();
        EXPECT_FALSE(hasConcreteData(1)) << "round " << round;
        EXPECT_FALSE(hasConcreteData(3)) << "round " << round;
        EXPECT_EQ(record(), executed);
    }
}

TEST_F(AComDesignTest, AFirstDesignDataAssignmentTellsTheViewsAndItsUndoRemovesTheData) {
    member(4)->setDesignData(nullptr);
    clearLogs();
    omSteelDesignData data;
    doc->ChangeDesignData(4, &data);
    EXPECT_EQ(view.hints, (std::vector<int>{6004}));
    EXPECT_NE(member(4)->getDesignData(), nullptr);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(member(4)->getDesignData(), nullptr);
    EXPECT_EQ(view.hints, (std::vector<int>{6004, 6004}));
}

TEST_F(AComDesignTest, SelectingAllUltimateCasesAddsOnlyUltimateOnesAndUndoRestoresBothLists) {
    omGenericDesignData* data = member(4)->getDesignData();
    data->modifyLC(2, omGenericDesignData::lccAdded, model().getLoadManager()->getCase(2), 0);
    const std::vector<int> ult = data->getUltLC(), ser = data->getSerLC();
    doc->SelectDesignLoadCases(true, 4, 0, nullptr);
    data = member(4)->getDesignData();
    EXPECT_EQ(data->getUltLC(), (std::vector<int>{1}));
    EXPECT_EQ(data->getSerLC(), ser);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(member(4)->getDesignData()->getUltLC(), ult);
    EXPECT_EQ(member(4)->getDesignData()->getSerLC(), ser);
}

TEST_F(AComDesignTest, ListedCasesThatAreNoLoadCasesAreLeftOut) {
    const std::vector<int> cases{0, 2, 3, -1, 1000};
    doc->SelectDesignLoadCases(false, 4, 2, &cases);
    EXPECT_EQ(member(4)->getDesignData()->getSerLC(), (std::vector<int>{2}));
}

TEST_F(AComDesignTest, ChoosingCasesForAMemberWithoutDesignDataChangesNothing) {
    member(4)->setDesignData(nullptr);
    const auto before = record();
    clearLogs();
    doc->SelectDesignLoadCases(true, 4, 0, nullptr);
    doc->GetCommandManager().Undo();
    doc->GetCommandManager().Redo();
    EXPECT_EQ(record(), before);
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(AComDesignTest, SkewWithAValueThatIsNoNumberOrACaseThatIsNoneChangesNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto before = record();
    doc->SetSkew(1, nan, 0.0, omUnitValue(1.0, omUK_m), omUnitValue(0.0, omUK_m));
    doc->SetSkew(1, 0.1, 0.0, omUnitValue(inf, omUK_m), omUnitValue(0.0, omUK_m));
    doc->SetSkew(0, 0.1, 0.0, omUnitValue(1.0, omUK_m), omUnitValue(0.0, omUK_m));
    doc->SetSkew(3, 0.1, 0.0, omUnitValue(1.0, omUK_m), omUnitValue(0.0, omUK_m));
    EXPECT_EQ(record(), before);
    for (int i = 0; i < 4; ++i)
        doc->GetCommandManager().Undo();
    EXPECT_EQ(record(), before);
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(AComDesignTest, TheStoreGivesBackWhatItTookAndThenHoldsNothing) {
    ADesignDataStore store;
    member(1)->setMaterialIndex(2);
    member(1)->setMaterialIndex2(0);
    model().bindMaterial();
    store.Take(*model().getElementMap());
    EXPECT_FALSE(store.IsEmpty());
    EXPECT_EQ(member(1)->getDesignData(), nullptr);
    store.Restore(*model().getElementMap());
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_TRUE(hasConcreteData(1));
}

} // namespace
