#include "user/dialog/dialog_data.h"

#include <unordered_set>

namespace win32::user::dialog {

namespace {

// Every record attached to a live dialog window; they are owned here until WM_NCDESTROY.
std::unordered_set<DialogData *> &LiveRecords() {
    static std::unordered_set<DialogData *> records;
    return records;
}

thread_local PendingDialog *t_pending = nullptr;

bool HasRoomForData(HWND hwnd) {
    const DWORD savedError = GetLastError();
    const DWORD extra = GetClassLongA(hwnd, GCL_CBWNDEXTRA);
    SetLastError(savedError);
    return extra >= kDialogDataOffset + sizeof(DialogData *);
}

void Store(HWND hwnd, DialogData *data) {
    data->hwnd = hwnd;
    LiveRecords().insert(data);
    SetWindowLongA(hwnd, kDialogDataOffset, static_cast<LONG>(reinterpret_cast<LONG_PTR>(data)));
}

} // namespace

DialogData *DataOf(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd) || !HasRoomForData(hwnd))
        return nullptr;
    const DWORD savedError = GetLastError();
    auto *data = reinterpret_cast<DialogData *>(static_cast<LONG_PTR>(GetWindowLongA(hwnd, kDialogDataOffset)));
    SetLastError(savedError);
    if (!data || !LiveRecords().count(data) || data->hwnd != hwnd)
        return nullptr;
    return data;
}

DialogData *EnsureData(HWND hwnd) {
    if (DialogData *data = DataOf(hwnd))
        return data;
    if (!hwnd || !IsWindow(hwnd) || !HasRoomForData(hwnd))
        return nullptr;
    PendingDialog *pending = t_pending;
    if (pending && !pending->m_attached) {
        pending->AttachTo(hwnd);
        return DataOf(hwnd);
    }
    auto *data = new DialogData;
    Store(hwnd, data);
    return data;
}

void FreeData(HWND hwnd) {
    DialogData *data = DataOf(hwnd);
    if (!data)
        return;
    SetWindowLongA(hwnd, kDialogDataOffset, 0);
    LiveRecords().erase(data);
    if (data->modal)
        data->modal->destroyed = true;
    if (data->font)
        DeleteObject(data->font);
    delete data;
}

PendingDialog::PendingDialog(DialogData *data, DLGPROC proc) : m_data(data), m_proc(proc), m_previous(t_pending) {
    t_pending = this;
}

PendingDialog::~PendingDialog() {
    t_pending = m_previous;
    if (!m_attached) {
        if (m_data->font)
            DeleteObject(m_data->font);
        delete m_data;
    }
}

bool PendingDialog::AttachTo(HWND hwnd) {
    if (m_attached)
        return m_hwnd == hwnd;
    if (!HasRoomForData(hwnd))
        return false;
    m_attached = true;
    m_hwnd = hwnd;
    SetWindowLongA(hwnd, DWL_DLGPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(m_proc)));
    Store(hwnd, m_data);
    return true;
}

PendingDialog *PendingDialog::Current() {
    return t_pending;
}

} // namespace win32::user::dialog
