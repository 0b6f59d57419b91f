#include "model/omMaterialMap.h"

#include "CapturedLog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<unsigned> walk(const omMaterialMap& m) {
    std::vector<unsigned> ids;
    for (m.start_ii(); !m.stop_ii(); m.increment_ii())
        ids.push_back(m.object_ii()->getIndex());
    return ids;
}

TEST(MaterialMap, WalksInAscendingNumber) {
    omMaterialMap m;
    m.start_ii();
    EXPECT_TRUE(m.stop_ii());
    for (unsigned id : {5u, 2u, 9u})
        ASSERT_TRUE(m.insert(new omMaterial(id)));
    EXPECT_EQ(walk(m), (std::vector<unsigned>{2, 5, 9}));
}

TEST(MaterialMap, DefaultMaterial) {
    omMaterialMap m;
    EXPECT_EQ(m.getDefaultId(), 0u);
    EXPECT_EQ(m.getDefault(), nullptr);
    m.insert(new omSteel(3));
    m.setDefault(3);
    ASSERT_NE(m.getDefault(), nullptr);
    EXPECT_EQ(m.getDefault()->getIndex(), 3u);
    m.erase(3);
    EXPECT_EQ(m.getDefault(), nullptr);
    EXPECT_EQ(m.getDefaultId(), 3u);
}

TEST(MaterialMap, CopyIsDeepAndKeepsTheClasses) {
    omMaterialMap a;
    a.insert(new omSteel(omUnitValue(23.5, omUK_kN_cm2), 2));
    a.insert(new omMaterial(3000.0, 0.0, 1e-5, 2500.0, 0.2, 9));
    a.setDefault(9);

    omMaterialMap b;
    b.insert(new omMaterial(4));
    b.copy(a);
    EXPECT_EQ(walk(b), (std::vector<unsigned>{2, 9}));
    EXPECT_EQ(b.getDefaultId(), 9u);
    EXPECT_NE(b.find(2), a.find(2));
    ASSERT_NE(dynamic_cast<omSteel*>(b.find(2)), nullptr);
    EXPECT_EQ(dynamic_cast<omSteel*>(b.find(2))->fy().Get(omUK_kN_cm2), 23.5);
    EXPECT_EQ(dynamic_cast<omSteel*>(b.find(9)), nullptr);

    std::unique_ptr<omMaterialMap> c(a.clone());
    EXPECT_EQ(walk(*c), (std::vector<unsigned>{2, 9}));
    EXPECT_EQ(c->getDefault()->getIndex(), 9u);
    EXPECT_NE(c->doFind(9), a.doFind(9));
}

TEST(MaterialMap, LogReport) {
    CapturedLog log({lfMaterials});
    omMaterialMap m;
    m.insert(new omSteel(omUnitValue(23.5, omUK_kN_cm2), 7));
    m.insert(new omMaterial(3000.0, 0.0, 1e-5, 2500.0, 0.2, 2));
    m.logFileReport();
    const std::string heading = "Materials in the omMaterialMap object:";
    EXPECT_EQ(log.text(), "\n" + heading + "\n" + std::string(heading.size(), '*') +
                              "\n\nTotal number of design materials: 2\n"
                              "  \nid=2, E: 3000kN/cm2, G: 1200kN/cm2"
                              "  \nid=7, E: 21000kN/cm2, G: 8077kN/cm2, fy: 23.5 -> Steel" +
                              "\n" + std::string(74, '-') + "\n");
}

TEST(MaterialMap, NoLogWithoutTheCategory) {
    CapturedLog log({lfCrossSections});
    omMaterialMap m;
    m.insert(new omSteel(1));
    m.logFileReport();
    EXPECT_EQ(log.text(), "");
}

} // namespace
