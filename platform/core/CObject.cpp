#include "platform/core/CObject.h"

constinit CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), MQ_NO_SCHEMA, nullptr,
                                                 nullptr,   nullptr,         false};

static const MQClassRegistrar mqRegistrarCObject(&CObject::classCObject);

CRuntimeClass* CObject::GetThisClass() {
    classCObject.Register();
    return &classCObject;
}

CRuntimeClass* CObject::GetRuntimeClass() const {
    return GetThisClass();
}

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
