#include "app/shell/AStorageInterface.h"

#include "SettingsFixture.h"

#include "app/shell/AStrakonDocument.h"
#include "common/omNumberFormat.h"
#include "common/omUnitValue.h"
#include "app/design/omRCSteel.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionMap.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omDofStructureType.h"
#include "model/omElementLoadGroup.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLoadCaseResult.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNode2D.h"
#include "model/omNodeMap.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <functional>
#include <string>
#include <vector>

namespace {

// The record bytes, written by hand: little-endian words, doubles, and strings
// with the one-, three- or seven-byte length prefix.
struct Bytes {
    std::vector<std::uint8_t> b;
    Bytes& u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    Bytes& f64(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, 8);
        for (int i = 0; i < 8; ++i)
            b.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        return *this;
    }
    Bytes& u8(std::uint8_t v) {
        b.push_back(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return u8(static_cast<std::uint8_t>(v)).u8(static_cast<std::uint8_t>(v >> 8)); }
    Bytes& str(const std::string& s) {
        if (s.size() < 255) {
            u8(static_cast<std::uint8_t>(s.size()));
        } else if (s.size() < 0xFFFE) {
            u8(0xFF).u16(static_cast<std::uint16_t>(s.size()));
        } else {
            u8(0xFF).u16(0xFFFF).u32(static_cast<std::uint32_t>(s.size()));
        }
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& uv(double v, const std::string& unit) { return u32(10000).f64(v).str(unit); }
    Bytes& vec(std::initializer_list<double> v) {
        u32(10000).u32(static_cast<std::uint32_t>(v.size()));
        for (double x : v)
            f64(x);
        return *this;
    }
    Bytes& add(const Bytes& other) {
        b.insert(b.end(), other.b.begin(), other.b.end());
        return *this;
    }
};

const omDofStructureType* dofType() {
    return omDofStrakonStructureType::instance();
}

std::vector<std::uint8_t> store(const std::function<void(CArchive&)>& write) {
    CArchive ar(CArchive::store);
    write(ar);
    return ar.Detach();
}

// Reads the bytes with read; every byte must be taken.
void load(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
    CArchive ar(CArchive::load, bytes.b);
    read(ar);
    EXPECT_EQ(ar.BytesLeft(), 0u);
}

Bytes csVariable(const std::string& name, double value) {
    Bytes b;
    b.u32(10000).f64(0.0).f64(100.0).f64(0.5).u32(1).f64(value).str(name).str(name + " text").uv(value, "cm");
    return b;
}

Bytes crossSectionBase(unsigned index, int variables) {
    Bytes b;
    b.u32(10000).u32(index).str("I").u32(0x112233);
    const char* names[] = {"h", "b", "tw", "tf", "w"};
    for (int i = 0; i < variables; ++i)
        b.add(csVariable(names[i], 10.0 + i));
    return b;
}

Bytes nodeRecord(std::int32_t id, std::initializer_list<std::uint32_t> flags, const std::string& name) {
    Bytes b;
    b.u32(10000).i32(id).i32(static_cast<std::int32_t>(flags.size()));
    for (std::uint32_t f : flags)
        b.u32(f);
    b.u32(0).i32(0).str(name);
    return b;
}

Bytes planeNodeRecord(std::int32_t id, double x, double z) {
    Bytes b;
    b.u32(10000).add(nodeRecord(id, {1, 0, 1}, "N")).uv(x, "m").uv(z, "m");
    return b;
}

Bytes linkedNodeRecord() {
    Bytes b;
    b.u32(10000).u32(10000).add(nodeRecord(0, {0, 0, 0}, "")).i32(3).u32(0).u32(0).u32(1);
    return b;
}

Bytes memberRecord(unsigned version, unsigned index, unsigned n1, unsigned n2) {
    Bytes b;
    b.u32(version).u32(index).str("M").u32(n1).u32(n2).add(linkedNodeRecord()).add(linkedNodeRecord());
    b.u32(1).u32(2);
    if (version > 10000) b.u32(3);
    b.u32(0).u32(4);
    if (version > 10000) b.u32(0);
    return b;
}

class AStorageInterfaceTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AStorageInterface::InitializeAll();
    }
};

