// The dialog library as the host loads it: LoadLibraryA, then every export looked up by name.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class OrvdlgLibrary {
public:
    // Tries the explicit path when one is given; otherwise "orvdlg.dll" (the application's directory, then the
    // loader's search path), then the fallback (the build tree's library).
    bool Load(const std::string &explicitPath, const std::string &fallback);
    HMODULE Module() const { return m_module; }
    std::string FileName() const;

    // The export, or null; a missing name is remembered.
    template <typename Function> Function Find(const char *name)
    {
        return reinterpret_cast<Function>(reinterpret_cast<void *>(FindProc(name)));
    }
    bool Has(const char *name) const { return GetProcAddress(m_module, name) != nullptr; }
    const std::vector<std::string> &Missing() const { return m_missing; }

private:
    FARPROC FindProc(const char *name);

    HMODULE m_module = nullptr;
    std::vector<std::string> m_missing;
};
