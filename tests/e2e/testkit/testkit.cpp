#include "testkit.h"

#include "core/colour_button.h"
#include "core/active_dialog_stack.h"
#include "core/element_list_filler.h"
#include "core/export_guard.h"
#include "core/host_colour.h"
#include "core/library_state.h"
#include "core/orvane_dialog.h"
#include "core/orvane_property_sheet.h"
#include "core/summary_dialog.h"
#include "core/record_text.h"
#include "editors/clipboard_combo_box.h"
#include "editors/clipboard_edit.h"
#include "editors/clipboard_target_registry.h"

namespace {
class CElementsPage : public CPropertyPage {
public:
    explicit CElementsPage(TestkitSheetRecord &record) : CPropertyPage(IDD_TESTKIT_ELEMENTS_PAGE), m_record(record) {}

    BOOL OnInitDialog() override
    {
        CString edited = ReadRecordText(m_record.editedName);
        ElementListRequest request;
        request.types = m_record.types;
        request.attributeTypes = m_record.attributeTypes;
        request.editedName = edited;
        request.editedElement = m_record.editedElement;
        request.readOnlyToMatch = m_record.readOnlyToMatch;
        request.showDescription = m_record.showDescription != 0;
        request.expandArrays = m_record.expandArrays != 0;
        request.allShifts = m_record.allShifts != 0;
        FillElementList(::GetDlgItem(m_hWnd, IDC_TESTKIT_ELEMENTS), request);
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Text(dx, IDC_TESTKIT_NUMBER, m_number);
        DDV_MinMaxInt(dx, m_number, 1, 99);
    }
    int Number() const { return m_number; }

private:
    TestkitSheetRecord &m_record;
    int m_number = m_record.number;
};

class CShiftsPage : public CPropertyPage {
public:
    CShiftsPage() : CPropertyPage(IDD_TESTKIT_SHIFTS_PAGE) {}
    BOOL OnInitDialog() override
    {
        FillMainShiftList(::GetDlgItem(m_hWnd, IDC_TESTKIT_SHIFTS));
        return CPropertyPage::OnInitDialog();
    }
};

class CTestkitDialog : public COrvaneDialog {
public:
    explicit CTestkitDialog(BOOL watchClipboard) : COrvaneDialog(IDD_TESTKIT_DIALOG, nullptr, watchClipboard) {}
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Text(dx, IDC_TESTKIT_TEXT, m_text);
        if (dx->m_bSaveAndValidate && m_text.IsEmpty()) {
            dx->PrepareEditCtrl(IDC_TESTKIT_TEXT);
            dx->Fail();
        }
    }

private:
    CString m_text;
};

// Shows a host colour the way every dialog with a host colour does: converted in on load, the button's
// colour converted back on OK.
class CColourDialog : public COrvaneDialog {
public:
    CColourDialog(int hostColour, int missingId)
        : COrvaneDialog(IDD_TESTKIT_COLOUR_DIALOG), m_colour(HostColourToColour(hostColour)), m_missingId(missingId)
    {
    }
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Control(dx, IDC_TESTKIT_COLOUR, m_button);
        DDX_Colour(dx, IDC_TESTKIT_COLOUR, m_colour);
        if (m_missingId) {
            COLORREF unused = m_colour;
            DDX_Colour(dx, m_missingId, unused);
        }
    }
    int HostColour() const { return ColourToHostColour(m_colour); }

protected:
    void OnChooseColour()
    {
        if (m_button.ChooseColour(this) == 1)
            m_colour = m_button.GetColour();
    }

private:
    CColourButton m_button;
    COLORREF m_colour;
    int m_missingId;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourDialog, COrvaneDialog)
    ON_BN_CLICKED(IDC_TESTKIT_COLOUR, OnChooseColour)
END_MESSAGE_MAP()

// The clipboard fields the way a detail page holds them: bound by data exchange.
class CClipboardDialog : public COrvaneDialog {
public:
    explicit CClipboardDialog(bool namesOnly) : COrvaneDialog(IDD_TESTKIT_CLIPBOARD_DIALOG)
    {
        m_edit.SetNamesOnly(namesOnly);
        m_combo.SetNamesOnly(namesOnly);
    }
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Control(dx, IDC_TESTKIT_CLIPBOARD_EDIT, m_edit);
        DDX_Control(dx, IDC_TESTKIT_CLIPBOARD_COMBO, m_combo);
    }

private:
    CClipboardEdit m_edit;
    CClipboardComboBox m_combo;
};

int g_clipboardSeconds = 0;
int64_t FakeClipboardClock() { return g_clipboardSeconds; }
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitSheet(TestkitSheetRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            CElementsPage elements(*record);
            CShiftsPage shifts;
            COrvanePropertySheet sheet(ReadRecordText(record->elementName), IDS_TESTKIT_SHEET_TITLE, nullptr,
                                       static_cast<UINT>(record->startPage), record->applyOption);
            sheet.AddPage(&elements);
            sheet.AddPage(&shifts);
            int result = static_cast<int>(sheet.DoModal());
            if (result == IDOK)
                record->number = elements.Number();
            return result;
        },
        0);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitDialog(int watchClipboard)
{
    return GuardExport([&] { return static_cast<int>(CTestkitDialog(watchClipboard).DoModal()); }, 0);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitColourDialog(int *hostColourIndex, int missingId)
{
    if (!hostColourIndex)
        return 0;
    return GuardExport(
        [&] {
            CColourDialog dialog(*hostColourIndex, missingId);
            int result = static_cast<int>(dialog.DoModal());
            if (result == IDOK)
                *hostColourIndex = dialog.HostColour();
            return result;
        },
        0);
}

extern "C" ORVANE_EXPORT void ORVANE_CALL TestkitBindEditorAccelerators(HWND window)
{
    if (window)
        BindEditorAccelerators(window);
    else
        UnbindEditorAccelerators(Library().editorBinding.window);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitOutOfMemory(void)
{
    return GuardExport([]() -> int { throw std::bad_alloc(); }, -7);
}

extern "C" ORVANE_EXPORT void ORVANE_CALL TestkitFailNextPush(void) { ActiveDialogStack::Instance().FailNextPush(); }

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitClipboardDialog(int namesOnly)
{
    return GuardExport([&] { return static_cast<int>(CClipboardDialog(namesOnly != 0).DoModal()); }, 0);
}

extern "C" ORVANE_EXPORT void ORVANE_CALL TestkitSetClipboardClock(int seconds)
{
    g_clipboardSeconds = seconds;
    ClipboardTargetRegistry::Instance().SetClock(seconds < 0 ? nullptr : FakeClipboardClock);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitSummary(int kind, const char *rowsText, int currentRow)
{
    return GuardExport([&] { return RunSummaryDialog(kind, rowsText, currentRow); }, currentRow);
}
