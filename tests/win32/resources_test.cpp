// Resources of the test executable (win32_tests.rc): FindResourceA/ExA, LoadResource, string
// tables and accelerator tables, as a module sees them on Win32.
#include "win32_tests_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct ResourceView {
    const BYTE *data = nullptr;
    DWORD size = 0;
};

ResourceView Load(LPCSTR name, LPCSTR type, HMODULE module = nullptr) {
    HRSRC resource = FindResourceA(module, name, type);
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(module, resource);
    return {static_cast<const BYTE *>(LockResource(loaded)), SizeofResource(module, resource)};
}

WORD Word(const BYTE *at) { return static_cast<WORD>(at[0] | (at[1] << 8)); }
DWORD Dword(const BYTE *at) { return Word(at) | (DWORD(Word(at + 2)) << 16); }

std::string LoadText(UINT id, int bufferSize = 256) {
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize), 'x');
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), bufferSize);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer.data())));
    return buffer.data();
}

TEST(ResourcesFind, DialogTemplatesHoldTheCompiledBytes) {
    ResourceView ex = Load(MAKEINTRESOURCEA(IDD_RES_DIALOGEX), RT_DIALOG);
    ASSERT_NE(ex.data, nullptr);
    ASSERT_GE(ex.size, 26u);
    EXPECT_EQ(Word(ex.data), 1);          // dlgVer
    EXPECT_EQ(Word(ex.data + 2), 0xFFFF); // signature of an extended template
    EXPECT_EQ(Dword(ex.data + 8), static_cast<DWORD>(WS_EX_CONTEXTHELP));
    DWORD style = Dword(ex.data + 12);
    EXPECT_EQ(style & (DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION),
              static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION));
    EXPECT_EQ(Word(ex.data + 16), 6); // controls
    EXPECT_EQ(static_cast<short>(Word(ex.data + 18)), 10);
    EXPECT_EQ(static_cast<short>(Word(ex.data + 20)), 20);
    EXPECT_EQ(static_cast<short>(Word(ex.data + 22)), 200);
    EXPECT_EQ(static_cast<short>(Word(ex.data + 24)), 120);
    // Resource data is DWORD-aligned, as the dialog manager expects of a template.
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(ex.data) % 4, 0u);

    ResourceView plain = Load(MAKEINTRESOURCEA(IDD_RES_DIALOG), RT_DIALOG);
    ASSERT_NE(plain.data, nullptr);
    ASSERT_GE(plain.size, 18u);
    auto *header = reinterpret_cast<const DLGTEMPLATE *>(plain.data);
    EXPECT_EQ(header->style & (WS_POPUP | WS_CAPTION), static_cast<DWORD>(WS_POPUP | WS_CAPTION));
    EXPECT_EQ(header->style & DS_SETFONT, 0u);
    EXPECT_EQ(header->cdit, 2);
    EXPECT_EQ(header->cx, 120);
}

TEST(ResourcesFind, NamesMayBeOrdinalsHashNumbersOrCaseInsensitiveStrings) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC byOrdinal = FindResourceA(self, MAKEINTRESOURCEA(IDR_RES_DATA), RT_RCDATA);
    ASSERT_NE(byOrdinal, nullptr);
    EXPECT_EQ(FindResourceA(self, "#5203", RT_RCDATA), byOrdinal);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_RES_DATA), "#10"), byOrdinal);

    ResourceView data = Load(MAKEINTRESOURCEA(IDR_RES_DATA), RT_RCDATA, self);
    ASSERT_EQ(data.size, 3u);
    EXPECT_EQ(std::memcmp(data.data, "abc", 3), 0);

    HRSRC named = FindResourceA(self, "TestBlob", "CustomType");
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(FindResourceA(self, "testblob", "CUSTOMTYPE"), named);
    EXPECT_EQ(SizeofResource(self, named), 2u);
    EXPECT_EQ(Word(static_cast<const BYTE *>(LockResource(LoadResource(self, named)))), 0x1234);
}

TEST(ResourcesFind, ComboItemDataKeepsItsNumericType) {
    ResourceView init = Load(MAKEINTRESOURCEA(IDD_RES_DIALOGEX), MAKEINTRESOURCEA(240));
    ASSERT_EQ(init.size, 13u);
    EXPECT_EQ(Word(init.data), IDC_RES_COMBO);
    EXPECT_EQ(Word(init.data + 2), 0x403); // CB_ADDSTRING
    EXPECT_EQ(Dword(init.data + 4), 3u);
    EXPECT_STREQ(reinterpret_cast<const char *>(init.data + 8), "Ab");
    EXPECT_EQ(Word(init.data + 11), 0); // end of the list
}

TEST(ResourcesFind, MissingResourcesSayWhatIsMissing) {
    SetLastError(0);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(77)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(4999), RT_DIALOG), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(FindResourceA(nullptr, "NoSuchName", "CustomType"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST(ResourcesFind, LanguagesFallBackToEnglishAndExplicitRequestsAreExact) {
    ResourceView preferred = Load(MAKEINTRESOURCEA(IDR_RES_LANGUAGES), RT_RCDATA);
    ASSERT_EQ(preferred.size, 2u);
    EXPECT_EQ(std::memcmp(preferred.data, "en", 2), 0);

    HRSRC german = FindResourceExA(nullptr, RT_RCDATA, MAKEINTRESOURCEA(IDR_RES_LANGUAGES),
                                   MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN));
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(nullptr, german)), "de", 2), 0);

    SetLastError(0);
    EXPECT_EQ(FindResourceExA(nullptr, RT_RCDATA, MAKEINTRESOURCEA(IDR_RES_LANGUAGES),
                              MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_LANG_NOT_FOUND));
}

