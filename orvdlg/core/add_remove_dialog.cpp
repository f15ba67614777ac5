#include "core/add_remove_dialog.h"

#include "core/export_guard.h"
#include "resource.h"

#include <utility>

IMPLEMENT_DYNAMIC(CAddRemoveDialog, COrvaneDialog)

BEGIN_MESSAGE_MAP(CAddRemoveDialog, COrvaneDialog)
    ON_LBN_SELCHANGE(IDC_ADD_REMOVE_LIST, OnSelectionChange)
    ON_EN_CHANGE(IDC_ADD_REMOVE_DESCRIPTION, OnDescriptionChange)
    ON_BN_CLICKED(IDC_ADD_REMOVE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_ADD_REMOVE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_ADD_REMOVE_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_ADD_REMOVE_MOVE_DOWN, OnMoveDown)
    ON_COMMAND(IDC_ADD_REMOVE_HELP, OnContextHelp)
END_MESSAGE_MAP()

namespace {
CString Decimal(int number)
{
    CString text;
    text.Format("%d", number);
    return text;
}
} // namespace

CAddRemoveDialog::CAddRemoveDialog(AddRemoveVariant variant, CWnd *parent)
    : COrvaneDialog(IDD_ADD_REMOVE, parent, TRUE), m_variant(variant)
{
}

BOOL CAddRemoveDialog::OnInitDialog()
{
    m_list.SubclassDlgItem(IDC_ADD_REMOVE_LIST, this);
    SendDlgItemMessage(IDC_ADD_REMOVE_DESCRIPTION, EM_LIMITTEXT, static_cast<WPARAM>(m_descriptionLimit));
    const BOOL result = COrvaneDialog::OnInitDialog(); // the description text, centring, the clipboard
    SetTexts();
    if (!Described())
        HideDescription();
    FillList();
    m_rowClass = m_prototype ? m_prototype->GetRuntimeClass() : RUNTIME_CLASS(CAddRemoveObject);
    UpdateRemove();
    if (m_selectedIndex < 0 || m_selectedIndex >= Count())
        m_selectedIndex = Count() > 0 ? 0 : -1;
    Select(m_selectedIndex);
    UpdateMoveButtons();
    UpdateAdd();
    return result;
}

void CAddRemoveDialog::SetTexts()
{
    const AddRemoveTexts &texts = TextsOf(m_variant);
    CString text;
    if (text.LoadString(texts.caption))
        SetWindowText(text);
    if (text.LoadString(texts.listLabel))
        SetDlgItemText(IDC_ADD_REMOVE_LIST_LABEL, text);
    if (texts.descriptionLabel && text.LoadString(texts.descriptionLabel))
        SetDlgItemText(IDC_ADD_REMOVE_DESCRIPTION_LABEL, text);
}

// The label is disabled as well, so that its mnemonic leads nowhere.
void CAddRemoveDialog::HideDescription()
{
    for (int id : {IDC_ADD_REMOVE_DESCRIPTION_LABEL, IDC_ADD_REMOVE_DESCRIPTION})
        if (HWND control = ::GetDlgItem(m_hWnd, id)) {
            ::ShowWindow(control, SW_HIDE);
            ::EnableWindow(control, FALSE);
        }
}

void CAddRemoveDialog::FillList()
{
    m_list.ResetContent();
    for (int i = 0; i < Count(); ++i)
        m_list.AddString(m_numbered ? Decimal(i + 1) : m_rows[static_cast<size_t>(i)]->GetName());
}

void CAddRemoveDialog::Select(int index)
{
    m_list.SetCurSel(index);
    m_selectedIndex = index;
}

void CAddRemoveDialog::EnableControl(int id, bool enabled)
{
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (!control)
        return;
    // A button that loses its use while it has the focus hands the focus to the list, so that the keyboard
    // still reaches the dialog.
    if (!enabled && ::GetFocus() == control)
        ::SetFocus(m_list.m_hWnd);
    ::EnableWindow(control, enabled);
}

void CAddRemoveDialog::UpdateMoveButtons()
{
    const int selected = m_list.GetCurSel();
    EnableControl(IDC_ADD_REMOVE_MOVE_UP, selected > 0);
    EnableControl(IDC_ADD_REMOVE_MOVE_DOWN, selected >= 0 && selected < Count() - 1);
}

void CAddRemoveDialog::UpdateRemove() { EnableControl(IDC_ADD_REMOVE_REMOVE, Count() > m_minimumCount); }

// Rows without a description can be added until the maximum is reached; a described row needs a
// description that no row has yet.
void CAddRemoveDialog::UpdateAdd()
{
    bool enabled = BelowMaximum();
    if (enabled && Described()) {
        CString description;
        GetDlgItemText(IDC_ADD_REMOVE_DESCRIPTION, description);
        enabled = !description.IsEmpty() && !NameIsListed(description);
    }
    EnableControl(IDC_ADD_REMOVE_ADD, enabled);
}

