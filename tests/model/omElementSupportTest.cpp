#include "model/omElementSupport.h"

#include "RecordBytes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

omElementSupport support(const std::vector<double>& positions, const std::vector<double>& K) {
    omElementSupport s;
    s.set(positions, K);
    return s;
}

TEST(omElementSupport, NewSupportIsOneFieldWithFactorOne) {
    omElementSupport s;
    EXPECT_EQ(s.getPos(), (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(s.getK(), (std::vector<double>{1.0}));
    EXPECT_FALSE(s.isFullSupport());
    EXPECT_EQ(s.fieldSize(), 1);
    EXPECT_EQ(s.fieldStart(0), 0.0);
    EXPECT_EQ(s.fieldEnd(0), 1.0);
    EXPECT_EQ(s.fieldLength(0), 1.0);
    EXPECT_EQ(s.fieldK(0), 1.0);
    EXPECT_EQ(s.maxBuckLength(6.0, -1, -1), 6.0);
    EXPECT_EQ(s.getFieldsInRange(0.2, 0.7), std::make_pair(0, 0));

    // clear restores the single field and leaves the flag.
    s = support({0.0, 0.3, 1.0}, {0.7, 1.0});
    s.setFullSupport(true);
    s.clear();
    EXPECT_EQ(s.getPos(), (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(s.getK(), (std::vector<double>{1.0}));
    EXPECT_TRUE(s.isFullSupport());

    EXPECT_EQ(support({}, {}).fieldSize(), -1);
}

TEST(omElementSupport, FullySupportedMemberDoesNotBuckle) {
    omElementSupport s;
    s.setFullSupport(true);
    EXPECT_EQ(s.maxBuckLength(6.0, -1, -1), 0.0);
    EXPECT_EQ(s.getFieldsInRange(0.2, 0.7), std::make_pair(-1, -1));
}

TEST(omElementSupport, BucklingLengthIsTheLargestOverTheChosenFields) {
    const omElementSupport s = support({0.0, 0.5, 1.0}, {1.0, 2.0});
    EXPECT_EQ(s.maxBuckLength(4.0, -1, -1), 4.0);
    EXPECT_EQ(s.maxBuckLength(4.0, 0, 0), 2.0);
    EXPECT_EQ(s.maxBuckLength(4.0, 1, 1), 4.0);
    EXPECT_EQ(s.maxBuckLength(4.0, 1, 0), 0.0);

    const omElementSupport three = support({0.0, 0.2, 0.6, 1.0}, {2.0, 0.5, 1.0});
    EXPECT_DOUBLE_EQ(three.maxBuckLength(10.0, -1, -1), 4.0);
    EXPECT_DOUBLE_EQ(three.maxBuckLength(10.0, 1, -1), 4.0);
    EXPECT_DOUBLE_EQ(three.maxBuckLength(10.0, 1, 1), 2.0);
}

TEST(omElementSupport, FieldsInRange) {
    const omElementSupport s = support({0.0, 0.5, 1.0}, {1.0, 2.0});
    struct Case {
        double x1, x2;
        std::pair<int, int> fields;
    };
    for (const Case& c : {
             Case{0.2, 0.7, {0, 1}},
             Case{0.6, 1.0, {1, 1}},
             Case{0.0, 0.3, {0, 0}},
             // The first field ends where the interval ends before any field
             // has been found that contains its start.
             Case{0.5, 0.5, {-1, 0}},
             Case{0.2, 1.5, {0, -1}},
         })
        EXPECT_EQ(s.getFieldsInRange(c.x1, c.x2), c.fields) << c.x1 << ".." << c.x2;
}

// Lists read from a file need not agree; nothing may be read beyond them.
TEST(omElementSupport, FieldsWithoutFactorTakeNoPart) {
    const omElementSupport s = support({0.0, 0.25, 0.5, 1.0}, {1.0});
    EXPECT_EQ(s.maxBuckLength(8.0, -1, -1), 2.0);
    EXPECT_EQ(s.maxBuckLength(8.0, 0, 7), 2.0);
    EXPECT_EQ(support({}, {1.0}).maxBuckLength(8.0, -1, -1), 0.0);
    EXPECT_EQ(support({}, {}).getFieldsInRange(0.0, 1.0), std::make_pair(-1, -1));
    EXPECT_THROW((void)s.fieldK(1), std::out_of_range);
    EXPECT_THROW((void)s.fieldEnd(3), std::out_of_range);
}

TEST(omElementSupport, RecordMatchesTheLayoutAndReadsBack) {
    omElementSupport s = support({0.0, 0.4, 1.0}, {0.7, 1.2});
    s.setFullSupport(true);
    RecordBytes golden;
    golden.integer(1).word(3).real(0.0).real(0.4).real(1.0).word(2).real(0.7).real(1.2).flag(true);
    EXPECT_EQ(storedBytes(s), golden.bytes());

    omElementSupport read = support({0.0, 0.1, 0.2, 1.0}, {1.0, 1.0, 1.0});
    loadFrom(golden.bytes(), read);
    EXPECT_EQ(read.getPos(), s.getPos());
    EXPECT_EQ(read.getK(), s.getK());
    EXPECT_TRUE(read.isFullSupport());
    expectEveryTruncationThrows<omElementSupport>(golden.bytes());

    // The flag is read from its first byte; the version is not checked.
    RecordBytes other;
    other.integer(7).word(0).word(0).byte(0).byte(1).byte(1).byte(1);
    loadFrom(other.bytes(), read);
    EXPECT_TRUE(read.getPos().empty());
    EXPECT_FALSE(read.isFullSupport());
}

TEST(omElementSupport, CountBeyondTheDataIsAFormatError) {
    RecordBytes record;
    record.integer(1).word(0x10000000).real(0.0).real(1.0).word(1).real(1.0).flag(false);
    omElementSupport s;
    CArchive ar(CArchive::load, record.bytes());
    try {
        s.Serialize(ar);
        ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

} // namespace