TEST(ResourcesLoad, ForeignHandlesAreRefused) {
    HRSRC bogus = reinterpret_cast<HRSRC>(static_cast<ULONG_PTR>(0x1230));
    EXPECT_EQ(LoadResource(nullptr, bogus), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, bogus), 0u);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    HRSRC real = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_RES_DATA), RT_RCDATA);
    ASSERT_NE(real, nullptr);
    HRSRC inside = reinterpret_cast<HRSRC>(reinterpret_cast<char *>(real) + 1);
    EXPECT_EQ(SizeofResource(nullptr, inside), 0u);
}

TEST(ResourcesStrings, LoadsFromEveryBlockAndConvertsTheCodePage) {
    EXPECT_EQ(LoadText(IDS_RES_FIRST), "First string");
    EXPECT_EQ(LoadText(IDS_RES_SECOND), "Second string, a little longer");
    EXPECT_EQ(LoadText(IDS_RES_LAST_IN_BLOCK), "Last of its block");
    EXPECT_EQ(LoadText(IDS_RES_NEXT_BLOCK), "Next block");
    EXPECT_EQ(LoadText(IDS_RES_FAR), "Far away");
    EXPECT_EQ(LoadText(IDS_RES_ZERO), "Zero");
    EXPECT_EQ(LoadText(IDS_RES_LATIN1), "Caf\xE9 \x80");
}

TEST(ResourcesStrings, AbsentStringsGiveZeroAndAnEmptyBuffer) {
    EXPECT_EQ(LoadText(IDS_RES_ABSENT_IN_BLOCK), "");
    EXPECT_EQ(LoadText(IDS_RES_EMPTY_BLOCK_ABSENT), "");
    EXPECT_EQ(LoadText(65535), "");
    char untouched = 'q';
    EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), IDS_RES_FIRST, &untouched, 0), 0);
    EXPECT_EQ(untouched, 'q');
}

TEST(ResourcesStrings, TruncatesToTheBufferAndCountsWithoutTheTerminator) {
    EXPECT_EQ(LoadText(IDS_RES_FIRST, 6), "First");
    EXPECT_EQ(LoadText(IDS_RES_FIRST, 1), "");
    EXPECT_EQ(LoadText(IDS_RES_FIRST, 13), "First string");
}

std::vector<ACCEL> CopyTable(HACCEL table) {
    std::vector<ACCEL> entries(static_cast<std::size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
    if (!entries.empty()) {
        EXPECT_EQ(CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size())),
                  static_cast<int>(entries.size()));
    }
    return entries;
}

TEST(ResourcesAccelerators, LoadedTableHasEveryEntryWithItsFlags) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_RES_ACCEL));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries = CopyTable(table);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].fVirt, FVIRTKEY | FCONTROL);
    EXPECT_EQ(entries[0].key, 'N');
    EXPECT_EQ(entries[0].cmd, ID_RES_NEW);
    EXPECT_EQ(entries[1].fVirt, FVIRTKEY | FSHIFT | FALT);
    EXPECT_EQ(entries[1].key, VK_F5);
    EXPECT_EQ(entries[1].cmd, ID_RES_REFRESH);
    EXPECT_EQ(entries[2].fVirt, 0); // an ASCII entry matches the character itself
    EXPECT_EQ(entries[2].key, 'a');
    EXPECT_EQ(entries[3].fVirt, FVIRTKEY | FNOINVERT); // the end mark is not a flag
    EXPECT_EQ(entries[3].cmd, ID_RES_DELETE);

    // Loading a table again gives the table already loaded.
    EXPECT_EQ(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_RES_ACCEL)), table);
    EXPECT_EQ(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_RES_MENU)), nullptr);
}

TEST(ResourcesAccelerators, CreatedTablesCopyAndDestroy) {
    ACCEL source[3] = {{FVIRTKEY | FCONTROL, 'C', 10}, {FVIRTKEY, VK_F1, 11}, {0, 'x', 12}};
    HACCEL table = CreateAcceleratorTableA(source, 3);
    ASSERT_NE(table, nullptr);
    ACCEL copy[2] = {};
    EXPECT_EQ(CopyAcceleratorTableA(table, copy, 2), 2); // only as many as asked for
    EXPECT_EQ(copy[1].key, VK_F1);
    EXPECT_EQ(copy[1].cmd, 11);
    EXPECT_EQ(CopyTable(table).size(), 3u);

    EXPECT_TRUE(DestroyAcceleratorTable(table));
    EXPECT_FALSE(DestroyAcceleratorTable(table));
    EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 0);
    EXPECT_EQ(CreateAcceleratorTableA(source, 0), nullptr);
    EXPECT_EQ(CreateAcceleratorTableA(nullptr, 2), nullptr);
}

} // namespace
