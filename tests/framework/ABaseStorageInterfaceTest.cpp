#include "framework/ABaseStorageInterface.h"

#include "common/AStorageBase.h"
#include "platform/core/CArchive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_deleted;

class RecordingInterface : public ABaseStorageInterface {
public:
    explicit RecordingInterface(std::string name) : m_name(std::move(name)) {}
    ~RecordingInterface() override { g_deleted.push_back(m_name); }
    void Serialize(AStorageBase*, CArchive& ar) override { Version(10000, ar); }

private:
    std::string m_name;
};

class omThing : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
};

class ABaseStorageInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ABaseStorageInterface::Release();
        g_deleted.clear();
    }
    void TearDown() override { ABaseStorageInterface::Release(); }
};

TEST_F(ABaseStorageInterfaceTest, AddReturnsItsArgumentAndReleaseDeletesInRegistrationOrder) {
    auto* first = new RecordingInterface("first");
    auto* second = new RecordingInterface("second");
    auto* third = new RecordingInterface("third");
    EXPECT_EQ(ABaseStorageInterface::Add(first), first);
    EXPECT_EQ(ABaseStorageInterface::Add(second), second);
    EXPECT_EQ(ABaseStorageInterface::Add(third), third);

    ABaseStorageInterface::Release();
    EXPECT_EQ(g_deleted, (std::vector<std::string>{"first", "second", "third"}));

    // The registry is empty afterwards: a second release deletes nothing again.
    ABaseStorageInterface::Release();
    EXPECT_EQ(g_deleted.size(), 3u);
}

TEST_F(ABaseStorageInterfaceTest, AnInterfaceAddedTwiceIsDeletedOnce) {
    auto* si = new RecordingInterface("once");
    ABaseStorageInterface::Add(si);
    ABaseStorageInterface::Add(si);
    EXPECT_EQ(ABaseStorageInterface::Add(nullptr), nullptr);
    ABaseStorageInterface::Release();
    EXPECT_EQ(g_deleted, (std::vector<std::string>{"once"}));
}

TEST_F(ABaseStorageInterfaceTest, AddedInterfaceCanBeInstalledInAStoredClassInOneExpression) {
    omThing::InitializeStorageInterface(ABaseStorageInterface::Add(new RecordingInterface("thing")));
    omThing thing;
    ASSERT_NE(thing.GetStorageInterface(), nullptr);

    CArchive ar(CArchive::store);
    thing.GetStorageInterface()->Serialize(&thing, ar);
    EXPECT_EQ(ar.GetBuffer(), (std::vector<std::uint8_t>{0x10, 0x27, 0, 0}));
    omThing::InitializeStorageInterface(nullptr);
}

TEST(ABaseStorageInterfaceVersion, IsWrittenAsFourLittleEndianBytesAndReadBack) {
    CArchive out(CArchive::store);
    EXPECT_EQ(ABaseStorageInterface::Version(20000, out), 20000u);
    EXPECT_EQ(out.GetBuffer(), (std::vector<std::uint8_t>{0x20, 0x4E, 0x00, 0x00}));

    CArchive in(CArchive::load, out.Detach());
    EXPECT_EQ(ABaseStorageInterface::Version(10000, in), 20000u) << "loading returns the stored word";
    EXPECT_EQ(in.BytesLeft(), 0u);
}

TEST(ABaseStorageInterfaceVersion, ReadingPastTheEndThrowsTheEndOfFileArchiveException) {
    CArchive in(CArchive::load, std::vector<std::uint8_t>{0x10, 0x27});
    try {
        ABaseStorageInterface::Version(10000, in);
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

} // namespace
