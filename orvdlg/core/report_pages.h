// The reporting pages of the element sheets: radio buttons over the record's reporting field. Each kind reads
// the field into its choice and writes the choice back through its own table.
#pragma once
#include <framework/framework.h>

#include <cstdint>
#include <span>

class CReportPage : public CPropertyPage {
    DECLARE_DYNAMIC(CReportPage)
public:
    // The record's reporting field; the page keeps the pointer only while its sheet runs.
    void SetReportingField(int32_t *field) { m_field = field; }
    // Record to choice (before the sheet runs).
    void Load();
    // Choice to record.
    void Store() const;
    int GetChoice() const { return m_choice; }
    // The value the choice stands for in the record (and for the host's report-state slot).
    int32_t StoredValue() const;

protected:
    // `load` maps a record value to a choice; `store[choice]` is the value written back.
    CReportPage(UINT templateId, UINT firstRadioId, int (*load)(int32_t), std::span<const int32_t> store);
    void DoDataExchange(CDataExchange *dx) override;

private:
    UINT m_firstRadioId;
    int (*m_load)(int32_t);
    std::span<const int32_t> m_store;
    int32_t *m_field = nullptr;
    int m_choice = 1;
};

// Off (0) or On (1); On is stored as 2.
class CReportOnOffPage : public CReportPage {
    DECLARE_DYNAMIC(CReportOnOffPage)
public:
    CReportOnOffPage();
};

// Off (0), Individual (1) or By Group (2), stored as they are.
class CReportOffIndividualGroupPage : public CReportPage {
    DECLARE_DYNAMIC(CReportOffIndividualGroupPage)
public:
    CReportOffIndividualGroupPage();
};
