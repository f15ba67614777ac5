// COrvanePropertySheet: the base of every property sheet of the library. It draws its own button row (OK,
// Cancel, Apply Now, Help), runs with the library's own modality like COrvaneDialog, and watches the
// clipboard for the host. Apply Now and Help never end the sheet; OK ends it only when the active page
// accepts its data.
#pragma once
#include <framework/framework.h>

#include "core/clipboard_watcher.h"

class COrvanePropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(COrvanePropertySheet)
public:
    // The caption is "Caption - name" when the element name is not empty.
    COrvanePropertySheet(const char *elementName, UINT captionId, CWnd *parent = nullptr, UINT selectPage = 0,
                         BOOL applyOption = FALSE);
    COrvanePropertySheet(const char *elementName, const char *caption, CWnd *parent = nullptr,
                         UINT selectPage = 0, BOOL applyOption = FALSE);
    ~COrvanePropertySheet() override;

    // 1 (OK), 2 (Cancel) or -1 when the window could not be created.
    INT_PTR DoModal() override;
    void EnableApply(BOOL enable);
    // After pages were added or removed while the sheet is open.
    void Relayout();

    // The code of the last button pressed: -1 none, 1 OK, 2 Cancel, 3 Apply Now, 0xE145 Help.
    int GetEndCode() const { return m_endCode; }
    BOOL IsClosing() const { return m_closing; }

    void OnOK() override;
    void OnCancel() override;

protected:
    BOOL OnCreateSheet() override;
    void OnApplyNow();
    void OnHelpButton();
    void OnDestroy();
    void OnDrawClipboard();
    void OnChangeCbChain(HWND removed, HWND after);

    CButton m_okButton;
    CButton m_cancelButton;
    CButton m_applyButton;
    CButton m_helpButton;
    ClipboardWatcher m_clipboard;
    BOOL m_applyOption;
    BOOL m_closing = FALSE;
    int m_endCode = -1;

    DECLARE_MESSAGE_MAP()

private:
    // The active page's data exchange in the save direction.
    BOOL ActivePageAccepts();
    BOOL CreateButtonRow();
};

// "Caption - name", or the caption alone for an empty name.
CString SheetCaption(const CString &caption, const char *elementName);
