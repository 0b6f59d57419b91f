#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"

#include "model/omGenericCrossSection.h"
#include "model/omMaterial.h"

#include <memory>

#include <gtest/gtest.h>

TEST(ProgramMapsTest, MaterialMapCopiesDeeplyAndClonesItsOwnKind) {
    AMaterialMap source;
    EXPECT_TRUE(source.empty());
    source.insert(new omMaterial(21000, 0, 1.2e-5, 0, 0.3, 1));
    source.insert(new omMaterial(3000, 0, 1e-5, 0, 0.2, 4));
    source.setDefault(4);

    AMaterialMap copy;
    copy.insert(new omMaterial(1, 0, 0, 0, 0, 9));
    copy.Copy(source);
    EXPECT_EQ(copy.size(), 2u);
    EXPECT_FALSE(copy.exist(9));
    EXPECT_EQ(copy.getDefaultId(), 4u);
    ASSERT_NE(copy.find(1), nullptr);
    EXPECT_NE(copy.find(1), source.find(1));

    std::unique_ptr<omMaterialMap> clone(source.clone());
    EXPECT_NE(dynamic_cast<AMaterialMap*>(clone.get()), nullptr);
    EXPECT_EQ(clone->size(), 2u);
    EXPECT_NE(clone->find(4), source.find(4));
}

TEST(ProgramMapsTest, CrossSectionMapCopiesDeeplyAndClonesItsOwnKind) {
    ACrossSectionMap source;
    EXPECT_TRUE(source.empty());
    source.insert(new omGenericCrossSection(omUnitValue(100, omUK_cm2), omUnitValue(1e4, omUK_cm4), 2));
    source.setDefault(2);

    ACrossSectionMap copy;
    copy.Copy(source);
    EXPECT_EQ(copy.size(), 1u);
    EXPECT_EQ(copy.getDefaultId(), 2u);
    EXPECT_NE(copy.find(2), source.find(2));

    std::unique_ptr<omCrossSectionMap> clone(source.clone());
    EXPECT_NE(dynamic_cast<ACrossSectionMap*>(clone.get()), nullptr);
    EXPECT_EQ(clone->size(), 1u);
}
