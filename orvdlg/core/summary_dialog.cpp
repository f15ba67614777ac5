#include "core/summary_dialog.h"

#include "resource.h"

#include <string>

IMPLEMENT_DYNAMIC(CSummaryDialog, COrvaneDialog)

BEGIN_MESSAGE_MAP(CSummaryDialog, COrvaneDialog)
    ON_LBN_DBLCLK(IDC_SUMMARY_LIST, OnRowDoubleClick)
END_MESSAGE_MAP()

namespace {
// The layout always has this many descriptors: the kind's columns, then the rest at the right edge.
constexpr int kLayoutColumns = SummaryKind::kMaxColumns;
constexpr double kRightEdge = 100;

ColumnLayout LayoutOf(const SummaryKind &kind)
{
    ColumnDescriptor columns[kLayoutColumns];
    for (int i = 0; i < kLayoutColumns; ++i)
        columns[i].position = i < kind.columnCount ? kind.columns[static_cast<size_t>(i)] : kRightEdge;
    ColumnLayout layout;
    layout.Set(columns, kLayoutColumns);
    return layout;
}

CString LoadText(UINT id)
{
    CString text;
    if (id != 0)
        text.LoadString(id);
    return text;
}
} // namespace

CSummaryDialog::CSummaryDialog(const SummaryKind &kind, const CString &rowsText, int currentRow)
    : COrvaneDialog(IDD_SUMMARY), m_kind(kind), m_rowsText(rowsText), m_currentRow(currentRow),
      m_selectedRow(currentRow)
{
}

BOOL CSummaryDialog::OnInitDialog()
{
    m_list.SubclassDlgItem(IDC_SUMMARY_LIST, this);
    m_upperHeading.SubclassDlgItem(IDC_SUMMARY_UPPER_HEADING, this);
    m_lowerHeading.SubclassDlgItem(IDC_SUMMARY_LOWER_HEADING, this);
    const ColumnLayout layout = LayoutOf(m_kind);
    FillRows();
    m_list.SetCurSel(m_currentRow);
    m_list.SetLayout(layout);
    SetUpHeadings(layout);
    AlignHeadingsWithRows();
    const BOOL result = COrvaneDialog::OnInitDialog(); // centres the dialog
    SetWindowText(LoadText(m_kind.caption));
    return result;
}

// One list row per "?"-ended piece of the rows text, in order.
void CSummaryDialog::FillRows()
{
    m_list.ResetContent();
    std::string row;
    ForEachPiece(static_cast<LPCSTR>(m_rowsText), '?', [&](std::string_view piece) {
        row.assign(piece);
        m_list.AddString(row.c_str());
    });
}

void CSummaryDialog::SetUpHeadings(const ColumnLayout &layout)
{
    m_upperHeading.SetLayout(layout);
    m_lowerHeading.SetLayout(layout);
    m_upperHeading.SetHeading(LoadText(m_kind.upperHeading));
    m_lowerHeading.SetHeading(LoadText(m_kind.lowerHeading));
}

// The percentages are of the row width, so each heading line takes the left edge and width of the list's
// rows (its client area, inside the border and beside any scroll bar).
void CSummaryDialog::AlignHeadingsWithRows()
{
    RECT rows;
    m_list.GetClientRect(&rows);
    ::MapWindowPoints(m_list.m_hWnd, m_hWnd, reinterpret_cast<POINT *>(&rows), 2);
    for (CColumnHeading *heading : {&m_upperHeading, &m_lowerHeading}) {
        RECT line;
        heading->GetWindowRect(&line);
        ScreenToClient(&line);
        heading->MoveWindow(rows.left, line.top, rows.right - rows.left, line.bottom - line.top);
    }
}

void CSummaryDialog::OnEnded(int code) { m_selectedRow = m_list.m_hWnd ? m_list.GetCurSel() : -1; }

void CSummaryDialog::OnRowDoubleClick() { End(IDOK); }

int RunSummaryDialog(int kind, const char *rowsText, int currentRow)
{
    const SummaryKind *found = FindSummaryKind(kind);
    if (!found)
        return currentRow;
    CSummaryDialog dialog(*found, rowsText ? rowsText : "", currentRow);
    dialog.DoModal();
    return dialog.SelectedRow();
}
