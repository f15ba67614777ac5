// ChooseColorA: the system colour chooser, a modal dialog run by the same loop as DialogBox*.
//
// Handled: CC_RGBINIT, CC_FULLOPEN, CC_PREVENTFULLOPEN, CC_SHOWHELP (the Help button sends
// HELPMSGSTRING to the owner), CC_ENABLEHOOK (the hook gets WM_INITDIALOG with the CHOOSECOLORA, then
// every message first; COLOROKSTRING may refuse OK; SETRGBSTRING sets the colour), CC_ENABLETEMPLATE
// and CC_ENABLETEMPLATEHANDLE (the template must use the COLOR_* identifiers; its pictures are drawn
// owner-drawn whatever static style they were given). CC_SOLIDCOLOR and CC_ANYCOLOR change nothing:
// every colour is shown solid, there is no palette to dither against. The spectrum is picked with the
// mouse; the colour cells have no keyboard selection.
#include "comdlg/color_dialog.h"
#include "comdlg/color_dialog_template.h"
#include "comdlg/comdlg_error.h"
#include "user/dialog/dialog_create.h"
#include "user/dialog/modal_loop.h"

namespace win32::comdlg {

namespace {

// The template the caller asked for, or the dialog's own; false with the extended error set.
bool FindTemplate(const CHOOSECOLORA &cc, const user::dialog::DialogTemplateWriter &own, HINSTANCE *instance,
                  const void **data, size_t *size) {
    *instance = nullptr;
    *data = own.Template();
    *size = own.Size();
    if (cc.Flags & CC_ENABLETEMPLATEHANDLE) {
        const auto memory = reinterpret_cast<HGLOBAL>(cc.hInstance);
        *data = GlobalLock(memory);
        *size = GlobalSize(memory);
        if (!*data)
            SetExtendedError(CDERR_LOCKRESFAILURE);
        return *data != nullptr;
    }
    if (cc.Flags & CC_ENABLETEMPLATE) {
        *instance = reinterpret_cast<HINSTANCE>(cc.hInstance);
        if (!*instance || !cc.lpTemplateName) {
            SetExtendedError(*instance ? CDERR_NOTEMPLATE : CDERR_NOHINSTANCE);
            return false;
        }
        if (!user::dialog::FindDialogResource(*instance, cc.lpTemplateName, data, size)) {
            SetExtendedError(CDERR_FINDRESFAILURE);
            return false;
        }
    }
    return true;
}

void ReleaseTemplate(const CHOOSECOLORA &cc) {
    if (cc.Flags & CC_ENABLETEMPLATEHANDLE)
        GlobalUnlock(reinterpret_cast<HGLOBAL>(cc.hInstance));
}

} // namespace

} // namespace win32::comdlg

using namespace win32::comdlg;

BOOL WINAPI ChooseColorA(LPCHOOSECOLORA lpcc) {
    SetExtendedError(0);
    if (!lpcc) {
        SetExtendedError(CDERR_INITIALIZATION);
        return FALSE;
    }
    if (lpcc->lStructSize != sizeof(CHOOSECOLORA)) {
        SetExtendedError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    if ((lpcc->Flags & CC_ENABLEHOOK) && !lpcc->lpfnHook) {
        SetExtendedError(CDERR_NOHOOK);
        return FALSE;
    }
    const win32::user::dialog::DialogTemplateWriter own = BuildColorDialogTemplate();
    HINSTANCE instance = nullptr;
    const void *data = nullptr;
    size_t size = 0;
    if (!FindTemplate(*lpcc, own, &instance, &data, &size))
        return FALSE;

    ColorDialog dialog(*lpcc);
    HWND owner = win32::user::dialog::ModalOwner(lpcc->hwndOwner);
    HWND hDlg = win32::user::dialog::CreateDialogFromTemplate(instance, data, size, owner, ColorDialog::Proc,
                                                              reinterpret_cast<LPARAM>(&dialog),
                                                              win32::user::dialog::ShowMode::Hidden);
    ReleaseTemplate(*lpcc);
    if (!hDlg) {
        SetExtendedError(CDERR_DIALOGFAILURE);
        return FALSE;
    }
    // OK writes the colour before the hook may refuse it: any other end leaves the caller's colour as it was.
    const COLORREF original = lpcc->rgbResult;
    const bool chosen = win32::user::dialog::RunModalDialog(hDlg, owner, MSGF_DIALOGBOX) == IDOK;
    if (!chosen)
        lpcc->rgbResult = original;
    return chosen;
}
