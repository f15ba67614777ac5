// FindResourceA, FindResourceExA, LoadResource, LockResource, SizeofResource, FreeResource.
// An HRSRC is the address of the resource's entry in its module's registered table; the HGLOBAL
// of a loaded resource is the address of its bytes, which stay valid while the module is loaded.
#include "kernel/ansi_codepage.h"
#include "kernel/module_table.h"
#include "kernel/resource_data.h"
#include "kernel/resource_registry.h"

#include <cstdlib>
#include <string>

namespace win32::kernel {
namespace {

struct ResourceId {
    bool isOrdinal = true;
    WORD ordinal = 0;
    std::u16string text;

    bool Matches(const WCHAR *entryText, WORD entryOrdinal) const {
        if (isOrdinal)
            return !entryText && entryOrdinal == ordinal;
        return entryText && EqualsIgnoreCase(text, entryText);
    }
};

// "#123" names the ordinal 123, as in the platform's loader.
ResourceId ParseResourceId(LPCSTR id) {
    ResourceId result;
    if (IS_INTRESOURCE(id)) {
        result.ordinal = LOWORD(reinterpret_cast<ULONG_PTR>(id));
        return result;
    }
    if (id[0] == '#' && id[1] >= '0' && id[1] <= '9') {
        char *end = nullptr;
        unsigned long value = std::strtoul(id + 1, &end, 10);
        if (*end == 0 && value <= 0xFFFF) {
            result.ordinal = static_cast<WORD>(value);
            return result;
        }
    }
    result.isOrdinal = false;
    result.text = AnsiToUnicode(id);
    return result;
}

constexpr WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kUserDefault = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);

WORD PrimaryLanguage(WORD language) { return language & 0x3FF; }

// Lower is better; the order in which the loader tries languages for a request. A request for
// the neutral language means "the thread's language", which here is US English.
int LanguageRank(WORD requested, WORD candidate) {
    if (requested == 0) {
        if (candidate == 0)
            return 0;
        if (candidate == kUserDefault)
            return 1;
        if (candidate == kUsEnglish)
            return 2;
        if (PrimaryLanguage(candidate) == LANG_ENGLISH)
            return 3;
        return 4;
    }
    if (candidate == requested)
        return 0;
    if (candidate == MAKELANGID(PrimaryLanguage(requested), SUBLANG_NEUTRAL))
        return 1;
    if (candidate == 0)
        return 2;
    return -1; // never chosen for an explicit language
}

HRSRC Find(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD language) {
    HMODULE module = hModule ? hModule : ExecutableModule();
    if (!IsModule(module)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!lpType || !lpName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<const WIN32_RESOURCE_ENTRY *> entries = ResourceRegistry::Instance().EntriesOf(module);
    if (entries.empty()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    ResourceId type = ParseResourceId(lpType);
    ResourceId name = ParseResourceId(lpName);
    bool typeFound = false;
    bool nameFound = false;
    const WIN32_RESOURCE_ENTRY *best = nullptr;
    int bestRank = 0;
    for (const WIN32_RESOURCE_ENTRY *entry : entries) {
        if (!type.Matches(entry->typeName, entry->typeId))
            continue;
        typeFound = true;
        if (!name.Matches(entry->name, entry->nameId))
            continue;
        nameFound = true;
        int rank = LanguageRank(language, entry->language);
        if (rank >= 0 && (!best || rank < bestRank)) {
            best = entry;
            bestRank = rank;
        }
    }
    if (!best) {
        SetLastError(!typeFound   ? ERROR_RESOURCE_TYPE_NOT_FOUND
                     : !nameFound ? ERROR_RESOURCE_NAME_NOT_FOUND
                                  : ERROR_RESOURCE_LANG_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<WIN32_RESOURCE_ENTRY *>(best));
}

const WIN32_RESOURCE_ENTRY *EntryOf(HRSRC resource) {
    auto *entry = reinterpret_cast<const WIN32_RESOURCE_ENTRY *>(resource);
    if (!entry || !ResourceRegistry::Instance().Contains(entry)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return entry;
}

} // namespace

bool LoadResourceBytes(HMODULE module, LPCSTR name, LPCSTR type, ResourceBytes &out) {
    HRSRC resource = FindResourceA(module, name, type);
    const WIN32_RESOURCE_ENTRY *entry = resource ? EntryOf(resource) : nullptr;
    if (!entry)
        return false;
    out.data = static_cast<const BYTE *>(entry->data);
    out.size = entry->size;
    return true;
}

} // namespace win32::kernel

using namespace win32::kernel;

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) { return Find(hModule, lpType, lpName, 0); }

HRSRC WINAPI FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    return Find(hModule, lpType, lpName, wLanguage);
}

HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    const WIN32_RESOURCE_ENTRY *entry = EntryOf(hResInfo);
    return entry ? const_cast<void *>(entry->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    const WIN32_RESOURCE_ENTRY *entry = EntryOf(hResInfo);
    return entry ? entry->size : 0;
}

// Loaded resources belong to their module and are never freed one by one.
BOOL WINAPI FreeResource(HGLOBAL hResData) { return FALSE; }
