#include "kernel/resource_registry.h"

#include "kernel/module_table.h"

#include <algorithm>
#include <functional>

namespace win32::kernel {

ResourceRegistry &ResourceRegistry::Instance() {
    // Never destroyed: modules unregister from their own static destructors, whose order relative
    // to this library's is not fixed.
    static ResourceRegistry *const registry = new ResourceRegistry;
    return *registry;
}

void ResourceRegistry::Add(HMODULE module, const WIN32_RESOURCE_ENTRY *entries, unsigned count) {
    std::lock_guard lock(m_mutex);
    m_tables.push_back({module, entries, count});
}

void ResourceRegistry::Remove(const WIN32_RESOURCE_ENTRY *entries) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_tables, [entries](const Table &table) { return table.entries == entries; });
}

bool ResourceRegistry::HasTables(HMODULE module) const {
    std::lock_guard lock(m_mutex);
    return std::any_of(m_tables.begin(), m_tables.end(), [module](const Table &table) { return table.module == module; });
}

std::vector<const WIN32_RESOURCE_ENTRY *> ResourceRegistry::EntriesOf(HMODULE module) const {
    std::lock_guard lock(m_mutex);
    std::vector<const WIN32_RESOURCE_ENTRY *> result;
    for (const Table &table : m_tables) {
        if (table.module != module)
            continue;
        for (unsigned i = 0; i < table.count; ++i)
            result.push_back(table.entries + i);
    }
    return result;
}

bool ResourceRegistry::Contains(const WIN32_RESOURCE_ENTRY *entry) const {
    std::lock_guard lock(m_mutex);
    std::less<const WIN32_RESOURCE_ENTRY *> before; // a total order even across unrelated arrays
    for (const Table &table : m_tables) {
        if (!before(entry, table.entries) && before(entry, table.entries + table.count)) {
            auto offset = reinterpret_cast<const char *>(entry) - reinterpret_cast<const char *>(table.entries);
            return offset % sizeof(WIN32_RESOURCE_ENTRY) == 0;
        }
    }
    return false;
}

} // namespace win32::kernel

void WINAPI Win32Resources_Register(const void *anchorInModule, const WIN32_RESOURCE_ENTRY *entries, unsigned count) {
    HMODULE module = win32::kernel::ModuleContaining(anchorInModule);
    if (module && entries)
        win32::kernel::ResourceRegistry::Instance().Add(module, entries, count);
}

void WINAPI Win32Resources_Unregister(const WIN32_RESOURCE_ENTRY *entries) {
    win32::kernel::ResourceRegistry::Instance().Remove(entries);
}
