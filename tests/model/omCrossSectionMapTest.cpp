#include "model/omCrossSectionMap.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"

#include "CapturedLog.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::vector<unsigned> walk(const omCrossSectionMap& m) {
    std::vector<unsigned> ids;
    for (m.start_ii(); !m.stop_ii(); m.increment_ii())
        ids.push_back(m.object_ii()->getIndex());
    return ids;
}

TEST(CrossSectionMap, WalksInAscendingNumber) {
    omCrossSectionMap m;
    m.start_ii();
    EXPECT_TRUE(m.stop_ii());
    for (unsigned id : {4u, 1u, 12u})
        ASSERT_TRUE(m.insert(new omCrossSectionRect(20, 10, omUK_cm, id)));
    EXPECT_EQ(walk(m), (std::vector<unsigned>{1, 4, 12}));
    m.start_ii();
    m.object_ii()->setName("first");
    EXPECT_EQ(m.doFind(1)->name(), "first");
}

TEST(CrossSectionMap, DefaultSection) {
    omCrossSectionMap m;
    EXPECT_EQ(m.getDefaultId(), 0u);
    EXPECT_EQ(m.getDefault(), nullptr);
    m.insert(new omCrossSectionRect(20, 10, omUK_cm, 2));
    m.setDefault(5);
    EXPECT_EQ(m.getDefault(), nullptr);
    m.setDefault(2);
    ASSERT_NE(m.getDefault(), nullptr);
    EXPECT_EQ(m.getDefault()->getIndex(), 2u);
}

TEST(CrossSectionMap, CopyIsDeepAndKeepsTheShapes) {
    omCrossSectionMap a;
    a.insert(new omCrossSectionRect(20, 10, omUK_cm, 2));
    auto* ipe = new omCrossSectionStandardI(9);
    omStandardSectionIRecord r;
    r.setName("IPE 200");
    r.setNumber(omStandardSectionIRecord::fA, 28.48);
    ipe->setStandardSection("IPE", r);
    ipe->setChangeAxis(true);
    a.insert(ipe);
    a.setDefault(9);

    omCrossSectionMap b;
    b.insert(new omCrossSectionRect(1, 1, omUK_cm, 5));
    b.copy(a);
    EXPECT_EQ(walk(b), (std::vector<unsigned>{2, 9}));
    EXPECT_EQ(b.getDefault()->getIndex(), 9u);
    EXPECT_NE(b.doFind(9), a.doFind(9));
    const auto* copied = dynamic_cast<const omCrossSectionStandardI*>(b.doFind(9));
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->getSectionName(), "IPE 200");
    EXPECT_TRUE(copied->changeAxis());

    std::unique_ptr<omCrossSectionMap> c(a.clone());
    EXPECT_EQ(walk(*c), (std::vector<unsigned>{2, 9}));
    EXPECT_EQ(c->getDefaultId(), 9u);
    EXPECT_EQ(c->doFind(2)->A(), 200.0);
    EXPECT_EQ(c->doFind(2)->GetRuntimeClass()->TypeTag(), ".?AVomCrossSectionRect@@");
}

TEST(CrossSectionMap, LogReport) {
    CapturedLog log({lfCrossSections});
    omCrossSectionMap m;
    m.insert(new omCrossSectionRect(20, 10, omUK_cm, 3));
    m.logFileReport();
    const std::string heading = "Cross-sections in the omCrossSectionMap object:";
    EXPECT_EQ(log.text(), "\n" + heading + "\n" + std::string(heading.size(), '*') +
                              "\n\nTotal number of cross-sections materials: 1\n"
                              "\nid=3, Name: , Variables: { 2: 20.000000, 10.000000 }"
                              "\n\tA: 200.000000, Iy: 6666.666667, Wy: 666.666667" +
                              "\n" + std::string(74, '-') + "\n");
}

TEST(CrossSectionMap, ReportsBeforeTheProgramCreatesTheLogCreateNone) {
    omLogFile::Release();
    omCrossSectionMap m;
    m.insert(new omCrossSectionRect(20, 10, omUK_cm, 3));
    m.logFileReport();
    m.find(3)->logFileReport();
    EXPECT_EQ(omLogFile::m_LogFile, nullptr);
}

TEST(CrossSectionMap, NoLogWithoutTheCategory) {
    CapturedLog log({lfMaterials, lfCrossSectionProperties});
    omCrossSectionMap m;
    m.insert(new omCrossSectionRect(20, 10, omUK_cm, 3));
    m.logFileReport();
    EXPECT_EQ(log.text(), "");
}

} // namespace