TEST_F(AStorageInterfaceTest, TheTableInstallsOneInterfacePerStoredClass) {
    EXPECT_NE(omVector::m_pSI, nullptr);
    EXPECT_NE(omCrossSectionStandardI::m_pSI, nullptr);
    EXPECT_NE(omLoadLinear::m_pSI, nullptr);
    EXPECT_NE(omLoadLinear::m_pSI, omLoad::m_pSI);
    EXPECT_NE(AOutputStructureAttributes::m_pSI, nullptr);
    EXPECT_NE(ASIUnitValue::m_pSI, nullptr);
    EXPECT_NE(ASIGuiStrakon::m_pSI, nullptr);
}

struct GoldenCase {
    const char* name;
    Bytes bytes;
    // Reads the bytes into a new object, checks it, and writes it back (null:
    // an older layout, whose writing gives the newest one).
    std::function<void(CArchive& in)> read;
    std::function<void(CArchive& out)> write;
};

TEST_F(AStorageInterfaceTest, GoldenRecordsReadToTheirFieldsAndWriteBackByteIdentical) {
    omUnitValue value;
    omNumberFormat format;
    omVector vector;
    omLoadGroup group;
    omLoadCase lc(dofType());
    omSteel steel(0u);
    omCrossSectionIDS ids(0u);
    omLoadLinear linear(dofType(), 0);
    omNodeMap nodes;
    const std::vector<GoldenCase> cases = {
        {"unit value", Bytes().uv(2.5, "kN"),
         [&](CArchive& ar) {
             ASIUnitValue::SerializeValue(value, ar);
             EXPECT_EQ(value.GetValue(), 2.5);
             EXPECT_EQ(value.GetKey(), omUK_kN);
         },
         [&](CArchive& ar) { ASIUnitValue::SerializeValue(value, ar); }},
        {"number format", Bytes().u32(10001).u32(4).i32(2).u32(1).u32(1).f64(1e-9),
         [&](CArchive& ar) {
             ASINumberFormat::SerializeValue(format, ar);
             EXPECT_EQ(format, omNumberFormat(4, omNumberFormat::scientific, true, true, 1e-9));
         },
         [&](CArchive& ar) { ASINumberFormat::SerializeValue(format, ar); }},
        {"number format 10000", Bytes().u32(10000).u32(4).i32(0).u32(1),
         [&](CArchive& ar) {
             omNumberFormat f;
             ASINumberFormat::SerializeValue(f, ar);
             EXPECT_EQ(f, omNumberFormat(4, omNumberFormat::smart, true, false, 1e-12));
         },
         nullptr},
        {"number format 10005 read as the newest", Bytes().u32(10005).u32(6).i32(1).u32(0).u32(7).f64(1e-6),
         [&](CArchive& ar) {
             omNumberFormat f;
             ASINumberFormat::SerializeValue(f, ar);
             EXPECT_EQ(f, omNumberFormat(6, omNumberFormat::fixed, false, true, 1e-6));
         },
         nullptr},
        {"empty vector", Bytes().vec({}),
         [&](CArchive& ar) {
             omVector::m_pSI->Serialize(&vector, ar);
             EXPECT_EQ(vector.size(), 0);
         },
         [&](CArchive& ar) { omVector::m_pSI->Serialize(&vector, ar); }},
        {"load group", Bytes().u32(10000).str("Dead load"),
         [&](CArchive& ar) {
             omLoadGroup::m_pSI->Serialize(&group, ar);
             EXPECT_EQ(group.name(), "Dead load");
         },
         [&](CArchive& ar) { omLoadGroup::m_pSI->Serialize(&group, ar); }},
        {"load case",
         Bytes().u32(10001).vec({1.35, 1.5}).str("LC").i32(5).f64(12.0).f64(2.5).f64(0.004).f64(0.003)
             .uv(3.0, "m").uv(1.0, "m").vec({1, 2, 3}).vec({4, 5, 6}),
         [&](CArchive& ar) {
             omLoadCase::m_pSI->Serialize(&lc, ar);
             EXPECT_EQ(lc.name(), "LC");
             EXPECT_EQ(lc.limitState(), omLoadCase::lsUltimatePT);
             EXPECT_EQ(lc.getFiCreep(), 2.5);
             double rx = 0, rz = 0;
             omUnitValue cx, cz;
             lc.getSkew(rx, rz, cx, cz);
             EXPECT_EQ(rx, 0.003);
             EXPECT_EQ(rz, 0.004);
             EXPECT_EQ(cx.GetValue(), 1.0);
             EXPECT_EQ(cz.GetValue(), 3.0);
             EXPECT_EQ(lc.getMaxAbsCP(), 12.0);
             EXPECT_EQ(lc.getMaxAbsU()[2], 6.0);
         },
         [&](CArchive& ar) { omLoadCase::m_pSI->Serialize(&lc, ar); }},
        {"load case 10000", Bytes().u32(10000).vec({1.0}).str("Old").i32(1).vec({}).vec({}),
         [&](CArchive& ar) {
             omLoadCase c(dofType());
             c.setFiCreep(1.25);
             omLoadCase::m_pSI->Serialize(&c, ar);
             EXPECT_EQ(c.name(), "Old");
             EXPECT_EQ(c.getFiCreep(), 1.25);
         },
         nullptr},
        {"steel",
         Bytes().u32(10001).u32(10000).i32(3).str("S355").u32(0xFF).f64(0.3).uv(21000, "kN/cm2")
             .uv(8100, "kN/cm2").uv(1.2e-5, "1/\xB0" "C").uv(7850, "kg/m3").uv(35.5, "kN/cm2").uv(49.0, "kN/cm2"),
         [&](CArchive& ar) {
             omSteel::m_pSI->Serialize(&steel, ar);
             EXPECT_EQ(steel.getIndex(), 3u);
             EXPECT_EQ(steel.name(), "S355");
             EXPECT_EQ(steel.fu().GetValue(), 49.0);
         },
         [&](CArchive& ar) { omSteel::m_pSI->Serialize(&steel, ar); }},
        {"steel 10000 with its dropped word",
         Bytes().u32(10000).u32(10000).i32(3).str("St").u32(0).f64(0.3).uv(1, "kN/cm2").uv(1, "kN/cm2")
             .uv(1, "1/C").uv(1, "kg/m3").uv(24, "kN/cm2").uv(36, "kN/cm2").i32(77),
         [&](CArchive& ar) {
             omSteel s(0u);
             omSteel::m_pSI->Serialize(&s, ar);
             EXPECT_EQ(s.fy().GetValue(), 24.0);
         },
         nullptr},
        {"IDS", Bytes().u32(10002).add(crossSectionBase(7, 5)).u32(1).u32(0x100),
         [&](CArchive& ar) {
             omCrossSectionIDS::m_pSI->Serialize(&ids, ar);
             EXPECT_EQ(ids.getIndex(), 7u);
             EXPECT_TRUE(ids.changeAxis());
             EXPECT_FALSE(ids.isRolled()); // the flag's lowest byte is 0
             EXPECT_EQ(ids.name(4), "tf");
         },
         nullptr},
        {"IDS 10001", Bytes().u32(10001).add(crossSectionBase(7, 5)).u32(1),
         [&](CArchive& ar) {
             omCrossSectionIDS c(0u);
             c.setRolled(true);
             omCrossSectionIDS::m_pSI->Serialize(&c, ar);
             EXPECT_TRUE(c.changeAxis());
             EXPECT_TRUE(c.isRolled());
         },
         nullptr},
        {"IDS 10000", Bytes().u32(10000).add(crossSectionBase(7, 5)),
         [&](CArchive& ar) {
             omCrossSectionIDS c(0u);
             omCrossSectionIDS::m_pSI->Serialize(&c, ar);
             EXPECT_FALSE(c.changeAxis());
         },
         nullptr},
        {"catalogue I 10000",
         Bytes().u32(10000).add(crossSectionBase(2, 5)).u32(10000).str("IPE 200")
             .f64(20).f64(10).f64(0.85).f64(0.56).f64(15.9).f64(28.5).f64(1943).f64(194).f64(142).f64(28.5)
             .f64(221).f64(6.98).f64(12990).str("IPE"),
         [&](CArchive& ar) {
             omCrossSectionStandardI c(0u);
             omCrossSectionStandardI::m_pSI->Serialize(&c, ar);
             EXPECT_EQ(c.getSectionName(), "IPE 200");
             EXPECT_EQ(c.getGroup(), "IPE");
             EXPECT_FALSE(c.changeAxis());
         },
         nullptr},
        {"linear load 10000",
         [] {
             Bytes b;
             b.u32(10000).u32(10000).i32(1).str("q").u32(2);
             for (int t = 0; t < 6; ++t)
                 b.uv(t == 2 ? 7.5 : 0.0, "kN/m");
             b.f64(0.0).f64(1.0).i32(0);
             return b;
         }(),
         [&](CArchive& ar) {
             omLoadLinear::m_pSI->Serialize(&linear, ar);
             EXPECT_EQ(linear.getFe(Uz).GetValue(), 7.5);
             EXPECT_EQ(linear.getLoadGroupIndex(), 2u);
             EXPECT_EQ(linear.getScope(), omLoad::LocalCS);
         },
         nullptr},
        {"node map with the older node tag",
         Bytes().u32(10000).i32(1).str(".?AVGuiNode2D@@").u32(10000).add(planeNodeRecord(4, 1.5, -2.0))
             .u32(10000).u32(1).f64(90.0),
         [&](CArchive& ar) {
             omNodeMap::m_pSI->Serialize(&nodes, ar);
             ASSERT_TRUE(nodes.exist(4));
             EXPECT_TRUE(nodes.find(4)->getSupport(Ux));
             EXPECT_FALSE(nodes.find(4)->getSupport(Uz));
         },
         nullptr},
        {"load manager 10000",
         Bytes().u32(10000).i32(1).i32(1).u32(10000).str("G").u32(10000).vec({1.0}).str("C").i32(0).vec({}).vec({}),
         [&](CArchive& ar) {
             omLoadManager lm;
             AStorageContext<const omDofStructureType> type(AStorageInterfaces::loadManager->m_pStructureType,
                                                            dofType());
             omLoadManager::m_pSI->Serialize(&lm, ar);
             EXPECT_EQ(lm.groupSize(), 1);
             EXPECT_EQ(lm.caseSize(), 1);
             EXPECT_EQ(lm.envelopeSize(), 0);
         },
         nullptr},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.name);
        load(c.bytes, c.read);
        if (c.write) {
            EXPECT_EQ(store(c.write), c.bytes.b);
        }
    }
}

