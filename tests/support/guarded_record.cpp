#include "guarded_record.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <stdexcept>

namespace {
size_t PageSize()
{
#if defined(_WIN32)
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
#else
    return static_cast<size_t>(sysconf(_SC_PAGESIZE));
#endif
}
} // namespace

GuardedMemory::GuardedMemory(size_t size)
{
    const size_t page = PageSize();
    const size_t dataPages = (size + page - 1) / page;
    m_length = (dataPages + 1) * page;
#if defined(_WIN32)
    m_base = VirtualAlloc(nullptr, m_length, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD old = 0;
    if (!m_base || !VirtualProtect(static_cast<char *>(m_base) + dataPages * page, page, PAGE_NOACCESS, &old))
        throw std::bad_alloc();
#else
    m_base = mmap(nullptr, m_length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m_base == MAP_FAILED || mprotect(static_cast<char *>(m_base) + dataPages * page, page, PROT_NONE) != 0)
        throw std::bad_alloc();
#endif
    m_data = static_cast<char *>(m_base) + dataPages * page - size;
}

GuardedMemory::~GuardedMemory()
{
#if defined(_WIN32)
    VirtualFree(m_base, 0, MEM_RELEASE);
#else
    munmap(m_base, m_length);
#endif
}
