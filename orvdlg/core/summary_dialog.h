// CSummaryDialog: "Summary", every row of a detail page's list at once as a table under two heading lines. The
// row the modeller leaves selected becomes the page's current row.
#pragma once
#include "core/column_list_box.h"
#include "core/column_list_heading.h"
#include "core/orvane_dialog.h"
#include "core/summary_dialog_kinds.h"

class CSummaryDialog : public COrvaneDialog {
    DECLARE_DYNAMIC(CSummaryDialog)
public:
    // `rowsText`: rows each ended by "?", fields within a row separated by "|". `currentRow` counts from 0.
    CSummaryDialog(const SummaryKind &kind, const CString &rowsText, int currentRow);

    // After the dialog ended: the list's selection when it closed (-1 when none). Until then, and when the
    // dialog could not run, the current row it was given.
    int SelectedRow() const { return m_selectedRow; }

protected:
    BOOL OnInitDialog() override;
    void OnEnded(int code) override;
    void OnRowDoubleClick();

private:
    void FillRows();
    void SetUpHeadings(const ColumnLayout &layout);
    void AlignHeadingsWithRows();

    const SummaryKind &m_kind;
    CString m_rowsText;
    int m_currentRow;
    int m_selectedRow;
    CColumnListBox m_list;
    CColumnHeading m_upperHeading;
    CColumnHeading m_lowerHeading;

    DECLARE_MESSAGE_MAP()
};

// Opens the Summary dialog of kind `kind` (0 to 7) over `rowsText` with `currentRow` selected, and returns the
// row selected when it closed (-1 when none). An unknown kind opens nothing and returns `currentRow`; so does
// a dialog that could not be created. A null text shows no rows. The answer may lie outside the caller's rows
// (see SummaryRowOrCurrent).
int RunSummaryDialog(int kind, const char *rowsText, int currentRow);
