// The resource tables that modules register when they are loaded (see win32_resources.h).
#pragma once

#include <win32_resources.h>
#include <windows.h>

#include <mutex>
#include <vector>

namespace win32::kernel {

class ResourceRegistry {
public:
    static ResourceRegistry &Instance();

    void Add(HMODULE module, const WIN32_RESOURCE_ENTRY *entries, unsigned count);
    void Remove(const WIN32_RESOURCE_ENTRY *entries);

    bool HasTables(HMODULE module) const;
    // Entries of every table of `module`, in registration and file order.
    std::vector<const WIN32_RESOURCE_ENTRY *> EntriesOf(HMODULE module) const;
    // True when `entry` is an entry of a registered table: an HRSRC is checked this way before
    // it is dereferenced.
    bool Contains(const WIN32_RESOURCE_ENTRY *entry) const;

private:
    struct Table {
        HMODULE module;
        const WIN32_RESOURCE_ENTRY *entries;
        unsigned count;
    };

    mutable std::mutex m_mutex;
    std::vector<Table> m_tables;
};

} // namespace win32::kernel
