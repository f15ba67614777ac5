// CDialog: a dialog box created from a template in the resource module (or from memory), whose
// window is subclassed by the framework so that its message map sees every message.
#pragma once
#include "framework/wnd.h"

#include <functional>

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd *parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd *parent = nullptr);

    // Modeless creation. FALSE when the template is missing or the window could not be created.
    BOOL Create(UINT templateId, CWnd *parent = nullptr);
    BOOL Create(LPCSTR templateName, CWnd *parent = nullptr);
    BOOL Create() { return Create(m_lpszTemplateName, m_pParentWnd); }
    BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd *parent = nullptr);
    // Modal run through the system's modal loop; returns the EndDialog result or -1.
    virtual INT_PTR DoModal();
    // Ends a modal run; a modeless dialog goes to OnEndModeless instead.
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    // Adds the list and combo items of the template's item-list resource (type 240, same name), or of
    // such data in memory. FALSE when the data is damaged or a control refused an item.
    BOOL ExecuteDlgInit(LPCSTR templateName);
    BOOL ExecuteDlgInit(const void *data, size_t size);
    virtual void OnOK();
    virtual void OnCancel();
    // What ending a modeless dialog does; the default destroys the window.
    virtual void OnEndModeless(int result);

    void GotoDlgCtrl(CWnd *control);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    BOOL MapDialogRect(LPRECT rect) const;

    BOOL PreTranslateMessage(MSG *msg) override;
    DWORD GetHelpContext() const override;

    // Dialogs that opt in get their controls' state refreshed through the update-command-UI
    // pass at idle time.
    void SetUpdateControlsAtIdle(BOOL update) { m_bUpdateControlsAtIdle = update; }
    BOOL GetUpdateControlsAtIdle() const { return m_bUpdateControlsAtIdle; }

    LPCSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd *m_pParentWnd = nullptr;
    int m_nModalResult = -1;

protected:
    void OnHelpCommand();
    BOOL OnHelpInfo(HELPINFO *info);

    // The template used by Create() and DoModal() when there is no template name.
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    BOOL m_bModal = FALSE;
    BOOL m_bUpdateControlsAtIdle = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    HWND ParentHandle(CWnd *parent) const;
    // Creates the window through `create` (given the parent handle) with this object bound to it.
    BOOL CreateModeless(CWnd *parent, const std::function<HWND(HWND)> &create);
    friend INT_PTR CALLBACK FrameworkDlgProc(HWND, UINT, WPARAM, LPARAM);
};

// The dialog procedure of every framework dialog; it only answers WM_INITDIALOG (everything
// else reaches the object through the subclassed window procedure).
INT_PTR CALLBACK FrameworkDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
