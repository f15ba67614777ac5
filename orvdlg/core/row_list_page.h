// CRowListPage: a page that edits a list of rows (a machine's cycles, setups or breakdowns, ...), one row at a
// time. An editable combo box lists the rows' descriptions: choosing another row first lets the host check
// the shown one (the page stays on it when the host names a wrong field), typing in the combo renames the
// current row, "Add/Remove..." edits the list in the add/remove dialog on copies of the rows, and
// "Summarize..." shows every row in the Summary dialog, whose chosen row becomes current. A page whose list
// is empty disables its row's controls.
#pragma once
#include "core/add_remove_dialog.h"
#include "core/summary_rows.h"
#include "core/table_page.h"
#include "editors/clipboard_combo_box.h"

#include <memory>
#include <span>

struct RowListSettings {
    int comboId = 0;
    int addRemoveId = 0;
    int summarizeId = 0;
    AddRemoveVariant variant = AddRemoveVariant::Cycles;
    int minimumCount = 0;
    int maximumCount = -1;
    int descriptionLimit = 20;
    bool numbered = false;   // rows are named by their positions, from 1: there is nothing to rename
    UINT firstRowNameId = 0; // the add/remove dialog's suggestion for the first row of an empty list
    int summaryKind = 0;
    std::span<const int> rowControls; // disabled while the list is empty
    int32_t *editedFlag = nullptr;    // set to 1 when the modeller confirms the add/remove dialog
};

class CRowListPage : public CTablePage {
    DECLARE_DYNAMIC(CRowListPage)
public:
    BOOL OnInitDialog() override;

protected:
    CRowListPage(UINT templateId, RowListSettings settings);

    // ---- what the page's own rows answer ----
    virtual AddRemoveRows &Rows() = 0;
    // Copies of every row for the add/remove dialog; false when the host could not copy (none are given).
    virtual bool CopyRows(AddRemoveRows &copies) const = 0;
    // A new row of the list's class, for the dialog to copy its class from.
    virtual std::unique_ptr<CAddRemoveObject> NewRow() const = 0;
    // The current row's fields into the controls, and back.
    virtual void ShowRow() = 0;
    virtual void KeepShownRow() = 0;
    // An empty list: the row's controls show nothing.
    virtual void ClearRowFields() {}
    // The host's check of the shown row before another is chosen: -1 or the number of the wrong field.
    virtual int32_t CheckShownRow() { return -1; }
    virtual void AddSummaryRow(SummaryRows &rows, int index) const = 0;
    // After a row was shown as current (chosen, added, summarised), and after it was renamed.
    virtual void OnRowShown() {}
    virtual void OnRowRenamed() {}

    int CurrentRow() const { return m_current; }
    int RowCount() { return static_cast<int>(Rows().size()); }
    bool HasRows() { return !Rows().empty(); }
    // Makes `index` (or the first row, when out of range) current and shows it; an empty list disables the
    // row's controls instead.
    void ShowRowAt(int index);
    void FillRowCombo();

    // Page validation: the shown row is kept and checked.
    int32_t ValidateRecord() override;
    void LoadOwnFields() override;
    void OnChoiceChanged(int id) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ChooseRow();
    void RenameRow();
    void EditRows();
    void SummarizeRows();
    void EnableRowControls(bool enabled);

    RowListSettings m_settings;
    int m_current = 0;
    CClipboardComboBox m_combo;
};
