// Accelerator tables: LoadAcceleratorsA, CreateAcceleratorTableA, DestroyAcceleratorTable,
// CopyAcceleratorTableA, and the read access that TranslateAcceleratorA uses.
#include "kernel/accelerator_table.h"
#include "kernel/handle_table.h"
#include "kernel/resource_data.h"

#include <algorithm>
#include <map>

namespace win32::kernel {
namespace {

// The end-of-table mark of the resource format; not part of an ACCEL's flags.
constexpr BYTE kLastEntry = 0x80;
// A resource entry: WORD fVirt, WORD key, WORD cmd, WORD padding.
constexpr DWORD kResourceEntrySize = 8;

struct AcceleratorTable {
    std::vector<ACCEL> entries;
    HRSRC source = nullptr; // the resource it was loaded from, if any
};

class AcceleratorTables {
public:
    static AcceleratorTables &Instance() {
        static AcceleratorTables *const tables = new AcceleratorTables; // outlives every user
        return *tables;
    }

    HACCEL Create(std::vector<ACCEL> entries, HRSRC source) {
        auto table = std::make_unique<AcceleratorTable>();
        table->entries = std::move(entries);
        table->source = source;
        HACCEL handle = m_tables.Insert<HACCEL>(std::move(table));
        if (source) {
            std::lock_guard lock(m_mutex);
            m_loaded[source] = handle;
        }
        return handle;
    }

    // The platform hands out the same table each time a resource is loaded.
    HACCEL Loaded(HRSRC source) {
        std::lock_guard lock(m_mutex);
        auto it = m_loaded.find(source);
        return it == m_loaded.end() ? nullptr : it->second;
    }

    const AcceleratorTable *Find(HACCEL handle) const { return m_tables.Find(handle); }

    bool Destroy(HACCEL handle) {
        std::unique_ptr<AcceleratorTable> table = m_tables.Remove(handle);
        if (!table)
            return false;
        if (table->source) {
            std::lock_guard lock(m_mutex);
            m_loaded.erase(table->source);
        }
        return true;
    }

private:
    HandleTable<AcceleratorTable> m_tables;
    std::mutex m_mutex;
    std::map<HRSRC, HACCEL> m_loaded;
};

std::vector<ACCEL> ParseAcceleratorResource(const ResourceBytes &bytes) {
    std::vector<ACCEL> entries;
    for (DWORD offset = 0; bytes.size - offset >= kResourceEntrySize; offset += kResourceEntrySize) {
        const BYTE *at = bytes.data + offset;
        ACCEL accel{};
        accel.fVirt = static_cast<BYTE>(at[0] & ~kLastEntry);
        accel.key = static_cast<WORD>(at[2] | (at[3] << 8));
        accel.cmd = static_cast<WORD>(at[4] | (at[5] << 8));
        entries.push_back(accel);
        if (at[0] & kLastEntry)
            break;
    }
    return entries;
}

const AcceleratorTable *FindTable(HACCEL handle) {
    const AcceleratorTable *table = AcceleratorTables::Instance().Find(handle);
    if (!table)
        SetLastError(ERROR_INVALID_ACCEL_HANDLE);
    return table;
}

} // namespace

bool GetAcceleratorEntries(HACCEL table, std::vector<ACCEL> &out) {
    out.clear();
    const AcceleratorTable *found = AcceleratorTables::Instance().Find(table);
    if (!found)
        return false;
    out = found->entries;
    return true;
}

} // namespace win32::kernel

using namespace win32::kernel;

HACCEL WINAPI LoadAcceleratorsA(HINSTANCE hInstance, LPCSTR lpTableName) {
    HRSRC resource = FindResourceA(hInstance, lpTableName, RT_ACCELERATOR);
    if (!resource)
        return nullptr;
    AcceleratorTables &tables = AcceleratorTables::Instance();
    if (HACCEL loaded = tables.Loaded(resource))
        return loaded;
    ResourceBytes bytes;
    if (!LoadResourceBytes(hInstance, lpTableName, RT_ACCELERATOR, bytes))
        return nullptr;
    std::vector<ACCEL> entries = ParseAcceleratorResource(bytes);
    if (entries.empty()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return tables.Create(std::move(entries), resource);
}

HACCEL WINAPI CreateAcceleratorTableA(LPACCEL paccel, int cAccel) {
    if (!paccel || cAccel <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<ACCEL> entries(paccel, paccel + cAccel);
    for (ACCEL &entry : entries)
        entry.fVirt = static_cast<BYTE>(entry.fVirt & ~kLastEntry);
    return AcceleratorTables::Instance().Create(std::move(entries), nullptr);
}

BOOL WINAPI DestroyAcceleratorTable(HACCEL hAccel) {
    if (!AcceleratorTables::Instance().Destroy(hAccel)) {
        SetLastError(ERROR_INVALID_ACCEL_HANDLE);
        return FALSE;
    }
    return TRUE;
}

int WINAPI CopyAcceleratorTableA(HACCEL hAccelSrc, LPACCEL lpAccelDst, int cAccelEntries) {
    const AcceleratorTable *table = FindTable(hAccelSrc);
    if (!table)
        return 0;
    int count = static_cast<int>(table->entries.size());
    if (!lpAccelDst)
        return count;
    int copied = std::min(count, std::max(cAccelEntries, 0));
    std::copy_n(table->entries.begin(), copied, lpAccelDst);
    return copied;
}
