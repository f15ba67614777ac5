// DDX_Text for text and numbers, and the range checks of DDV_MinMax.
#include <cfloat>
#include <climits>

#include "data_exchange_internal.h"
#include "framework_strings.h"
#include "number_text.h"

using fw::detail::FailWithMessage;

namespace {

CString ControlText(HWND control) {
    CString text;
    const int length = ::GetWindowTextLengthA(control);
    if (length > 0) {
        ::GetWindowTextA(control, text.GetBufferSetLength(length), length + 1);
        text.ReleaseBuffer();
    }
    return text;
}

template <typename T> void ExchangeSigned(CDataExchange *dx, int id, T &value, long long minValue, long long maxValue) {
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%lld", static_cast<long long>(value));
        ::SetWindowTextA(control, text);
        return;
    }
    auto parsed = fw::detail::ParseSigned(ControlText(control), minValue, maxValue);
    if (!parsed)
        FailWithMessage(dx, fw::detail::kPromptWholeNumber);
    value = static_cast<T>(*parsed);
}

template <typename T> void ExchangeUnsigned(CDataExchange *dx, int id, T &value, unsigned long long maxValue) {
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%llu", static_cast<unsigned long long>(value));
        ::SetWindowTextA(control, text);
        return;
    }
    auto parsed = fw::detail::ParseUnsigned(ControlText(control), maxValue);
    if (!parsed)
        FailWithMessage(dx, fw::detail::kPromptUnsignedNumber);
    value = static_cast<T>(*parsed);
}

template <typename T> void ExchangeReal(CDataExchange *dx, int id, T &value, int digits, double limit) {
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        ::SetWindowTextA(control, fw::detail::FormatReal(static_cast<double>(value), digits).c_str());
        return;
    }
    auto parsed = fw::detail::ParseReal(ControlText(control));
    if (!parsed || *parsed > limit || *parsed < -limit)
        FailWithMessage(dx, fw::detail::kPromptNumber);
    value = static_cast<T>(*parsed);
}

} // namespace

void DDX_Text(CDataExchange *dx, int id, CString &value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = ControlText(control);
    else
        ::SetWindowTextA(control, value);
}

void DDX_Text(CDataExchange *dx, int id, LPSTR value, int size) {
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr || value == nullptr || size <= 0)
        return;
    if (dx->m_bSaveAndValidate) {
        value[0] = '\0';
        ::GetWindowTextA(control, value, size);
        value[size - 1] = '\0';
    } else {
        // The buffer may hold text without a terminator in its last byte; never read past it.
        ::SetWindowTextA(control, CString(value, size));
    }
}

void DDX_Text(CDataExchange *dx, int id, int &value) { ExchangeSigned(dx, id, value, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange *dx, int id, long &value) { ExchangeSigned(dx, id, value, LONG_MIN, LONG_MAX); }
void DDX_Text(CDataExchange *dx, int id, short &value) { ExchangeSigned(dx, id, value, SHRT_MIN, SHRT_MAX); }
void DDX_Text(CDataExchange *dx, int id, unsigned int &value) { ExchangeUnsigned(dx, id, value, UINT_MAX); }
void DDX_Text(CDataExchange *dx, int id, unsigned long &value) { ExchangeUnsigned(dx, id, value, ULONG_MAX); }
void DDX_Text(CDataExchange *dx, int id, BYTE &value) { ExchangeUnsigned(dx, id, value, UCHAR_MAX); }
void DDX_Text(CDataExchange *dx, int id, float &value) { ExchangeReal(dx, id, value, FLT_DIG, FLT_MAX); }
void DDX_Text(CDataExchange *dx, int id, double &value) { ExchangeReal(dx, id, value, DBL_DIG, DBL_MAX); }

namespace {

void CheckSignedRange(CDataExchange *dx, long long value, long long minValue, long long maxValue) {
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString prompt;
    prompt.Format(fw::detail::kPromptIntRange, static_cast<long>(minValue), static_cast<long>(maxValue));
    FailWithMessage(dx, prompt);
}

void CheckUnsignedRange(CDataExchange *dx, unsigned long long value, unsigned long long minValue,
                        unsigned long long maxValue) {
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString prompt;
    prompt.Format(fw::detail::kPromptUIntRange, static_cast<unsigned long>(minValue),
                  static_cast<unsigned long>(maxValue));
    FailWithMessage(dx, prompt);
}

void CheckRealRange(CDataExchange *dx, double value, double minValue, double maxValue, int digits) {
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString prompt;
    prompt.Format(fw::detail::kPromptRealRange, digits, minValue, digits, maxValue);
    FailWithMessage(dx, prompt);
}

} // namespace

void DDV_MinMaxInt(CDataExchange *dx, int value, int minValue, int maxValue) {
    CheckSignedRange(dx, value, minValue, maxValue);
}

void DDV_MinMaxLong(CDataExchange *dx, long value, long minValue, long maxValue) {
    CheckSignedRange(dx, value, minValue, maxValue);
}

void DDV_MinMaxUInt(CDataExchange *dx, unsigned int value, unsigned int minValue, unsigned int maxValue) {
    CheckUnsignedRange(dx, value, minValue, maxValue);
}

void DDV_MinMaxDWord(CDataExchange *dx, DWORD value, DWORD minValue, DWORD maxValue) {
    CheckUnsignedRange(dx, value, minValue, maxValue);
}

void DDV_MinMaxDouble(CDataExchange *dx, double value, double minValue, double maxValue) {
    CheckRealRange(dx, value, minValue, maxValue, DBL_DIG);
}

void DDV_MinMaxFloat(CDataExchange *dx, float value, float minValue, float maxValue) {
    CheckRealRange(dx, value, minValue, maxValue, FLT_DIG);
}
