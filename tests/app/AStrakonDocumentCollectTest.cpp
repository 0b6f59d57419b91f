#include "StrakonDocumentFixture.h"
#include "StrakonModelSupport.h"
#include "ViewDrawingSupport.h"

#include "app/views/ADesignElement.h"
#include "app/views/ADesignElementDesign.h"
#include "app/views/ADesignElementResults.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/AElementMap.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/ANodeMap.h"
#include "app/views/AStrakon.h"
#include "model/omCrossSection.h"
#include "model/omCrossSectionMap.h"
#include "model/omMaterialMap.h"
#include "platform/gdi/CMetaFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace strakonmodel;

class AStrakonDocumentCollectTest : public StrakonDocumentFixture {
protected:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        // Two columns joined by a beam: nodes 1 to 4, members 1 to 3. Action G
        // pushes node 2, action Q loads the beam.
        basics(model());
        model().addLoadGroup("Q");
        model().addNode(0.0, 0.0, "cm", 1);
        model().addNode(0.0, -300.0, "cm", 2);
        model().addNode(500.0, -300.0, "cm", 3);
        model().addNode(500.0, 0.0, "cm", 4);
        model().addElement(1, 2, 1, 1, 1);
        model().addElement(2, 3, 1, 1, 2);
        model().addElement(3, 4, 1, 1, 3);
        addNodeForce("F", "G");
        auto* beam = new omLoadLinear("q", model().getStructureType(), 0);
        beam->setFs(Uz, omUnitValue(10.0, omUK_kN_m));
        beam->setFe(Uz, omUnitValue(10.0, omUK_kN_m));
        ASSERT_TRUE(model().addElementLoad(2, beam, "Q"));
        model().bind();
    }
    void addNodeForce(const char* name, const char* group) {
        auto* load = new omLoadForce(name, model().getStructureType(), 0);
        load->setF(Ux, omUnitValue(5.0, omUK_kN));
        model().addNodeLoad(2, load, group);
    }
    std::vector<std::string> drawnLoadTexts() {
        CMetaFileDC rec(&viewdrawing::LometricScreen());
        AMapC2L view = viewdrawing::HundredPerMetre();
        doc->DrawLoads(&rec, view, omRect(-100, -100, 100, 100), 0);
        return viewdrawing::Texts(rec.GetMetaFile());
    }
    AStrakon& drawable() { return *dynamic_cast<AStrakon*>(doc->GetModel()); }
};

TEST_F(AStrakonDocumentCollectTest, EachCollectionAppendsItsObjectsAndCountsThem) {
    AObjectPtrContainer& list = doc->GetObjectList();
    EXPECT_EQ(doc->CollectNodeLoads(), 1) << "only node 2 is loaded";
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.front(), dynamic_cast<ANodeLoadGroup*>(model().getNodeMap()->find(2)->getLoad()));

    EXPECT_EQ(doc->CollectElementLoads(), 1) << "only the beam is loaded";
    EXPECT_EQ(list.back(), dynamic_cast<AElementLoadGroup*>(model().getElementMap()->find(2)->getLoad()));

    EXPECT_EQ(doc->CollectElementResults(), 3);
    EXPECT_EQ(doc->CollectElementDesigns(), 3);
    EXPECT_EQ(list.GetCount(), 8) << "every collection appends";
    auto* member = dynamic_cast<ADesignElement*>(model().getElementMap()->find(3));
    EXPECT_NE(std::find(list.begin(), list.end(), static_cast<AObject*>(&member->GetResultsMark())), list.end());
    EXPECT_NE(std::find(list.begin(), list.end(), static_cast<AObject*>(&member->GetDesignMark())), list.end());

    doc->ClearObjects(false);
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(AStrakonDocumentCollectTest, AnOpenNodeLoadSheetsCopyIsDrawnOnTopUntilTheSheetHides) {
    addNodeForce("Second", "G");
    doc->SetActiveLoadGroup(1, false);
    std::vector<std::string> texts = drawnLoadTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "All loads"), 1) << "node 2's two loads of G";

    auto* own = dynamic_cast<ANodeLoadGroup*>(model().getNodeMap()->find(2)->getLoad());
    ASSERT_NE(own, nullptr);
    std::unique_ptr<omNodeLoadGroup> clone(own->clone());
    auto* copy = dynamic_cast<ANodeLoadGroup*>(clone.get());
    ASSERT_NE(copy, nullptr);
    auto* edited = new omLoadForce("Edited", model().getStructureType(), 0);
    edited->setF(Uz, omUnitValue(1.0, omUK_kN));
    copy->add(edited);
    EXPECT_EQ(doc->SetNodeLoadSheet(copy), drawable().GetNodeMap());
    EXPECT_EQ(drawable().GetNodeMap()->GetEditedLoadGroup(), copy);
    texts = drawnLoadTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "3/3: Edited") << "the copy in place of the node's own group, last";
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "All loads"), 0);

    EXPECT_EQ(doc->SetNodeLoadSheet(nullptr), drawable().GetNodeMap());
    EXPECT_EQ(drawable().GetNodeMap()->GetEditedLoadGroup(), nullptr);
    texts = drawnLoadTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "All loads"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "3/3: Edited"), 0);
}

TEST_F(AStrakonDocumentCollectTest, AnOpenElementLoadSheetsCopyIsTheMapsCurrentGroupUntilTheSheetHides) {
    auto* own = dynamic_cast<AElementLoadGroup*>(model().getElementMap()->find(2)->getLoad());
    ASSERT_NE(own, nullptr);
    std::unique_ptr<omElementLoadGroup> clone(own->clone());
    auto* copy = dynamic_cast<AElementLoadGroup*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(doc->SetElementLoadSheet(copy), drawable().GetElementMap());
    EXPECT_EQ(drawable().GetElementMap()->GetLiveCurrentLoadGroup(), copy) << "bound to member 2";
    EXPECT_EQ(doc->SetElementLoadSheet(nullptr), drawable().GetElementMap());
    EXPECT_EQ(drawable().GetElementMap()->GetCurrentLoadGroup(), nullptr);
}

TEST_F(AStrakonDocumentCollectTest, TheNameListsAppendNodeNumbersAndTheIdNamesOfMaterialsAndSections) {
    model().getMaterialMap()->find(1)->setName("S 235");
    std::vector<CString> names{"kept"};
    doc->GetNodeNames(names);
    EXPECT_EQ(names, (std::vector<CString>{"kept", "1", "2", "3", "4"}));
    names.clear();
    doc->GetMaterialNames(names);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], model().getMaterialMap()->find(1)->getIdName(true, true));
    EXPECT_EQ(names[0].rfind("1", 0), 0u) << "the entry begins with the id";
    EXPECT_NE(names[0].find("S 235"), std::string::npos);
    names.clear();
    doc->GetCrossSectionNames(names);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], model().getCrossSectionMap()->find(1)->getIdName(true, true));
}

} // namespace
