#include "core/notes_page.h"

#include "core/line_ends.h"
#include "core/record_text.h"
#include "resource.h"

#include <cstdint>
#include <utility>

IMPLEMENT_DYNAMIC(CNotesPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CNotesPage, CPropertyPage)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
constexpr int kMargin = 5;

// The holder is the address of a host object whose first member points to the notes text.
const char *HeldNotes(int32_t holder)
{
    auto *object = reinterpret_cast<const char *const *>(static_cast<uintptr_t>(static_cast<uint32_t>(holder)));
    return object && *object ? *object : "";
}

// The Enter key belongs to a multi-line edit box that accepts it, or to a control that asks for every key.
bool WantsEnter(HWND control)
{
    if (!control)
        return false;
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (lstrcmpiA(className, "Edit") == 0 && (style & ES_MULTILINE) && (style & ES_WANTRETURN))
        return true;
    MSG enter{control, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    return (SendMessageA(control, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS) != 0;
}
} // namespace

CNotesPage::CNotesPage(BOOL showFedBy, BOOL showFeeds)
    : CPropertyPage(IDD_NOTES), m_showFedBy(showFedBy), m_showFeeds(showFeeds)
{
}

void CNotesPage::SetNotes(int32_t holder, OrvNotesSlot slot, const char *fedBy, const char *feeds)
{
    m_holder = holder;
    m_slot = slot;
    m_notes = HeldNotes(holder);
    m_fedBy = fedBy ? fedBy : "";
    m_feeds = feeds ? feeds : "";
}

void CNotesPage::LoadFromBlock(const OrvNotesBlock *block, OrvNotesSlot slot)
{
    if (!block)
        return;
    SetNotes(block->holder, slot, ReadRecordText(block->fedBy), ReadRecordText(block->feeds));
}

void CNotesPage::CallNotesSlot() const
{
    if (m_slot)
        m_slot(m_holder, m_notes, 1, 0, 0);
}

BOOL CNotesPage::OnInitDialog()
{
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_NOTES_FEEDS), m_showFeeds ? SW_SHOW : SW_HIDE);
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_NOTES_FED_BY), m_showFedBy ? SW_SHOW : SW_HIDE);
    ::SendDlgItemMessageA(m_hWnd, IDC_NOTES_TEXT, EM_LIMITTEXT, kMaxNotesLength, 0);
    LayOut();
    return CPropertyPage::OnInitDialog();
}

// Inside the page area with a margin: the visible routing texts at the bottom (Feeds lowest), each keeping its
// height, the notes filling the rest.
void CNotesPage::LayOut()
{
    RECT area;
    GetClientRect(&area);
    int bottom = area.bottom - kMargin;
    const std::pair<int, BOOL> texts[] = {{IDC_NOTES_FEEDS, m_showFeeds}, {IDC_NOTES_FED_BY, m_showFedBy}};
    for (auto [id, shown] : texts) {
        HWND text = ::GetDlgItem(m_hWnd, id);
        if (!text || !shown)
            continue;
        RECT r;
        ::GetWindowRect(text, &r);
        const int height = r.bottom - r.top;
        ::MoveWindow(text, kMargin, bottom - height, area.right - 2 * kMargin, height, FALSE);
        bottom -= height + kMargin;
    }
    ::MoveWindow(::GetDlgItem(m_hWnd, IDC_NOTES_TEXT), kMargin, kMargin, area.right - 2 * kMargin,
                 bottom - kMargin, FALSE);
}

void CNotesPage::OnSize(UINT type, int width, int height)
{
    Default();
    LayOut();
}

void CNotesPage::DoDataExchange(CDataExchange *dx)
{
    if (!dx->m_bSaveAndValidate) {
        SetDlgItemText(IDC_NOTES_TEXT, ToClipboardLineEnds(m_notes.Str()).c_str());
        SetDlgItemText(IDC_NOTES_FED_BY, m_fedBy);
        SetDlgItemText(IDC_NOTES_FEEDS, m_feeds);
        return;
    }
    CString shown;
    GetDlgItemText(IDC_NOTES_TEXT, shown);
    m_notes = ToHostLineEnds(shown.Str()).c_str();
}

BOOL CNotesPage::PreTranslateMessage(MSG *msg)
{
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && WantsEnter(msg->hwnd) &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        ::TranslateMessage(msg);
        ::DispatchMessageA(msg);
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(msg);
}
