// Handles of user objects (accelerator tables, menus) are the addresses of heap objects that a
// table owns. Every handle an application passes in is looked up before it is used, so a stale or
// made-up handle is reported as invalid instead of being dereferenced.
#pragma once

#include <map>
#include <memory>
#include <mutex>

namespace win32::kernel {

template <class Object> class HandleTable {
public:
    template <class Handle> Handle Insert(std::unique_ptr<Object> object) {
        std::lock_guard lock(m_mutex);
        Object *raw = object.get();
        m_objects.emplace(raw, std::move(object));
        return reinterpret_cast<Handle>(raw);
    }

    // The object of a live handle, or nullptr. Objects are used by the thread that owns their
    // windows; the lock only guards the table itself.
    template <class Handle> Object *Find(Handle handle) const {
        std::lock_guard lock(m_mutex);
        auto it = m_objects.find(reinterpret_cast<const void *>(handle));
        return it == m_objects.end() ? nullptr : it->second.get();
    }

    template <class Handle> std::unique_ptr<Object> Remove(Handle handle) {
        std::lock_guard lock(m_mutex);
        auto it = m_objects.find(reinterpret_cast<const void *>(handle));
        if (it == m_objects.end())
            return nullptr;
        std::unique_ptr<Object> object = std::move(it->second);
        m_objects.erase(it);
        return object;
    }

private:
    mutable std::mutex m_mutex;
    std::map<const void *, std::unique_ptr<Object>> m_objects;
};

} // namespace win32::kernel
