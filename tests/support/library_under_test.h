// A library loaded the way a host loads it: LoadLibraryA, then exports by name.
#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

class LibraryUnderTest {
public:
    explicit LibraryUnderTest(const std::string &path) : m_module(LoadLibraryA(path.c_str()))
    {
        if (!m_module)
            throw std::runtime_error("cannot load " + path);
    }
    HMODULE Module() const { return m_module; }
    template <typename Function> Function Export(const char *name) const
    {
        FARPROC proc = GetProcAddress(m_module, name);
        if (!proc)
            throw std::runtime_error(std::string("missing export ") + name);
        return reinterpret_cast<Function>(reinterpret_cast<void *>(proc));
    }

private:
    HMODULE m_module;
};