TEST_F(AStorageInterfaceTest, MembersAndTheirResultsReadOlderLayoutsAndAliasTags) {
    omNodeMap nodes;
    nodes.insert(new omNode2D(0.0, 0.0, "m", 1));
    nodes.insert(new omNode2D(5.0, 0.0, "m", 2));
    Bytes map;
    map.u32(10000).u32(2);
    map.str(".?AVGuiLinearDesignElement2D@@").u32(10000).add(memberRecord(10000, 1, 1, 2));
    map.str(".?AVGuiQuentraDesignElement@@").u32(10000).add(memberRecord(10001, 2, 2, 1));
    omElementMap elements;
    {
        AStorageContext<omNodeMap> context(AStorageInterfaces::elementMap->m_pNodeMap, &nodes);
        load(map, [&](CArchive& ar) { omElementMap::m_pSI->Serialize(&elements, ar); });
    }
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_TRUE(elements.find(1)->isLinear());
    EXPECT_FALSE(elements.find(2)->isLinear());
    EXPECT_EQ(elements.find(1)->getMaterialIndex2(), 0u);
    EXPECT_EQ(elements.find(2)->getMaterialIndex2(), 3u);

    // Results of version 10000: no pressures.
    omLoadManager lm;
    lm.addGroup(omLoadGroup("G"));
    lm.addCase(new omLoadCase("A", omLoadCase::lsUltimate, dofType()), false);
    Bytes result;
    result.u32(10000).u32(2).f64(0.0).f64(1.0).u32(1).vec({1, 2, 3}).vec({4, 5, 6}).vec({7, 8, 9}).vec({1, 1, 1});
    omElementResult& r = elements.find(1)->getResult();
    {
        AStorageContext<omLoadManager> context(AStorageInterfaces::elementResult->m_pLoadManager, &lm);
        load(result, [&](CArchive& ar) { omElementResult::m_pSI->Serialize(&r, ar); });
    }
    ASSERT_EQ(r.caseSize(), 1);
    EXPECT_EQ(r.getLCResult(1).getLoadCase(), lm.getCase(1));
    EXPECT_EQ(r.getLCResult(1)[1].F[0], 7.0);
    EXPECT_EQ(r.getLCResult(1)[1].pressure, 0.0);
}

