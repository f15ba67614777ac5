#include "framework/data_exchange.h"

#include "data_exchange_internal.h"
#include "framework/message_box.h"
#include "framework_strings.h"

namespace fw::detail {

void FailWithMessage(CDataExchange *dx, const char *message) {
    FrameworkMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
}

bool HasClass(HWND hwnd, const char *className) {
    char name[32] = {};
    return hwnd != nullptr && GetClassNameA(hwnd, name, sizeof(name)) > 0 && lstrcmpiA(name, className) == 0;
}

} // namespace fw::detail

CDataExchange::CDataExchange(CWnd *dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = control != nullptr;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr && ::IsWindow(m_hWndLastControl)) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw FwDataExchangeFailure{};
}

void DDX_Check(CDataExchange *dx, int id, int &value) {
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        const int check = (value >= BST_UNCHECKED && value <= BST_INDETERMINATE) ? value : BST_UNCHECKED;
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    }
}

namespace {

bool IsRadioButton(HWND hwnd) {
    if (!fw::detail::HasClass(hwnd, "Button"))
        return false;
    const DWORD type = static_cast<DWORD>(::GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

} // namespace

void DDX_Radio(CDataExchange *dx, int id, int &value) {
    HWND first = dx->PrepareCtrl(id);
    if (first == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    HWND control = first;
    do {
        if (IsRadioButton(control)) {
            if (dx->m_bSaveAndValidate) {
                if (::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    } while (control != nullptr && (static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)) & WS_GROUP) == 0);
}

void DDX_Control(CDataExchange *dx, int id, CWnd &control) {
    if (control.m_hWnd != nullptr)
        return;
    HWND hwnd = dx->PrepareCtrl(id);
    if (hwnd == nullptr || !control.SubclassWindow(hwnd))
        dx->Fail();
}

void DDV_MaxChars(CDataExchange *dx, LPCSTR value, int maxChars) {
    HWND control = dx->m_hWndLastControl;
    if (!dx->m_bSaveAndValidate) {
        if (control != nullptr) {
            const UINT message = fw::detail::HasClass(control, "ComboBox") ? CB_LIMITTEXT : EM_LIMITTEXT;
            ::SendMessageA(control, message, static_cast<WPARAM>(maxChars), 0);
        }
        return;
    }
    if (value != nullptr && lstrlenA(value) > maxChars) {
        CString prompt;
        prompt.Format(fw::detail::kPromptMaxChars, maxChars);
        fw::detail::FailWithMessage(dx, prompt);
    }
}

void DDV_MaxChars(CDataExchange *dx, const CString &value, int maxChars) {
    DDV_MaxChars(dx, static_cast<LPCSTR>(value), maxChars);
}
