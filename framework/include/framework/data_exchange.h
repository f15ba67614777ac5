// Dialog data exchange: DoDataExchange moves values between members and controls in either
// direction with the DDX_ routines, and checks them with the DDV_ routines. A failed check shows
// a message, puts the focus on the offending control and ends the exchange (UpdateData returns
// FALSE).
#pragma once
#include "framework/text.h"
#include "framework/wnd.h"

// Thrown by CDataExchange::Fail and caught by UpdateData; never leaves the framework.
struct FwDataExchangeFailure {};

class CDataExchange {
public:
    CDataExchange(CWnd *dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd *m_pDlgWnd;

    // The control `id` of the dialog, remembered as the one a failure refers to.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Ends the exchange as failed: on save, the last prepared control takes the focus and an
    // edit control gets its whole text selected.
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// ---- text and numbers (edit controls, or any window text) ----
void DDX_Text(CDataExchange *dx, int id, CString &value);
void DDX_Text(CDataExchange *dx, int id, LPSTR value, int size);
void DDX_Text(CDataExchange *dx, int id, int &value);
void DDX_Text(CDataExchange *dx, int id, unsigned int &value);
void DDX_Text(CDataExchange *dx, int id, long &value);
void DDX_Text(CDataExchange *dx, int id, unsigned long &value);
void DDX_Text(CDataExchange *dx, int id, short &value);
void DDX_Text(CDataExchange *dx, int id, BYTE &value);
void DDX_Text(CDataExchange *dx, int id, float &value);
void DDX_Text(CDataExchange *dx, int id, double &value);

// ---- buttons ----
void DDX_Check(CDataExchange *dx, int id, int &value);
// The radio group that starts at `id` and runs to the next control with WS_GROUP: the index of
// the checked button among the group's radio buttons, -1 for none.
void DDX_Radio(CDataExchange *dx, int id, int &value);

// ---- combo and list boxes ----
void DDX_CBIndex(CDataExchange *dx, int id, int &index);
void DDX_CBString(CDataExchange *dx, int id, CString &value);
void DDX_CBStringExact(CDataExchange *dx, int id, CString &value);
void DDX_LBIndex(CDataExchange *dx, int id, int &index);
void DDX_LBString(CDataExchange *dx, int id, CString &value);
void DDX_LBStringExact(CDataExchange *dx, int id, CString &value);

// ---- control objects: subclasses control `id` into `control` the first time ----
void DDX_Control(CDataExchange *dx, int id, CWnd &control);

// ---- validation ----
// On save: fails when the text is longer. On load: limits what the control accepts.
void DDV_MaxChars(CDataExchange *dx, const CString &value, int maxChars);
void DDV_MaxChars(CDataExchange *dx, LPCSTR value, int maxChars);
void DDV_MinMaxInt(CDataExchange *dx, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange *dx, unsigned int value, unsigned int minValue, unsigned int maxValue);
void DDV_MinMaxLong(CDataExchange *dx, long value, long minValue, long maxValue);
void DDV_MinMaxDWord(CDataExchange *dx, DWORD value, DWORD minValue, DWORD maxValue);
void DDV_MinMaxDouble(CDataExchange *dx, double value, double minValue, double maxValue);
void DDV_MinMaxFloat(CDataExchange *dx, float value, float minValue, float maxValue);