TEST_F(AStorageInterfaceTest, MembersAndTheirResultsAtTheNewestLayoutWriteBackByteIdentical) {
    omNodeMap nodes;
    nodes.insert(new omNode2D(0.0, 0.0, "m", 1));
    nodes.insert(new omNode2D(5.0, 0.0, "m", 2));
    // A linear member on ground (both sides, 0.04 kN/m3) and a non-linear one.
    Bytes map;
    map.u32(10000).u32(2);
    map.str(".?AVALinearDesignElement2D@@").u32(10001).u32(1).uv(0.04, "kN/m3").add(memberRecord(10001, 1, 1, 2));
    map.str(".?AVAQuentraDesignElement@@").u32(10000).add(memberRecord(10001, 2, 2, 1));
    omElementMap elements;
    {
        AStorageContext<omNodeMap> context(AStorageInterfaces::elementMap->m_pNodeMap, &nodes);
        load(map, [&](CArchive& ar) { omElementMap::m_pSI->Serialize(&elements, ar); });
    }
    ASSERT_EQ(elements.size(), 2u);
    auto* linear = dynamic_cast<omLinearDesignElement2D*>(elements.find(1));
    ASSERT_NE(linear, nullptr);
    EXPECT_EQ(linear->getElGroundType(), egBothSides);
    EXPECT_EQ(linear->getElGroundCoef().GetValue(), 0.04);
    EXPECT_EQ(linear->getCrossSectionIndex(), 1u);
    EXPECT_EQ(linear->getMaterialIndex(), 2u);
    EXPECT_EQ(linear->getMaterialIndex2(), 3u);
    EXPECT_EQ(linear->getNumberOfFE(), 4u);
    EXPECT_FALSE(elements.find(2)->isLinear());
    EXPECT_EQ(elements.find(2)->getNodeIndex1(), 2u);
    EXPECT_EQ(store([&](CArchive& ar) { omElementMap::m_pSI->Serialize(&elements, ar); }), map.b);

    // Results of two load cases at two points, with the pressures of 10001.
    omLoadManager lm;
    lm.addGroup(omLoadGroup("G"));
    lm.addCase(new omLoadCase("A", omLoadCase::lsUltimate, dofType()), false);
    lm.addCase(new omLoadCase("B", omLoadCase::lsServiceability, dofType()), false);
    Bytes result;
    result.u32(10001).u32(2).f64(0.0).f64(5.0).u32(2);
    for (double c : {1.0, 2.0})
        for (double x : {0.0, 5.0})
            result.vec({c, x, -c}).vec({0.001 * c, 0.0, x}).f64(c * 10.0 + x);
    omElementResult& r = linear->getResult();
    {
        AStorageContext<omLoadManager> context(AStorageInterfaces::elementResult->m_pLoadManager, &lm);
        load(result, [&](CArchive& ar) { omElementResult::m_pSI->Serialize(&r, ar); });
    }
    ASSERT_EQ(r.caseSize(), 2);
    EXPECT_EQ(r.getLCResult(2).getLoadCase(), lm.getCase(2));
    EXPECT_EQ(r.getLCResult(2)[1].F[1], 5.0);
    EXPECT_EQ(r.getLCResult(2)[1].pressure, 25.0);
    EXPECT_EQ(store([&](CArchive& ar) { omElementResult::m_pSI->Serialize(&r, ar); }), result.b);
}

