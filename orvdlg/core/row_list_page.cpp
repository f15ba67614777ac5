#include "core/row_list_page.h"

#include "core/export_guard.h"
#include "core/resource_text.h"
#include "core/summary_dialog.h"
#include "core/summary_dialog_result.h"

IMPLEMENT_DYNAMIC(CRowListPage, CTablePage)

CRowListPage::CRowListPage(UINT templateId, RowListSettings settings)
    : CTablePage(templateId), m_settings(settings)
{
}

BOOL CRowListPage::OnInitDialog()
{
    m_combo.SubclassDlgItem(static_cast<UINT>(m_settings.comboId), this);
    m_combo.LimitText(m_settings.descriptionLimit);
    return CTablePage::OnInitDialog();
}

void CRowListPage::LoadOwnFields()
{
    FillRowCombo();
    ShowRowAt(m_current);
}

void CRowListPage::FillRowCombo()
{
    m_combo.ResetContent();
    for (const auto &row : Rows())
        m_combo.AddString(row->GetName());
    m_combo.SetCurSel(HasRows() ? m_current : -1);
}

void CRowListPage::ShowRowAt(int index)
{
    if (!HasRows()) {
        m_current = 0;
        m_combo.SetWindowText("");
        ClearRowFields();
        EnableRowControls(false);
        RefreshEditorTexts();
        return;
    }
    m_current = index >= 0 && index < RowCount() ? index : 0;
    m_combo.SetCurSel(m_current);
    EnableRowControls(true);
    ShowRow();
    RefreshEditorTexts();
    ApplyConditions();
    OnRowShown();
}

void CRowListPage::EnableRowControls(bool enabled)
{
    for (int id : m_settings.rowControls)
        if (HWND control = ::GetDlgItem(m_hWnd, id))
            ::EnableWindow(control, enabled);
}

int32_t CRowListPage::ValidateRecord()
{
    if (!HasRows())
        return -1;
    KeepShownRow();
    return CheckShownRow();
}

void CRowListPage::OnChoiceChanged(int id)
{
    if (id == m_settings.comboId)
        ChooseRow();
}

void CRowListPage::ChooseRow()
{
    const int chosen = m_combo.GetCurSel();
    if (chosen < 0 || chosen >= RowCount())
        return;
    KeepShownRow();
    const int32_t wrong = CheckShownRow();
    if (wrong == -1) {
        ShowRowAt(chosen);
        return;
    }
    FocusField(wrong);
    m_combo.SetCurSel(m_current);
}

void CRowListPage::RenameRow()
{
    if (!HasRows())
        return;
    CString name;
    m_combo.GetWindowText(name);
    // Text put into the field without typing may pass the limit that typing keeps to.
    if (m_settings.descriptionLimit > 0 && name.GetLength() > m_settings.descriptionLimit)
        name = name.Left(m_settings.descriptionLimit);
    const DWORD selection = static_cast<DWORD>(m_combo.SendMessage(CB_GETEDITSEL, 0, 0));
    m_combo.InsertString(m_current, name);
    m_combo.DeleteString(static_cast<UINT>(m_current + 1));
    Rows()[static_cast<size_t>(m_current)]->SetName(name);
    // The list changed under the field: the modeller goes on typing where he was.
    m_combo.SetWindowText(name);
    m_combo.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(LOWORD(selection), HIWORD(selection)));
    OnRowRenamed();
}

void CRowListPage::EditRows()
{
    if (HasRows())
        KeepShownRow();
    AddRemoveRows copies;
    if (!CopyRows(copies)) {
        ShowMemoryMessage();
        return;
    }
    std::unique_ptr<CAddRemoveObject> prototype = NewRow();
    CAddRemoveDialog dialog(m_settings.variant, this);
    dialog.m_rows = std::move(copies);
    dialog.m_prototype = prototype.get();
    dialog.m_descriptionLimit = m_settings.descriptionLimit;
    dialog.m_numbered = m_settings.numbered;
    dialog.m_minimumCount = m_settings.minimumCount;
    dialog.m_maximumCount = m_settings.maximumCount;
    dialog.m_selectedIndex = HasRows() ? m_current : -1;
    if (dialog.m_rows.empty() && m_settings.firstRowNameId)
        dialog.m_description = ResourceText(m_settings.firstRowNameId);
    if (dialog.DoModal() != IDOK)
        return;
    if (m_settings.editedFlag)
        *m_settings.editedFlag = 1;
    Rows() = std::move(dialog.m_rows);
    m_current = dialog.m_selectedIndex;
    FillRowCombo();
    ShowRowAt(m_current);
}

void CRowListPage::SummarizeRows()
{
    if (HasRows())
        KeepShownRow();
    const CString text = GuardExport(
        [this] {
            SummaryRows rows;
            for (int i = 0; i < RowCount(); ++i)
                AddSummaryRow(rows, i);
            return rows.Text();
        },
        CString());
    const int chosen = RunSummaryDialog(m_settings.summaryKind, text, m_current);
    if (!HasRows())
        return;
    const int target = SummaryRowOrCurrent(chosen, RowCount(), m_current);
    // Choosing another row in the summary leaves the shown one, as choosing it in the list does: the host
    // checks the shown row first, and a refused field keeps it.
    if (target != m_current) {
        const int32_t wrong = CheckShownRow();
        if (wrong != -1) {
            FocusField(wrong);
            return;
        }
    }
    ShowRowAt(target);
}

BOOL CRowListPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam && code == BN_CLICKED && id == m_settings.addRemoveId) {
        EditRows();
        return TRUE;
    }
    if (lParam && code == BN_CLICKED && id == m_settings.summarizeId) {
        SummarizeRows();
        return TRUE;
    }
    if (lParam && code == CBN_EDITCHANGE && id == m_settings.comboId)
        RenameRow();
    return CTablePage::OnCommand(wParam, lParam);
}
