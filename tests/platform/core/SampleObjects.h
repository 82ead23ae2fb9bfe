#pragma once
// A small class hierarchy for the object, collection and archive tests.

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

// Serial, schema 1: a name and a 32-bit number, stored in that order.
class SampleShape : public CObject {
    DECLARE_SERIAL(SampleShape)
public:
    SampleShape() = default;
    SampleShape(LPCTSTR name, LONG id) : m_name(name), m_id(id) {}
    void Serialize(CArchive& ar) override;

    CString m_name;
    LONG m_id = 0;
};

// Serial, schema 2, derived: the shape's fields, then a radius.
class SampleCircle : public SampleShape {
    DECLARE_SERIAL(SampleCircle)
public:
    void Serialize(CArchive& ar) override;

    double m_radius = 0;
};

// Serial with a versionable schema 3: reads schema 2 (no tag) as well as its own form.
class SampleVersioned : public CObject {
    DECLARE_SERIAL(SampleVersioned)
public:
    void Serialize(CArchive& ar) override;

    LONG m_value = 0;
    CString m_tag;
    UINT m_loadedSchema = 0;
};

// Creatable by name, without a stored form.
class SampleCreatable : public CObject {
    DECLARE_DYNCREATE(SampleCreatable)
};

// Run-time class information only: neither creatable nor storable.
class SampleDynamic : public CObject {
    DECLARE_DYNAMIC(SampleDynamic)
};

// No run-time class record of its own: reports its base's.
class SamplePlain : public SampleShape {};