TEST_F(AStorageInterfaceTest, ContextSerialisersRefuseToWorkWithoutTheirContext) {
    omElementMap elements;
    Bytes map;
    map.u32(10000).u32(0);
    CArchive ar(CArchive::load, map.b);
    EXPECT_THROW(omElementMap::m_pSI->Serialize(&elements, ar), CArchiveException);
    omLoadManager lm;
    CArchive ar2(CArchive::load, Bytes().u32(10001).i32(0).i32(0).i32(0).b);
    EXPECT_THROW(omLoadManager::m_pSI->Serialize(&lm, ar2), CArchiveException);
}

TEST_F(AStorageInterfaceTest, StringsUseTheirLengthPrefixAndTextOutsideTheCodePageGoesWide) {
    for (std::size_t n : {254u, 255u, 65534u}) {
        omLoadGroup g(std::string(n, 'a'));
        std::vector<std::uint8_t> bytes = store([&](CArchive& ar) { omLoadGroup::m_pSI->Serialize(&g, ar); });
        EXPECT_EQ(bytes, Bytes().u32(10000).str(std::string(n, 'a')).b) << n;
    }
    omLoadGroup greek("\xCE\xB1\xCE\xB2"); // alpha beta: not in Windows-1252
    std::vector<std::uint8_t> bytes = store([&](CArchive& ar) { omLoadGroup::m_pSI->Serialize(&greek, ar); });
    EXPECT_EQ(bytes, Bytes().u32(10000).u8(0xFF).u16(0xFFFE).u8(2).u16(0x3B1).u16(0x3B2).b);
    omLoadGroup back;
    load(Bytes{bytes}, [&](CArchive& ar) { omLoadGroup::m_pSI->Serialize(&back, ar); });
    EXPECT_EQ(back.name(), greek.name());
}

