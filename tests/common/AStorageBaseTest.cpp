#include "common/AStorageBase.h"

#include <gtest/gtest.h>

namespace {
class TStored : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
};
class TOther : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
};
} // namespace

TEST(AStorageBase, EachClassKeepsItsOwnInterfacePointer) {
    auto* si = reinterpret_cast<ABaseStorageInterface*>(0x1000);
    TStored a;
    TOther b;
    EXPECT_EQ(a.GetStorageInterface(), nullptr);
    TStored::InitializeStorageInterface(si);
    const AStorageBase& base = a;
    EXPECT_EQ(base.GetStorageInterface(), si);
    EXPECT_EQ(b.GetStorageInterface(), nullptr);
    TStored::InitializeStorageInterface(nullptr);
}
