// The part's pages: General (arrivals, the output rule and the part's actions), Attributes (fixed values or
// fluids, the group number) and Route (the stages, one shown at a time).
#pragma once
#include "core/row_list.h"
#include "core/row_list_page.h"
#include "core/table_page.h"
#include "detail/part_route_data.h"
#include "editors/clipboard_combo_box.h"

#include <orvane/records/part.h>

class CPartMainPage : public CTablePage {
    DECLARE_DYNAMIC(CPartMainPage)
public:
    explicit CPartMainPage(OrvPartRecord &record);
    BOOL OnInitDialog() override;

protected:
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;

private:
    OrvPartRecord &m_record;
    CClipboardComboBox m_shift;
};

class CPartAttributePage : public CTablePage {
    DECLARE_DYNAMIC(CPartAttributePage)
public:
    explicit CPartAttributePage(OrvPartRecord &record);

protected:
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;

private:
    OrvPartRecord &m_record;
};

using PartRouteList = RowList<CPartRouteData, OrvRouteStage>;

class CPartRoutePage : public CRowListPage {
    DECLARE_DYNAMIC(CPartRoutePage)
public:
    explicit CPartRoutePage(OrvPartRecord &record);

    // The record's stages, named by their numbers; false when memory ran out.
    bool LoadStages();
    PartRouteList &Stages() { return m_stages; }

    BOOL OnInitDialog() override;

protected:
    AddRemoveRows &Rows() override { return m_stages.Rows(); }
    bool CopyRows(AddRemoveRows &copies) const override { return m_stages.WorkingCopies(copies); }
    std::unique_ptr<CAddRemoveObject> NewRow() const override { return std::make_unique<CPartRouteData>(); }
    void ShowRow() override;
    void KeepShownRow() override;
    void ClearRowFields() override;
    int32_t CheckShownRow() override;
    void AddSummaryRow(SummaryRows &rows, int index) const override;

private:
    OrvPartRecord &m_record;
    PartRouteList m_stages;
    CClipboardComboBox m_destination;
};