TEST_F(AStorageInterfaceTest, EmptyAndRepeatedCaseNamesAreKeptInFileOrder) {
    Bytes b;
    b.u32(10001).i32(2).i32(3).u32(10000).str("").u32(10000).str("");
    for (const char* name : {"", "Same", "Same"})
        b.u32(10001).vec({1.0, 1.0}).str(name).i32(0).f64(0).f64(0).f64(0).f64(0).uv(0, "cm").uv(0, "cm")
            .vec({}).vec({});
    b.i32(1).u32(10000).str("E").u32(1).u32(0).u32(0).u32(0).i32(0).f64(0.0).i32(1).u32(3).vec({}).vec({});
    omLoadManager lm;
    AStorageContext<const omDofStructureType> type(AStorageInterfaces::loadManager->m_pStructureType, dofType());
    load(b, [&](CArchive& ar) { omLoadManager::m_pSI->Serialize(&lm, ar); });
    EXPECT_EQ(lm.groupSize(), 2);
    ASSERT_EQ(lm.caseSize(), 3);
    EXPECT_EQ(lm.getCase(3)->name(), "Same");
    EXPECT_EQ(lm.getEnvelope(1)->getLoadCases(), std::vector<unsigned>{3});
    // Written back in the current layout, the names keep their order.
    const std::vector<std::uint8_t> written = store([&](CArchive& ar) { omLoadManager::m_pSI->Serialize(&lm, ar); });
    omLoadManager again;
    load(Bytes{written}, [&](CArchive& ar) { omLoadManager::m_pSI->Serialize(&again, ar); });
    ASSERT_EQ(again.caseSize(), 3);
    EXPECT_EQ(again.getCase(1)->name(), "");
    EXPECT_EQ(again.getCase(2)->name(), "Same");
    EXPECT_EQ(again.getCase(3)->name(), "Same");
    EXPECT_EQ(store([&](CArchive& ar) { omLoadManager::m_pSI->Serialize(&again, ar); }), written);
}

