#include "core/icon_control.h"

#include <array>

IMPLEMENT_DYNAMIC(CIconControl, CStatic)

namespace {
// Indexed by IconKind.
const std::array<LPCSTR, 5> kStandardIcons = {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION,
                                                  IDI_ASTERISK};
} // namespace

CIconControl::CIconControl() : m_icon(::LoadIconA(nullptr, IDI_EXCLAMATION)) {}

BOOL CIconControl::SetKind(IconKind kind)
{
    const auto index = static_cast<size_t>(static_cast<int>(kind));
    if (index >= kStandardIcons.size())
        return FALSE;
    m_icon = ::LoadIconA(nullptr, kStandardIcons[index]);
    if (m_hWnd)
        Invalidate();
    return TRUE;
}

void CIconControl::DrawItem(LPDRAWITEMSTRUCT item)
{
    ::FillRect(item->hDC, &item->rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    if (m_icon)
        ::DrawIcon(item->hDC, item->rcItem.left, item->rcItem.top, m_icon);
}
