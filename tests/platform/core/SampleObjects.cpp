#include "tests/platform/core/SampleObjects.h"

IMPLEMENT_SERIAL(SampleShape, CObject, 1)
IMPLEMENT_SERIAL(SampleCircle, SampleShape, 2)
IMPLEMENT_SERIAL(SampleVersioned, CObject, VERSIONABLE_SCHEMA | 3)
IMPLEMENT_DYNCREATE(SampleCreatable, CObject)
IMPLEMENT_DYNAMIC(SampleDynamic, CObject)

void SampleShape::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_name << m_id;
    else
        ar >> m_name >> m_id;
}

void SampleCircle::Serialize(CArchive& ar) {
    SampleShape::Serialize(ar);
    if (ar.IsStoring())
        ar << m_radius;
    else
        ar >> m_radius;
}

void SampleVersioned::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_value << m_tag;
        return;
    }
    m_loadedSchema = ar.GetObjectSchema();
    ar >> m_value;
    if (m_loadedSchema >= 3)
        ar >> m_tag;
}