TEST_F(AStorageInterfaceTest, OldSettingsRecordsAreReadAsTheirVersionSays) {
    // Unit keys of version 10000 set the user's units; an unknown name keeps the user's unit.
    AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    keys->SetMetricDefaults();
    const omUnitKey userForce = keys->force;
    Bytes unitKeys;
    unitKeys.u32(10000);
    const char* names[] = {"m", "m2", "m3", "m4", "rad", "furlong", "kNm", "kN/m2", "C", "1/C", "kN/m", "kNm/m", "kg", "kg/m3"};
    for (const char* n : names)
        unitKeys.str(n);
    load(unitKeys, [&](CArchive& ar) { AUnitKeyAttributes::m_pSI->Serialize(keys, ar); });
    EXPECT_EQ(keys->length, omUK_m);
    EXPECT_EQ(keys->force, userForce);
    // Options of version 10000 are read and dropped.
    AOptionsAttributes* options = AOptionsAttributes::Instance();
    const omNumberFormat work = options->workFormat;
    Bytes old;
    old.u32(10000).u32(10000).u32(3).i32(0).u32(1).u32(10000).u32(3).i32(0).u32(1).str("a").str("b").f64(1).f64(2);
    for (int i = 0; i < 7; ++i)
        old.i32(i);
    old.f64(3);
    load(old, [&](CArchive& ar) { AOptionsAttributes::m_pSI->Serialize(options, ar); });
    EXPECT_EQ(options->workFormat, work);
    // Output settings of version 10000 keep the description.
    AOutputStructureAttributes output;
    output.m_strDescription = "kept";
    Bytes lists;
    lists.u32(10000).u32(1).str("Action").u32(0).u32(0).u32(1).str("[EN]: E");
    load(lists, [&](CArchive& ar) { AOutputStructureAttributes::m_pSI->Serialize(&output, ar); });
    EXPECT_EQ(output.m_printedActions, std::vector<std::string>{"Action"});
    EXPECT_EQ(output.m_strDescription, "kept");
    // The current records of unit keys and options are the bare version word.
    EXPECT_EQ(store([&](CArchive& ar) { AUnitKeyAttributes::m_pSI->Serialize(keys, ar); }), Bytes().u32(10001).b);
    EXPECT_EQ(store([&](CArchive& ar) { AOptionsAttributes::m_pSI->Serialize(options, ar); }), Bytes().u32(10001).b);
}

