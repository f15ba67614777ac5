// The maps from window handles to framework objects.
#pragma once
#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

class CWnd;
struct CRuntimeClass;

namespace fw::detail {

class HandleMap {
public:
    CWnd *LookupPermanent(HWND hwnd) const;
    void SetPermanent(HWND hwnd, CWnd *wnd);
    void RemovePermanent(HWND hwnd);
    // A snapshot: the map may change while the caller walks the objects.
    std::vector<CWnd *> PermanentObjects() const;

    CWnd *LookupTemporary(HWND hwnd) const;
    // Makes (or returns) the temporary object of a foreign window.
    CWnd *Temporary(HWND hwnd);
    // Makes the temporary object of a foreign window an object of class `cls`; an earlier
    // temporary object of another class stays valid until the temporaries are deleted.
    CWnd *TemporaryOfClass(HWND hwnd, const CRuntimeClass *cls);
    void DeleteTemporaries();
    int TemporaryCount() const { return static_cast<int>(m_temporary.size() + m_retired.size()); }

private:
    std::unordered_map<HWND, CWnd *> m_permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> m_temporary;
    std::vector<std::unique_ptr<CWnd>> m_retired;
};

HandleMap &WindowHandleMap();

} // namespace fw::detail
