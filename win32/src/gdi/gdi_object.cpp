#include "gdi/gdi_object.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace win32::gdi {

namespace {

// Handle value: generation in the high 15 bits, slot + 1 in the low 16 bits. The generation
// changes each time a slot is reused, so an old handle never reaches the new occupant.
constexpr uint32_t kSlotMask = 0xFFFF;
constexpr uint32_t kMaxSlots = 0xFFFE;

struct Slot {
    ObjectPtr object;
    uint16_t generation = 1;
};

} // namespace

class ObjectTable {
public:
    HGDIOBJ Add(ObjectPtr object)
    {
        std::lock_guard lock(m_mutex);
        uint32_t index;
        if (!m_free.empty()) {
            index = m_free.back();
            m_free.pop_back();
        } else {
            if (m_slots.size() >= kMaxSlots)
                return nullptr;
            index = static_cast<uint32_t>(m_slots.size());
            m_slots.emplace_back();
        }
        Slot &slot = m_slots[index];
        uint32_t value = (static_cast<uint32_t>(slot.generation) << 16) | (index + 1);
        object->m_handle = reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(value));
        slot.object = std::move(object);
        return slot.object->m_handle;
    }

    void Remove(HGDIOBJ handle)
    {
        ObjectPtr doomed; // destroyed outside the lock: a DC's destructor releases other objects
        {
            std::lock_guard lock(m_mutex);
            Slot *slot = Find(handle);
            if (!slot)
                return;
            doomed = std::move(slot->object);
            slot->generation = static_cast<uint16_t>((slot->generation % 0x7FFF) + 1);
            m_free.push_back(SlotIndex(handle));
        }
    }

    ObjectPtr Lookup(HGDIOBJ handle)
    {
        std::lock_guard lock(m_mutex);
        Slot *slot = Find(handle);
        return slot ? slot->object : nullptr;
    }

    size_t LiveCount()
    {
        std::lock_guard lock(m_mutex);
        return m_slots.size() - m_free.size();
    }

private:
    static uint32_t SlotIndex(HGDIOBJ handle)
    {
        return (static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)) & kSlotMask) - 1;
    }

    Slot *Find(HGDIOBJ handle)
    {
        uint32_t value = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
        if ((value & kSlotMask) == 0)
            return nullptr;
        uint32_t index = SlotIndex(handle);
        if (index >= m_slots.size())
            return nullptr;
        Slot &slot = m_slots[index];
        if (!slot.object || slot.generation != (value >> 16))
            return nullptr;
        return &slot;
    }

    std::recursive_mutex m_mutex;
    std::vector<Slot> m_slots;
    std::vector<uint32_t> m_free;
};

namespace {

ObjectTable &Table()
{
    static ObjectTable *table = new ObjectTable; // never destroyed: handles may be used during exit
    return *table;
}

} // namespace

size_t LiveObjectCount()
{
    return Table().LiveCount();
}

HGDIOBJ AddObject(ObjectPtr object)
{
    if (!object)
        return nullptr;
    HGDIOBJ handle = Table().Add(std::move(object));
    if (!handle)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return handle;
}

void RemoveObject(HGDIOBJ handle) { Table().Remove(handle); }

ObjectPtr LookupObject(HGDIOBJ handle)
{
    ObjectPtr object = Table().Lookup(handle);
    if (!object)
        SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

} // namespace win32::gdi