// One damaged record per kind of fault: each ends the load with the archive's
// bad-format exception, and nothing read before is left leaking.
TEST_F(AStorageInterfaceTest, DamagedRecordsEndTheLoadWithTheArchiveException) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto nodeMap = [](std::initializer_list<Bytes> nodes) {
        Bytes b;
        b.u32(10000).i32(static_cast<std::int32_t>(nodes.size()));
        for (const Bytes& n : nodes)
            b.str(".?AVANode2D@@").u32(10000).add(n).u32(10000).u32(1).f64(0.0);
        return b;
    };
    auto readNodes = [](CArchive& ar) {
        omNodeMap nodes;
        omNodeMap::m_pSI->Serialize(&nodes, ar);
    };
    auto readManager = [](CArchive& ar) {
        omLoadManager lm;
        AStorageContext<const omDofStructureType> type(AStorageInterfaces::loadManager->m_pStructureType, dofType());
        omLoadManager::m_pSI->Serialize(&lm, ar);
    };
    Bytes flags2;
    flags2.u32(10000).u32(10000).i32(1).i32(2).u32(1).u32(1).u32(0).i32(0).str("").uv(0, "m").uv(0, "m");
    Bytes badUnit;
    badUnit.u32(10000).add(nodeRecord(1, {0, 0, 0}, "")).uv(0, "furlong").uv(0, "m");
    Bytes nanNode;
    nanNode.u32(10000).add(nodeRecord(1, {0, 0, 0}, "")).uv(nan, "m").uv(0, "m");
    Bytes envelope;
    envelope.u32(10001).i32(0).i32(1).u32(10000).vec({}).str("C").i32(0).vec({}).vec({});
    envelope.i32(1).u32(10000).str("E").u32(1).u32(0).u32(0).u32(0).i32(0).f64(0).i32(1).u32(2).vec({}).vec({});
    Bytes limitState;
    limitState.u32(10001).i32(0).i32(1).u32(10000).vec({}).str("C").i32(7).vec({}).vec({}).i32(0);
    Bytes quantity;
    quantity.u32(10001).i32(0).i32(0).i32(1).u32(10000).str("E").u32(1).u32(0).u32(0).u32(0).i32(7);
    struct Fault {
        const char* name;
        Bytes bytes;
        std::function<void(CArchive&)> read;
    };
    const std::vector<Fault> faults = {
        {"negative count", Bytes().u32(10000).u32(0xFFFFFFFF),
         [](CArchive& ar) {
             omVector v;
             omVector::m_pSI->Serialize(&v, ar);
         }},
        {"count beyond the data", Bytes().u32(10000).u32(1000000).f64(1.0),
         [](CArchive& ar) {
             omVector v;
             omVector::m_pSI->Serialize(&v, ar);
         }},
        {"support flags not three", flags2, [&](CArchive& ar) {
             omNode2D node(0.0, 0.0, "cm", 0);
             omNode2D::m_pSI->Serialize(&node, ar);
         }},
        {"node number taken", nodeMap({planeNodeRecord(4, 0, 0), planeNodeRecord(4, 1, 1)}), readNodes},
        {"node number zero", nodeMap({planeNodeRecord(0, 0, 0)}), readNodes},
        {"unknown node class", Bytes().u32(10000).i32(1).str(".?AVomNode2D@@").add(planeNodeRecord(1, 0, 0)), readNodes},
        {"unknown unit", nodeMap({badUnit}), readNodes},
        {"coordinate not a number", nodeMap({nanNode}), readNodes},
        {"envelope of a missing case", envelope, readManager},
        {"limit state out of range", limitState, readManager},
        {"envelope quantity out of range", quantity, readManager},
        {"number format type out of range", Bytes().u32(10000).u32(4).i32(3).u32(1),
         [](CArchive& ar) {
             omNumberFormat f;
             ASINumberFormat::SerializeValue(f, ar);
         }},
        {"load scope out of range", Bytes().u32(10000).i32(3).str("q").u32(1),
         [](CArchive& ar) {
             omLoadForce f(dofType(), 0);
             omLoad::m_pSI->Serialize(&f, ar);
         }},
        {"ductility class out of range",
         Bytes().u32(10000).u32(10000).i32(3).str("B").u32(0).f64(0.3).uv(1, "kN/cm2").uv(1, "kN/cm2").uv(1, "1/C")
             .uv(1, "kg/m3").uv(50, "kN/cm2").i32(3),
         [](CArchive& ar) {
             omRCSteel m(0u);
             omRCSteel::m_pSI->Serialize(&m, ar);
         }},
        {"unknown cross-section class", Bytes().u32(10000).u32(1).u32(1).str(".?AVomCrossSectionL@@").u32(10000),
         [](CArchive& ar) {
             omCrossSectionMap map;
             omCrossSectionMap::m_pSI->Serialize(&map, ar);
         }},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.name);
        CArchive ar(CArchive::load, f.bytes.b);
        EXPECT_THROW(f.read(ar), CArchiveException);
    }

    // Members: an end node that is not in the node map, and a ground type out of range.
    omNodeMap nodes;
    nodes.insert(new omNode2D(0.0, 0.0, "m", 1));
    for (const Bytes& map : {Bytes().u32(10000).u32(1).str(".?AVALinearDesignElement2D@@").u32(10000)
                                 .add(memberRecord(10001, 1, 1, 2)),
                             Bytes().u32(10000).u32(1).str(".?AVALinearDesignElement2D@@").u32(10001).u32(4)
                                 .uv(0, "kN/cm3").add(memberRecord(10001, 1, 1, 1))}) {
        omElementMap elements;
        AStorageContext<omNodeMap> context(AStorageInterfaces::elementMap->m_pNodeMap, &nodes);
        CArchive ar(CArchive::load, map.b);
        EXPECT_THROW(omElementMap::m_pSI->Serialize(&elements, ar), CArchiveException);
        EXPECT_TRUE(elements.empty());
    }
    // Results for more load cases than the structure has.
    omLoadManager lm;
    omLinearDesignElement2D member(nodes, 1u, 1u, 0u, 0u, 1u);
    AStorageContext<omLoadManager> context(AStorageInterfaces::elementResult->m_pLoadManager, &lm);
    CArchive ar(CArchive::load, Bytes().u32(10001).u32(0).u32(1).b);
    EXPECT_THROW(omElementResult::m_pSI->Serialize(&member.getResult(), ar), CArchiveException);
}

} // namespace
