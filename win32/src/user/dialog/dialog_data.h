// The dialog manager's private data for one dialog window. Its pointer lives in the window's extra
// bytes after the three documented DWL_ slots; a registry of live records makes the lookup safe for
// any window handle, dialog or not.
#pragma once
#include <windows.h>

namespace win32::user::dialog {

// The state of a modal loop (DialogBox*, MessageBoxA) that outlives the dialog's own data.
struct ModalState {
    HWND owner = nullptr;
    bool ownerDisabled = false; // the loop disabled the owner and must enable it again
    bool ended = false;
    bool destroyed = false;
    INT_PTR result = 0;
};

struct DialogData {
    HWND hwnd = nullptr;
    HFONT font = nullptr; // the template's font, owned and deleted with the dialog
    SIZE baseUnits{};     // dialog base units: average character width and height
    HWND savedFocus = nullptr;
    WORD defId = 0;
    bool hasDefId = false; // false until DM_SETDEFID or the first look change captures the default
    bool ended = false;
    INT_PTR result = 0;
    ModalState *modal = nullptr; // the modal loop running this dialog, if any
};

// Offset of the DialogData pointer in the window's extra bytes (after DWL_MSGRESULT, DWL_DLGPROC, DWL_USER).
constexpr int kDialogDataOffset = 12;

// The data of a dialog window, null for any other window or handle.
DialogData *DataOf(HWND hwnd);

// The data of `hwnd`, attached on first use: a dialog under construction by CreateDialog* picks up the
// record prepared for it, and a window of a dialog class made with CreateWindowExA gets a fresh one.
// Null when the window's class has no room for the pointer.
DialogData *EnsureData(HWND hwnd);

// Frees the data of a dialog being destroyed (its font included).
void FreeData(HWND hwnd);

// CreateDialog* prepares the record and the dialog procedure before creating the window, so that the
// procedure sees the window's creation messages; the first dialog window that asks for its data
// during that creation receives them.
class PendingDialog {
public:
    // Takes ownership of `data` until it is attached to a window.
    PendingDialog(DialogData *data, DLGPROC proc);
    ~PendingDialog();
    PendingDialog(const PendingDialog &) = delete;
    PendingDialog &operator=(const PendingDialog &) = delete;

    // Attaches the record to `hwnd` unless it was attached already (CreateWindowExA returned it).
    // False when the window cannot hold the record.
    bool AttachTo(HWND hwnd);
    bool Attached() const { return m_attached; }
    HWND Window() const { return m_hwnd; }

    static PendingDialog *Current();

private:
    friend DialogData *EnsureData(HWND hwnd);
    DialogData *m_data;
    DLGPROC m_proc;
    HWND m_hwnd = nullptr;
    bool m_attached = false;
    PendingDialog *m_previous;
};

} // namespace win32::user::dialog