// Whole names, without regard to case: the host and the detail pages treat "Rate" and "RATE" as the same
// description (the function page refuses a parameter description that differs from another only in case,
// and compares the rows it gets back ignoring case), so the dialog must not let both into one list. The list
// box's exact search is that comparison.
bool CAddRemoveDialog::NameIsListed(const CString &name) const { return m_list.FindStringExact(-1, name) >= 0; }

void CAddRemoveDialog::OnSelectionChange()
{
    m_selectedIndex = m_list.GetCurSel();
    UpdateMoveButtons();
}

void CAddRemoveDialog::OnDescriptionChange()
{
    if (Described())
        UpdateAdd();
}

void CAddRemoveDialog::OnAdd()
{
    GuardExport([this] { Add(); });
}

CString CAddRemoveDialog::NameForNewRow(const CAddRemoveObject &row) const
{
    if (m_numbered)
        return Decimal(Count() + 1);
    if (m_keepOwnNames)
        return row.GetName();
    CString description;
    GetDlgItemText(IDC_ADD_REMOVE_DESCRIPTION, description);
    return description;
}

// Everything that can fail (the row, its name, room in the array and in the list) is done before anything
// changes, so that running out of memory leaves the list as it was.
void CAddRemoveDialog::Add()
{
    if (!::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_ADD_REMOVE_ADD)))
        return;
    std::unique_ptr<CAddRemoveObject> row(CAddRemoveObject::CreateOfClass(m_rowClass));
    if (!row) {
        ShowMemoryMessage();
        return;
    }
    row->SetName(NameForNewRow(*row));
    row->SetOriginIndex(-1);
    if (m_rows.size() == m_rows.capacity())
        m_rows.reserve(m_rows.size() * 2 + 1);
    const int selected = m_list.GetCurSel();
    const int position = selected + 1;
    const int inserted = m_list.InsertString(position, row->GetName());
    if (inserted < 0) {
        ShowMemoryMessage();
        return;
    }
    m_rows.insert(m_rows.begin() + position, std::move(row));
    if (m_trackedIndex > selected)
        ++m_trackedIndex;
    Select(position);
    UpdateMoveButtons();
    UpdateRemove();
    UpdateAdd();
    if (Described()) {
        HWND description = ::GetDlgItem(m_hWnd, IDC_ADD_REMOVE_DESCRIPTION);
        ::SendMessageA(description, EM_SETSEL, 0, -1);
        ::SetFocus(description);
    }
}

void CAddRemoveDialog::OnMoveUp()
{
    GuardExport([this] { Move(-1); });
}

void CAddRemoveDialog::OnMoveDown()
{
    GuardExport([this] { Move(1); });
}

// The selected row changes places with its neighbour; the tracked index goes with its row.
void CAddRemoveDialog::Move(int offset)
{
    const int selected = m_list.GetCurSel();
    const int neighbour = selected + offset;
    if (selected < 0 || neighbour < 0 || neighbour >= Count())
        return;
    CString text;
    m_list.GetText(selected, text);
    m_list.DeleteString(static_cast<UINT>(selected));
    m_list.InsertString(neighbour, text);
    std::swap(m_rows[static_cast<size_t>(selected)], m_rows[static_cast<size_t>(neighbour)]);
    if (m_trackedIndex == selected)
        m_trackedIndex = neighbour;
    else if (m_trackedIndex == neighbour)
        m_trackedIndex = selected;
    Select(neighbour);
    UpdateMoveButtons();
}

void CAddRemoveDialog::OnRemove()
{
    GuardExport([this] { Remove(); });
}

void CAddRemoveDialog::Remove()
{
    const int selected = m_list.GetCurSel();
    if (selected < 0 || selected >= Count() || Count() <= m_minimumCount)
        return;
    if (m_trackedIndex > selected)
        --m_trackedIndex;
    else if (m_trackedIndex == selected)
        m_trackedIndex = -1;
    m_rows.erase(m_rows.begin() + selected);
    m_list.DeleteString(static_cast<UINT>(selected));
    UpdateRemove();
    Select(selected < Count() ? selected : selected - 1);
    UpdateMoveButtons();
    UpdateAdd();
}

void CAddRemoveDialog::OnContextHelp() { OnHelpCommand(); }

void CAddRemoveDialog::DoDataExchange(CDataExchange *dx)
{
    DDX_Text(dx, IDC_ADD_REMOVE_DESCRIPTION, m_description);
    if (!dx->m_bSaveAndValidate)
        return;
    m_selectedIndex = m_list.GetCurSel();
    if (m_numbered)
        for (int i = 0; i < Count(); ++i)
            m_rows[static_cast<size_t>(i)]->SetName(Decimal(i + 1));
}
