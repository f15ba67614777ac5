// The add/remove dialog driven the way a detail page drives it: copies of the page's rows go in, the rows
// come back in their new order after OK and replace the page's own.
#include "testkit.h"

#include "core/add_remove_dialog.h"
#include "core/column_list_layout.h"
#include "core/export_guard.h"
#include "core/record_text.h"

#include <new>
#include <string>

namespace {
// A concrete row class as the detail pages have them: its own data and its own name for a new row.
class CTestkitRow : public CAddRemoveObject {
    DECLARE_DYNCREATE(CTestkitRow)
public:
    CTestkitRow() { m_name = "New Row"; }
    CTestkitRow(const CAddRemoveObject &other) : CAddRemoveObject(other) {}
    int m_data = 7;
};
IMPLEMENT_DYNCREATE(CTestkitRow, CAddRemoveObject)

// A row class whose new rows cannot be made: the dialog's out-of-memory path.
class CTestkitStarvedRow : public CAddRemoveObject {
    DECLARE_DYNCREATE(CTestkitStarvedRow)
public:
    CTestkitStarvedRow() { throw std::bad_alloc(); }
    CTestkitStarvedRow(const CAddRemoveObject &other) : CAddRemoveObject(other) {}
};
IMPLEMENT_DYNCREATE(CTestkitStarvedRow, CAddRemoveObject)

std::unique_ptr<CAddRemoveObject> CopyAs(int rowClass, const CAddRemoveObject &row)
{
    switch (rowClass) {
    case 1: return std::make_unique<CTestkitRow>(row);
    case 2: return std::make_unique<CTestkitStarvedRow>(row);
    default: return std::make_unique<CAddRemoveObject>(row);
    }
}

const CRuntimeClass *ClassOf(int rowClass)
{
    switch (rowClass) {
    case 1: return RUNTIME_CLASS(CTestkitRow);
    case 2: return RUNTIME_CLASS(CTestkitStarvedRow);
    default: return RUNTIME_CLASS(CAddRemoveObject);
    }
}

AddRemoveRows PageRows(const TestkitAddRemoveRecord &record)
{
    AddRemoveRows rows;
    ForEachPiece(record.rowNames ? record.rowNames : "", '|', [&](std::string_view name) {
        CAddRemoveObject row;
        row.SetName(CString(name.data(), static_cast<int>(name.size())));
        row.SetOriginIndex(static_cast<int32_t>(rows.size()));
        rows.push_back(CopyAs(record.rowClass, row));
    });
    return rows;
}

void Report(const AddRemoveRows &rows, TestkitAddRemoveRecord &record)
{
    std::string text;
    record.rowsOfRowClass = 0;
    for (const auto &row : rows) {
        text += static_cast<LPCSTR>(row->GetName());
        text += "/" + std::to_string(row->GetOriginIndex()) + "|";
        if (row->GetRuntimeClass() == ClassOf(record.rowClass))
            ++record.rowsOfRowClass;
    }
    if (record.result && record.resultSize > 0)
        WriteRecordText(record.result, static_cast<size_t>(record.resultSize), text.c_str());
}

int Run(TestkitAddRemoveRecord &record)
{
    AddRemoveVariant variant;
    if (!AddRemoveVariantFromNumber(record.variant, variant) || record.rowClass < 0 || record.rowClass > 2)
        return 0;
    AddRemoveRows pageRows = PageRows(record);
    const std::unique_ptr<CAddRemoveObject> prototype = CopyAs(record.rowClass, CAddRemoveObject());
    CAddRemoveDialog dialog(variant);
    for (const auto &row : pageRows)
        dialog.m_rows.push_back(CopyAs(record.rowClass, *row));
    dialog.m_prototype = prototype.get();
    dialog.m_descriptionLimit = record.descriptionLimit;
    dialog.m_keepOwnNames = record.keepOwnNames;
    dialog.m_numbered = record.numbered;
    dialog.m_minimumCount = record.minimumCount;
    dialog.m_maximumCount = record.maximumCount;
    dialog.m_selectedIndex = record.selectedIndex;
    dialog.m_trackedIndex = record.trackedIndex;
    dialog.m_description = ReadRecordText(record.description);
    const int result = static_cast<int>(dialog.DoModal());
    if (result == IDOK) {
        pageRows = std::move(dialog.m_rows);
        record.selectedIndex = dialog.m_selectedIndex;
        record.trackedIndex = dialog.m_trackedIndex;
        WriteRecordText(record.description, dialog.m_description);
    }
    Report(pageRows, record);
    return result;
}
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitAddRemove(TestkitAddRemoveRecord *record)
{
    if (!record)
        return 0;
    return GuardExport([&] { return Run(*record); }, 0);
}
