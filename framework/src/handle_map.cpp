#include "handle_map.h"

#include "framework/wnd.h"

namespace fw::detail {

CWnd *HandleMap::LookupPermanent(HWND hwnd) const {
    auto it = m_permanent.find(hwnd);
    return it != m_permanent.end() ? it->second : nullptr;
}

void HandleMap::SetPermanent(HWND hwnd, CWnd *wnd) { m_permanent[hwnd] = wnd; }

void HandleMap::RemovePermanent(HWND hwnd) { m_permanent.erase(hwnd); }

std::vector<CWnd *> HandleMap::PermanentObjects() const {
    std::vector<CWnd *> objects;
    objects.reserve(m_permanent.size());
    for (const auto &entry : m_permanent)
        objects.push_back(entry.second);
    return objects;
}

CWnd *HandleMap::LookupTemporary(HWND hwnd) const {
    auto it = m_temporary.find(hwnd);
    return it != m_temporary.end() ? it->second.get() : nullptr;
}

CWnd *HandleMap::Temporary(HWND hwnd) {
    if (CWnd *existing = LookupTemporary(hwnd))
        return existing;
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hwnd;
    CWnd *result = wnd.get();
    m_temporary.emplace(hwnd, std::move(wnd));
    return result;
}

CWnd *HandleMap::TemporaryOfClass(HWND hwnd, const CRuntimeClass *cls) {
    CWnd *existing = LookupTemporary(hwnd);
    if (existing != nullptr && existing->GetRuntimeClass() == cls)
        return existing;
    std::unique_ptr<CObject> object(cls->CreateObject());
    auto *wnd = dynamic_cast<CWnd *>(object.get());
    if (wnd == nullptr)
        return nullptr;
    object.release();
    std::unique_ptr<CWnd> owned(wnd);
    wnd->m_hWnd = hwnd;
    auto it = m_temporary.find(hwnd);
    if (it != m_temporary.end()) {
        m_retired.push_back(std::move(it->second));
        it->second = std::move(owned);
    } else {
        m_temporary.emplace(hwnd, std::move(owned));
    }
    return wnd;
}

void HandleMap::DeleteTemporaries() {
    // A temporary object never owns its window: clear the handle so that the destructor leaves
    // the window alone.
    auto temporary = std::move(m_temporary);
    auto retired = std::move(m_retired);
    m_temporary.clear();
    m_retired.clear();
    for (auto &entry : temporary)
        entry.second->m_hWnd = nullptr;
    for (auto &wnd : retired)
        wnd->m_hWnd = nullptr;
}

HandleMap &WindowHandleMap() {
    static HandleMap map;
    return map;
}

} // namespace fw::detail
