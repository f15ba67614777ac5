// CObject and run-time class information: every framework object can name its class, test its
// ancestry and, for classes declared creatable, make a fresh instance of its own class (list rows
// are created from a prototype row's class this way).
#pragma once
#include <windows.h>

class CObject;

struct CRuntimeClass {
    const char *m_lpszClassName;
    int m_nObjectSize;
    CObject *(*m_pfnCreateObject)();
    const CRuntimeClass *m_pBaseClass;

    // A new object of this class, or nullptr when the class is not creatable or memory ran out.
    CObject *CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass *base) const;
};

class CObject {
public:
    // The run-time class comes first among the virtual operations, the destructor second.
    virtual const CRuntimeClass *GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass *cls) const;

    CObject(const CObject &) = delete;
    CObject &operator=(const CObject &) = delete;

    static const CRuntimeClass classCObject;
    static const CRuntimeClass *GetThisClass() { return &classCObject; }

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(className) (&className::class##className)

#define DECLARE_DYNAMIC(className)                                                                                     \
public:                                                                                                                \
    static const CRuntimeClass class##className;                                                                       \
    static const CRuntimeClass *GetThisClass() { return &class##className; }                                           \
    const CRuntimeClass *GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(className)                                                                                   \
    DECLARE_DYNAMIC(className)                                                                                         \
    static CObject *CreateObject();

#define FW_IMPLEMENT_RUNTIMECLASS(className, baseClassName, creator)                                                   \
    const CRuntimeClass className::class##className = {#className, static_cast<int>(sizeof(className)), creator,       \
                                                       RUNTIME_CLASS(baseClassName)};                                  \
    const CRuntimeClass *className::GetRuntimeClass() const { return RUNTIME_CLASS(className); }

#define IMPLEMENT_DYNAMIC(className, baseClassName) FW_IMPLEMENT_RUNTIMECLASS(className, baseClassName, nullptr)

#define IMPLEMENT_DYNCREATE(className, baseClassName)                                                                  \
    CObject *className::CreateObject() { return new className; }                                                       \
    FW_IMPLEMENT_RUNTIMECLASS(className, baseClassName, &className::CreateObject)
