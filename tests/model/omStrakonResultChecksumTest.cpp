// Every stored result of a 50-storey x 10-bay frame, reduced to one checksum
// per kind of member. Changes that only make the Solve road faster or leaner
// must leave every bit of every result as it was: the factor, the
// displacements, the member results, the maxima and the envelopes.
//
// A change that is meant to change results (another division of the members
// into finite elements, another formulation) takes the checksums anew and says
// why in its commit.
#include "SolveRoad.h"
#include "StoreyFrame.h"

#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// FNV-1a over the bit patterns of the values, in the order they are fed.
class Checksum {
public:
    void add(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            m_hash ^= (bits >> (8 * i)) & 0xffu;
            m_hash *= 0x100000001b3ull;
        }
        ++m_count;
    }
    void add(const omDofVector& v) {
        for (omDofType t : {Ux, Uz, Ry})
            add(v.getDof(t));
    }
    void add(const omLoadCaseResult& points) {
        add(static_cast<double>(points.size()));
        for (const omPointResult& p : points) {
            add(p.F);
            add(p.U);
            add(p.pressure);
        }
    }
    std::uint64_t value() const { return m_hash; }
    long count() const { return m_count; }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ull;
    long m_count = 0;
};

Checksum storedResults(const omStrakon& s) {
    Checksum sum;
    const omLoadManager& manager = *s.getLoadManager();
    const auto cases = static_cast<unsigned>(manager.caseSize());
    const auto envelopes = static_cast<unsigned>(manager.envelopeSize());
    for (const auto& [id, node] : *s.getNodeMap()) {
        for (unsigned lc = 1; lc <= cases; ++lc)
            for (omDofType t : {Ux, Uz, Ry})
                sum.add(node->getResult(lc, t).GetValue());
        for (unsigned i = 1; i <= envelopes; ++i) {
            sum.add(node->getEnvelope(i).first);
            sum.add(node->getEnvelope(i).second);
        }
    }
    for (const auto& [id, element] : *s.getElementMap()) {
        const omElementResult& result = element->getResult();
        for (double x : result.getPoints())
            sum.add(x);
        for (unsigned lc = 1; lc <= cases; ++lc)
            sum.add(result.getLCResult(lc));
        for (unsigned i = 1; i <= envelopes; ++i) {
            sum.add(element->getEnvelope().getMaxResult(i));
            sum.add(element->getEnvelope().getMinResult(i));
        }
    }
    for (unsigned lc = 1; lc <= cases; ++lc) {
        const omLoadCase* c = manager.getCase(static_cast<int>(lc));
        sum.add(c->getMaxAbsF());
        sum.add(c->getMaxAbsU());
        sum.add(c->getMaxAbsCP());
    }
    for (unsigned i = 1; i <= envelopes; ++i) {
        const omEnvelope* e = manager.getEnvelope(i);
        sum.add(e->getMaxAbsF());
        sum.add(e->getMaxAbsU());
        sum.add(e->getMaxAbsCP());
    }
    return sum;
}

struct ChecksumCase {
    storeyframe::Members kind;
    // The checksum of every stored result, and the number of values it covers.
    std::uint64_t checksum;
    long values;
};

class ResultChecksumTest : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(ResultChecksumTest, EveryStoredResultOfTheFrameKeepsItsBits) {
    const ChecksumCase& c = GetParam();
    std::unique_ptr<omStrakon> s = storeyframe::build(50, 10, c.kind);
    ASSERT_TRUE(solveroad::run(*s));
    const Checksum sum = storedResults(*s);
    char printed[40];
    std::snprintf(printed, sizeof printed, "0x%016" PRIx64, sum.value());
    EXPECT_EQ(sum.count(), c.values) << storeyframe::name(c.kind);
    EXPECT_EQ(sum.value(), c.checksum) << storeyframe::name(c.kind) << " now gives " << printed;
}

INSTANTIATE_TEST_SUITE_P(
    FiftyStoreysTenBays, ResultChecksumTest,
    ::testing::Values(ChecksumCase{storeyframe::Members::linear, 0x6297b63ebee9bc13, 406803},
                      ChecksumCase{storeyframe::Members::quentra, 0xe76e29d66be98ba6, 406803},
                      ChecksumCase{storeyframe::Members::dravik, 0x455ef46c05a923f7, 345903}),
    [](const auto& info) { return std::string(storeyframe::name(info.param.kind)); });

} // namespace
