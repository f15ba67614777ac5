#include "core/record_text.h"
#include "core/resource_text.h"
#include "detail/part_pages.h"

#include <resource.h>

IMPLEMENT_DYNAMIC(CPartAttributePage, CTablePage)

namespace {
constexpr int kTextLimit = 80;
constexpr int kGroupNumberField = 2;
constexpr int kFixedValues[] = {IDC_PART_FIXED_VALUES};
constexpr int kContainsFluids[] = {IDC_PART_CONTAINS_FLUIDS};
constexpr int kValuesControls[] = {IDC_PART_VALUES, IDC_PART_VALUES_MARK, IDC_PART_VALUES_TEXT};
} // namespace

CPartAttributePage::CPartAttributePage(OrvPartRecord &record) : CTablePage(IDD_PART_ATTRIBUTES), m_record(record)
{
    BindCheck(IDC_PART_FIXED_VALUES, record.fixedAttributes);
    BindCheck(IDC_PART_CONTAINS_FLUIDS, record.containsFluids);
    BindText(IDC_PART_GROUP, record.groupNumber, kTextLimit);
    // Fixed values and fluids exclude each other; the values' editor serves fixed values only.
    EnableWhen(kContainsFluids, [this] { return !IsChecked(IDC_PART_FIXED_VALUES); });
    EnableWhen(kFixedValues, [this] { return !IsChecked(IDC_PART_CONTAINS_FLUIDS); });
    EnableWhen(kValuesControls, [this] { return IsChecked(IDC_PART_FIXED_VALUES); });
    const CString name = ReadRecordText(record.name);
    BindActionsButton(IDC_PART_VALUES, [&record] { return &record.fixedAttributesActions; },
                      [name] {
                          CString caption = ResourceText(IDS_PART_FIXED_ATTRIBUTES_ACTIONS);
                          caption += " ";
                          caption += name;
                          return caption;
                      },
                      IDC_PART_VALUES_TEXT, IDC_PART_VALUES_MARK);
    MapField(kGroupNumberField, IDC_PART_GROUP);
}

int32_t CPartAttributePage::ValidateRecord()
{
    return m_record.attributesValidate ? m_record.attributesValidate(&m_record) : -1;
}

void CPartAttributePage::OnRecordAccepted()
{
    CString group;
    group.Format("%d", m_record.groupNumberValue);
    SetDlgItemText(IDC_PART_GROUP, group);
}
