// CClipboardEdit: an edit field that the host's Edit menu and name lists can act on. Each time it receives the
// focus it becomes the registered clipboard edit; it leaves the registration when it goes away.
#pragma once
#include <framework/framework.h>

#include "editors/clipboard_target.h"

class CClipboardEdit : public CEdit, public ClipboardTarget {
    DECLARE_DYNAMIC(CClipboardEdit)
public:
    CClipboardEdit() = default;
    ~CClipboardEdit() override;

    void CopyToClipboard() override;
    void CutToClipboard() override;
    bool PasteFromClipboard() override;
    void UndoLastChange() override;
    void PasteName(std::string_view name, bool functionFlag, int insertMode) override;
    HWND TargetWindow() const override { return m_hWnd; }

protected:
    void OnSetFocus(CWnd *oldWnd);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
