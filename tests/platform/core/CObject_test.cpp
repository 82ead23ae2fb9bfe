#include "platform/core/CObList.h"
#include "platform/core/CObject.h"
#include "tests/platform/core/SampleObjects.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CObject, IsKindOfFollowsTheDeclaredHierarchy) {
    SampleShape shape;
    SampleCircle circle;
    SamplePlain plain;
    CObList list;
    struct Case {
        const CObject* object;
        CRuntimeClass* cls;
        bool expected;
    } cases[] = {
        {&shape, RUNTIME_CLASS(SampleShape), true},
        {&shape, RUNTIME_CLASS(CObject), true},
        {&shape, RUNTIME_CLASS(SampleCircle), false},
        {&circle, RUNTIME_CLASS(SampleCircle), true},
        {&circle, RUNTIME_CLASS(SampleShape), true},
        {&circle, RUNTIME_CLASS(CObject), true},
        {&circle, RUNTIME_CLASS(SampleDynamic), false},
        {&plain, RUNTIME_CLASS(SampleShape), true},
        {&list, RUNTIME_CLASS(CObList), true},
        {&list, RUNTIME_CLASS(CObject), true},
        {&list, RUNTIME_CLASS(SampleShape), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bool(c.object->IsKindOf(c.cls)), c.expected)
            << c.object->GetRuntimeClass()->m_lpszClassName << " of " << c.cls->m_lpszClassName;
    }
}

TEST(CObject, RuntimeClassCarriesNameSchemaAndBase) {
    SampleCircle circle;
    SamplePlain plain;
    CRuntimeClass* cls = circle.GetRuntimeClass();
    EXPECT_EQ(cls, RUNTIME_CLASS(SampleCircle));
    EXPECT_STREQ(cls->m_lpszClassName, "SampleCircle");
    EXPECT_EQ(cls->m_wSchema, 2u);
    EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(SampleShape));
    EXPECT_EQ(RUNTIME_CLASS(SampleShape)->m_pBaseClass, RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
    // A class without a record of its own reports its nearest declared base.
    EXPECT_EQ(plain.GetRuntimeClass(), RUNTIME_CLASS(SampleShape));
    EXPECT_TRUE(circle.IsSerializable());
    EXPECT_FALSE(SampleCreatable().IsSerializable());
}

TEST(CObject, CreatesObjectsByClassNameForCreatableClassesOnly) {
    struct Case {
        const char* name;
        CRuntimeClass* found;
        bool creatable;
    } cases[] = {
        {"SampleShape", RUNTIME_CLASS(SampleShape), true},
        {"SampleCircle", RUNTIME_CLASS(SampleCircle), true},
        {"SampleCreatable", RUNTIME_CLASS(SampleCreatable), true},
        {"CObList", RUNTIME_CLASS(CObList), true},
        {"SampleDynamic", RUNTIME_CLASS(SampleDynamic), false},
        {"CObject", RUNTIME_CLASS(CObject), false},
        {"samplecircle", nullptr, false},
        {"NoSuchClass", nullptr, false},
        {"", nullptr, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CRuntimeClass::FromName(c.name), c.found) << c.name;
        std::unique_ptr<CObject> object(CRuntimeClass::CreateObject(c.name));
        EXPECT_EQ(object != nullptr, c.creatable) << c.name;
        if (object) {
            EXPECT_EQ(object->GetRuntimeClass(), c.found) << c.name;
        }
    }
}

TEST(CObject, CreatedObjectIsDefaultConstructed) {
    std::unique_ptr<CObject> object(RUNTIME_CLASS(SampleCircle)->CreateObject());
    ASSERT_TRUE(object);
    auto* circle = static_cast<SampleCircle*>(object.get());
    EXPECT_EQ(circle->m_id, 0);
    EXPECT_TRUE(circle->m_name.IsEmpty());
    EXPECT_EQ(circle->m_radius, 0.0);
}
