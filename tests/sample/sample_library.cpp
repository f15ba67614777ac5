// A small dialog library built the way the product's is: a framework dialog created modeless over the host's
// window, running until it ends while the host keeps processing its own events through a callback.
#include "sample_ids.h"
#include "sample_library.h"

#include <framework/framework.h>
#include <orvane/export.h>

#include <cstring>

namespace {

SampleProcessEvents g_processEvents = nullptr;

HINSTANCE OwnModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnModule), &module);
    return module;
}

class CSampleDialog : public CDialog {
public:
    explicit CSampleDialog(SampleRecord &record) : CDialog(IDD_SAMPLE), m_record(record) {}

    int Run(HWND owner)
    {
        if (!Create(IDD_SAMPLE, CWnd::FromHandle(owner)))
            return -1;
        ShowWindow(SW_SHOW);
        while (!m_done && g_processEvents)
            g_processEvents();
        DestroyWindow();
        return m_result;
    }

protected:
    BOOL OnInitDialog() override
    {
        static const char *const kinds[] = {"Buffer", "Machine", "Conveyor"};
        for (const char *kind : kinds)
            ::SendDlgItemMessageA(m_hWnd, IDC_SAMPLE_KIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind));
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Text(dx, IDC_SAMPLE_NAME, m_name);
        DDV_MaxChars(dx, m_name, 8);
        DDX_CBIndex(dx, IDC_SAMPLE_KIND, m_record.kind);
        DDX_Text(dx, IDC_SAMPLE_QUANTITY, m_record.quantity);
        DDV_MinMaxInt(dx, m_record.quantity, 1, 999);
        DDX_Check(dx, IDC_SAMPLE_ACTIVE, m_record.active);
        DDX_Radio(dx, IDC_SAMPLE_SLOW, m_record.speed);
    }
    void OnOK() override
    {
        if (!UpdateData(TRUE))
            return;
        strncpy(m_record.name, m_name.GetString(), sizeof m_record.name - 1);
        m_record.name[sizeof m_record.name - 1] = 0;
        m_result = IDOK;
        m_done = true;
    }
    void OnCancel() override
    {
        m_result = IDCANCEL;
        m_done = true;
    }

private:
    SampleRecord &m_record;
    CString m_name{m_record.name};
    bool m_done = false;
    int m_result = -1;
};

} // namespace

extern "C" ORVANE_EXPORT void SampleSetProcessEvents(SampleProcessEvents callback)
{
    g_processEvents = callback;
}

extern "C" ORVANE_EXPORT int SampleFilterMessage(MSG *msg)
{
    return msg && FrameworkPreTranslateMessage(msg) ? 1 : 0;
}

extern "C" ORVANE_EXPORT int SampleEdit(SampleRecord *record, HWND owner)
{
    if (!record)
        return 0;
    FrameworkSetInstanceHandle(OwnModule());
    FrameworkSetResourceHandle(OwnModule());
    // The dialog works on a copy; the record changes only when the modeller confirms.
    SampleRecord copy;
    memcpy(&copy, record, sizeof copy);
    copy.name[sizeof copy.name - 1] = 0;
    CSampleDialog dialog(copy);
    int result = dialog.Run(owner);
    if (result != IDOK)
        return 0;
    memcpy(record, &copy, sizeof copy);
    return 1;
}
