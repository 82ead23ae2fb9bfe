#pragma once
// Run-time class information: a class's name, base, schema and factory, so that objects can be
// asked what they are and created from a class name read back from an archive.
//
// Registration by name (for FromName and for loading archives) happens in two ways: a static
// initialiser next to each IMPLEMENT_ macro registers its class when that object file is
// linked, and the first RUNTIME_CLASS or GetRuntimeClass use registers it at the latest. A
// class in a static library whose object file nothing references is not linked at all, so it
// cannot be created by name: reference it somewhere (RUNTIME_CLASS(X) is enough).

#include "platform/core/Types.h"

class CObject;
class CArchive;

// Or'ed into a schema number: the class can read older stored forms (see GetObjectSchema).
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000;

// Schema of a class that has no stored form (declared dynamic or creatable, not serial).
constexpr UINT MQ_NO_SCHEMA = 0xFFFF;

struct CRuntimeClass {
    // A new object of this class, or nullptr when the class is not creatable.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    BOOL IsSerializable() const { return m_wSchema != MQ_NO_SCHEMA; }

    // The registered class of that exact (case-sensitive) name, or nullptr.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    // A new object of the named class, or nullptr when it is unknown or not creatable.
    static CObject* CreateObject(LPCSTR lpszClassName);

    // The class reference in an archive: schema WORD, name length WORD, the name's bytes.
    void Store(CArchive& ar) const;
    // Reads a class reference; nullptr when the name is too long or no class has it.
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);

    // Adds the class to the registry by name; later calls do nothing.
    void Register();

    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;
    bool m_bRegistered;
};

// Registers a class from a static initialiser (see the note at the top).
struct MQClassRegistrar {
    explicit MQClassRegistrar(CRuntimeClass* pClass) { pClass->Register(); }
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    static CRuntimeClass* GetThisClass();                                                          \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                 \
    DECLARE_DYNCREATE(class_name)                                                                  \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define MQ_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                    \
    constinit CRuntimeClass class_name::class##class_name = {                                      \
        #class_name,                                                                               \
        sizeof(class_name),                                                                        \
        wSchema,                                                                                   \
        pfnNew,                                                                                    \
        &base_class_name::class##base_class_name,                                                  \
        nullptr,                                                                                   \
        false};                                                                                    \
    CRuntimeClass* class_name::GetThisClass() {                                                    \
        class##class_name.Register();                                                              \
        return &class##class_name;                                                                 \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return GetThisClass();                                                                     \
    }                                                                                              \
    static const MQClassRegistrar mqRegistrar##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    MQ_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, MQ_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject() {                                                          \
        return new class_name;                                                                     \
    }                                                                                              \
    MQ_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, MQ_NO_SCHEMA, class_name::CreateObject)

// The reading operator>> that DECLARE_SERIAL promises needs CArchive's full declaration, which
// every file that implements Serialize includes anyway.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                     \
    CObject* class_name::CreateObject() {                                                          \
        return new class_name;                                                                     \
    }                                                                                              \
    MQ_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)      \
    CArchive& operator>>(CArchive& ar, class_name*& pOb) {                                         \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                  \
        return ar;                                                                                 \
    }
