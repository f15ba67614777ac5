#include "orvdlg_library.h"

#include <algorithm>

bool OrvdlgLibrary::Load(const std::string &explicitPath, const std::string &fallback)
{
    if (!explicitPath.empty())
        m_module = LoadLibraryA(explicitPath.c_str());
    else {
        m_module = LoadLibraryA("orvdlg.dll");
        if (!m_module && !fallback.empty())
            m_module = LoadLibraryA(fallback.c_str());
    }
    return m_module != nullptr;
}

std::string OrvdlgLibrary::FileName() const
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(m_module, path, sizeof path);
    return path;
}

FARPROC OrvdlgLibrary::FindProc(const char *name)
{
    FARPROC proc = m_module ? GetProcAddress(m_module, name) : nullptr;
    if (!proc && std::find(m_missing.begin(), m_missing.end(), name) == m_missing.end())
        m_missing.push_back(name);
    return proc;
}
