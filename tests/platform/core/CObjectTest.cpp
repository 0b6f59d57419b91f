#include "platform/core/CObject.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class TBase : public CObject {
    DECLARE_DYNAMIC(TBase)
};
class TDerived : public TBase {
    DECLARE_DYNCREATE(TDerived)
};
IMPLEMENT_DYNAMIC(TBase, CObject)
IMPLEMENT_DYNCREATE(TDerived, TBase)
} // namespace

TEST(CRuntimeClass, CreatesByNameAndKnowsItsKind) {
    const CRuntimeClass* cls = CRuntimeClass::FromName("TDerived");
    ASSERT_EQ(cls, RUNTIME_CLASS(TDerived));
    std::unique_ptr<CObject> obj(cls->CreateObject());
    ASSERT_TRUE(obj);
    EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(TBase)));
    EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_EQ(RUNTIME_CLASS(TBase)->CreateObject(), nullptr);
    EXPECT_FALSE(RUNTIME_CLASS(TBase)->IsDerivedFrom(RUNTIME_CLASS(TDerived)));
    EXPECT_NE(DYNAMIC_DOWNCAST_PTR<TBase>(obj.get()), nullptr);
}

TEST(CRuntimeClass, TypeTagsAreExactAndCaseSensitive) {
    EXPECT_EQ(RUNTIME_CLASS(TDerived)->TypeTag(), ".?AVTDerived@@");
    EXPECT_EQ(CRuntimeClass::FromTypeTag(".?AVTDerived@@"), RUNTIME_CLASS(TDerived));
    EXPECT_EQ(CRuntimeClass::FromTypeTag(".?AVtderived@@"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromTypeTag("TDerived"), nullptr);
    EXPECT_EQ(CRuntimeClass::NameFromTypeTag(".?AV@@"), "");
}

TEST(CRuntimeClass, CreateObjectAsChecksTheKind) {
    std::unique_ptr<TBase> made(CreateObjectAs<TBase>(RUNTIME_CLASS(TDerived)));
    EXPECT_NE(made, nullptr);
    EXPECT_EQ(CreateObjectAs<TDerived>(RUNTIME_CLASS(TBase)), nullptr); // no factory
    EXPECT_EQ(CreateObjectAs<TBase>(nullptr), nullptr);
}
