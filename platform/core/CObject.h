#pragma once
// The root of the class hierarchy: run-time class queries and the stored form through Serialize.

#include "platform/core/CArchive.h"
#include "platform/core/CRuntimeClass.h"

// The root of every class with run-time class information or a stored form. Objects are not
// copyable unless a class says how.
class CObject {
public:
    virtual ~CObject() = default;

    virtual CRuntimeClass* GetRuntimeClass() const;
    // Writes or reads the object's stored form; the root has none.
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
