// LoadLibraryA, FreeLibrary, GetProcAddress, GetModuleHandleA, GetModuleFileNameA.
// Libraries are loaded with dlopen. As on Win32, the FreeLibrary that balances the last LoadLibraryA
// unloads the library (its static destructors run, its resources unregister); a later LoadLibraryA
// loads it afresh. Modules that were never loaded with LoadLibraryA are never unloaded.
#include "kernel/module_table.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <map>
#include <mutex>

namespace win32::kernel {
namespace {

struct LoadRecord {
    void *dlHandle = nullptr;
    unsigned loadCount = 0;
    bool loadedByUs = false; // dlHandle came from LoadLibraryA's own dlopen
};

class LoadRecords {
public:
    static LoadRecords &Instance() {
        static LoadRecords *const records = new LoadRecords; // outlives every static destructor
        return *records;
    }

    void AddLoad(HMODULE module, void *dlHandle) {
        std::lock_guard lock(m_mutex);
        LoadRecord &record = m_records[module];
        if (dlHandle && !record.loadedByUs) {
            // The loader counts each dlopen: a handle opened for lookups before is given back.
            if (record.dlHandle)
                dlclose(record.dlHandle);
            record.dlHandle = dlHandle;
            record.loadedByUs = true;
        }
        ++record.loadCount;
    }

    bool Release(HMODULE module) {
        void *unload = nullptr;
        {
            std::lock_guard lock(m_mutex);
            auto it = m_records.find(module);
            if (it == m_records.end() || it->second.loadCount == 0)
                return true;
            if (--it->second.loadCount == 0 && it->second.loadedByUs) {
                unload = it->second.dlHandle;
                m_records.erase(it);
            }
        }
        // The library's destructors run here and may call back into the stand-in: no lock is held.
        if (unload)
            dlclose(unload);
        return true;
    }

    // A dlsym handle for the module, opened once without loading anything new.
    void *DlHandle(HMODULE module) {
        std::lock_guard lock(m_mutex);
        LoadRecord &record = m_records[module];
        if (!record.dlHandle) {
            if (module == ExecutableModule())
                record.dlHandle = dlopen(nullptr, RTLD_NOW);
            else
                record.dlHandle = dlopen(ModulePath(module).c_str(), RTLD_NOW | RTLD_NOLOAD);
        }
        return record.dlHandle;
    }

private:
    std::mutex m_mutex;
    std::map<HMODULE, LoadRecord> m_records;
};

HMODULE ModuleOfDlHandle(void *handle) {
    link_map *map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return nullptr;
    return ModuleContaining(map->l_ld);
}

std::string ExecutableDirectory() {
    std::string path = ModulePath(ExecutableModule());
    return path.substr(0, path.find_last_of('/') + 1);
}

// Win32 looks in the application's directory first; a bare name then goes through the dynamic
// loader's own search.
void *OpenLibrary(const char *name) {
    for (const std::string &candidate : ModuleFileCandidates(name)) {
        if (candidate.find('/') == std::string::npos) {
            if (void *handle = dlopen((ExecutableDirectory() + candidate).c_str(), RTLD_NOW | RTLD_LOCAL))
                return handle;
        }
        if (void *handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    }
    return nullptr;
}

} // namespace
} // namespace win32::kernel

using namespace win32::kernel;

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
    if (!lpLibFileName || !*lpLibFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (IsSystemModuleName(lpLibFileName)) {
        LoadRecords::Instance().AddLoad(OwnModule(), nullptr);
        return OwnModule();
    }
    // A module already loaded is found by name first, whatever the case of the name.
    if (HMODULE loaded = FindLoadedModule(lpLibFileName)) {
        LoadRecords::Instance().AddLoad(loaded, nullptr);
        return loaded;
    }
    // dlopen runs the library's constructors, which register its resources: no lock is held here.
    void *handle = OpenLibrary(lpLibFileName);
    HMODULE module = handle ? ModuleOfDlHandle(handle) : nullptr;
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    LoadRecords::Instance().AddLoad(module, handle);
    return module;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    if (!IsModule(hLibModule)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return LoadRecords::Instance().Release(hLibModule);
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    HMODULE module = hModule ? hModule : ExecutableModule();
    if (!IsModule(module)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // Exports are found by name only: an ordinal means nothing to a shared object.
    void *handle = IS_INTRESOURCE(lpProcName) ? nullptr : LoadRecords::Instance().DlHandle(module);
    void *symbol = handle ? dlsym(handle, lpProcName) : nullptr;
    // dlsym also searches the module's dependencies; GetProcAddress finds the module's own exports.
    if (!symbol || ModuleContaining(symbol) != module) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (!lpModuleName)
        return ExecutableModule();
    HMODULE module = FindLoadedModule(lpModuleName);
    if (!module)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return module;
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    std::string path = ModulePath(hModule ? hModule : ExecutableModule());
    if (path.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!lpFilename || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // As on current Win32: a too-small buffer gets a truncated, terminated path and nSize.
    if (path.size() >= nSize) {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = 0;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
