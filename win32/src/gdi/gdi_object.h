// The GDI object table: every pen, brush, font, bitmap, region, palette and DC lives behind a
// handle that carries its slot and a generation, so a stale handle or one of the wrong kind is
// recognised and refused instead of being dereferenced.
#pragma once
#include <windows.h>

#include <memory>

namespace win32::gdi {

enum class ObjectKind {
    Pen = OBJ_PEN,
    Brush = OBJ_BRUSH,
    Dc = OBJ_DC,
    Palette = OBJ_PAL,
    Font = OBJ_FONT,
    Bitmap = OBJ_BITMAP,
    Region = OBJ_REGION,
    MemoryDc = OBJ_MEMDC,
    // USER objects kept in the same table; GetObjectType does not report them.
    Icon = 100,
};

class GdiObject {
public:
    explicit GdiObject(ObjectKind kind) : m_kind(kind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;

    ObjectKind Kind() const { return m_kind; }
    HGDIOBJ Handle() const { return m_handle; }
    // Stock objects and system colour brushes survive DeleteObject.
    bool IsPermanent() const { return m_permanent; }
    void MakePermanent() { m_permanent = true; }

private:
    friend class ObjectTable;
    ObjectKind m_kind;
    HGDIOBJ m_handle = nullptr;
    bool m_permanent = false;
};

using ObjectPtr = std::shared_ptr<GdiObject>;

// How many handles are live, stock objects included: what GetGuiResources reports.
size_t LiveObjectCount();

// Registers an object and returns its new handle.
HGDIOBJ AddObject(ObjectPtr object);
// Removes the handle from the table; the object lives on while a DC still holds it.
void RemoveObject(HGDIOBJ handle);
// The object behind a handle, or null (ERROR_INVALID_HANDLE set) when the handle is stale.
ObjectPtr LookupObject(HGDIOBJ handle);

// The object behind a handle when it is of type T, else null with ERROR_INVALID_HANDLE.
template <class T> std::shared_ptr<T> Lookup(HGDIOBJ handle)
{
    ObjectPtr object = LookupObject(handle);
    if (!object)
        return nullptr;
    if (object->Kind() != T::kKind && !(T::kKind == ObjectKind::Dc && object->Kind() == ObjectKind::MemoryDc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return std::static_pointer_cast<T>(object);
}

// Creates an object of type T, registers it and returns its handle typed as H.
template <class T, class H, class... Args> H CreateObjectHandle(Args &&...args)
{
    return static_cast<H>(AddObject(std::make_shared<T>(std::forward<Args>(args)...)));
}

} // namespace win32::gdi
