// CWnd: a framework object bound to a window. Objects are found from their handle through a
// permanent map (objects the framework created, attached or subclassed) and a temporary map
// (short-lived objects that FromHandle makes for foreign windows; freed at idle time).
#pragma once
#include "framework/cmd_target.h"
#include "framework/text.h"

class CDataExchange;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    // ---- handle maps ----
    // The object for `hwnd`: the permanent one, else a temporary object (nullptr for no window).
    static CWnd *FromHandle(HWND hwnd);
    static CWnd *FromHandlePermanent(HWND hwnd);
    // The object for `hwnd` as an object of class `cls` (which must be creatable): the permanent
    // object when it is of that class (nullptr when it is of another), else a temporary object of
    // that class. Casting FromHandle's plain CWnd to a control class instead would be undefined.
    static CWnd *FromHandleOfClass(HWND hwnd, const CRuntimeClass *cls);
    template <class T> static T *FromHandleAs(HWND hwnd) {
        return static_cast<T *>(FromHandleOfClass(hwnd, T::GetThisClass()));
    }
    // Frees every temporary object. Pointers from FromHandle are invalid afterwards.
    static void DeleteTempMap();
    static int GetTempMapCount();

    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Attaches and replaces the window procedure, so that the object sees the window's messages
    // first; DefWindowProc passes them on to the previous procedure.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd *parent);
    HWND UnsubclassWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // ---- creation and destruction ----
    virtual BOOL PreCreateWindow(CREATESTRUCT &cs);
    // `className` nullptr uses the framework's own window class.
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                          int height, HWND parent, HMENU menuOrId, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT &rect, CWnd *parent,
                  UINT id, LPVOID param = nullptr);
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT &rect, CWnd *parent, UINT id);
    virtual BOOL DestroyWindow();
    // Called after the window got its last message and the object was detached; an object that
    // lives on the heap for its window's life deletes itself here.
    virtual void PostNcDestroy();

    // ---- message processing ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    static const MSG *GetCurrentMessage();

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *result);
    // A parent offers a child control's notification to the control's object first; the default
    // looks it up among the object's reflected-message entries.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);

    virtual BOOL PreTranslateMessage(MSG *msg);
    // Offers `msg` to PreTranslateMessage of the framework objects from its target window up
    // through the parents (and owners), stopping after `stop`. TRUE when one consumed it.
    static BOOL WalkPreTranslateTree(HWND stop, MSG *msg);

    // ---- data exchange ----
    virtual void DoDataExchange(CDataExchange *dx);
    // Runs DoDataExchange; FALSE when a field failed validation (nothing escapes).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // ---- help ----
    // The help context this window answers with, or 0 when it does not answer.
    virtual DWORD GetHelpContext() const;
    // Calls the help system with the framework's help file path. Windows other than the main
    // window hand the request to the main window object, so that it sees every help call.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // ---- idle update of controls ----
    void UpdateDialogControls(CCmdTarget *target, BOOL disableIfNoHandler);

    // ---- thin wrappers ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int maxCount) const;
    void GetWindowText(CString &text) const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL ShowWindow(int command);
    BOOL IsWindow() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT &rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd *insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT *rect, BOOL erase = TRUE);
    void UpdateWindow();
    CWnd *SetFocus();
    static CWnd *GetFocus();
    static CWnd *GetActiveWindow();
    CWnd *SetActiveWindow();
    CWnd *GetParent() const;
    CWnd *GetOwner() const;
    CWnd *GetWindow(UINT command) const;
    CWnd *GetTopLevelParent() const;
    BOOL IsChild(const CWnd *wnd) const;
    void CenterWindow(CWnd *alternateOwner = nullptr);
    void BringWindowToTop();
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    int GetDlgCtrlID() const;
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HFONT GetFont() const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    // dialog-item helpers
    CWnd *GetDlgItem(int id) const;
    // GetDlgItem for a control class, e.g. GetDlgItemAs<CComboBox>(IDC_LIST).
    template <class T> T *GetDlgItemAs(int id) const { return FromHandleAs<T>(::GetDlgItem(m_hWnd, id)); }
    void SetDlgItemText(int id, LPCSTR text);
    int GetDlgItemText(int id, CString &text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL *translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd *GetNextDlgTabItem(CWnd *control, BOOL previous = FALSE) const;

protected:
    // The procedure the window had before the framework subclassed it (nullptr: DefWindowProcA).
    WNDPROC m_pfnSuper = nullptr;
    // Set when the framework created the window; the object then destroys it with itself.
    BOOL m_bOwnsWindow = FALSE;

    static const FwMessageMap *GetThisMessageMap();
    const FwMessageMap *GetMessageMap() const override;

    // Default handlers used by the typed message-map entries; each does the default processing.
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnClose();
    void OnPaint();
    BOOL OnEraseBkgnd(HDC dc);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnShowWindow(BOOL show, UINT status);
    void OnEnable(BOOL enable);
    void OnWindowPosChanging(WINDOWPOS *pos);
    void OnWindowPosChanged(WINDOWPOS *pos);
    void OnGetMinMaxInfo(MINMAXINFO *info);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item);
    int OnCompareItem(int id, LPCOMPAREITEMSTRUCT item);
    void OnDeleteItem(int id, LPDELETEITEMSTRUCT item);
    HBRUSH OnCtlColor(HDC dc, CWnd *control, UINT ctlColor);
    void OnSetFocus(CWnd *oldWnd);
    void OnKillFocus(CWnd *newWnd);
    void OnActivate(UINT state, CWnd *other, BOOL minimized);
    BOOL OnNcActivate(BOOL active);
    void OnChangeCbChain(HWND removed, HWND after);
    void OnDrawClipboard();
    void OnTimer(UINT_PTR id);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnKeyUp(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnSysKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnSysChar(UINT ch, UINT repeat, UINT flags);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    void OnLButtonDblClk(UINT flags, POINT point);
    void OnRButtonDown(UINT flags, POINT point);
    void OnRButtonUp(UINT flags, POINT point);
    void OnContextMenu(CWnd *wnd, POINT point);
    void OnHScroll(UINT code, UINT pos, CWnd *scrollBar);
    void OnVScroll(UINT code, UINT pos, CWnd *scrollBar);
    BOOL OnHelpInfo(HELPINFO *info);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OnInitMenuPopup(HMENU menu, UINT index, BOOL sysMenu);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnSysColorChange();
    UINT OnGetDlgCode();
    BOOL OnSetCursor(CWnd *wnd, UINT hitTest, UINT message);

private:
    // Offers an owner-draw or colour message to the child control it concerns.
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);

    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    friend struct FwWindowAccess;
};

// The window procedure of every window the framework subclasses or creates.
LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
