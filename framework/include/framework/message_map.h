// Message maps: each class that handles messages has a static table of entries, chained to its
// base class's table. An entry matches a message number, a notification code and a range of
// control identifiers, and holds a small thunk that unpacks the message parameters and calls the
// typed handler on the object.
//
//   class CMyDialog : public CDialog {
//       ...
//       void OnPaint();
//       void OnApply();
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyDialog, CDialog)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDC_APPLY, OnApply)
//   END_MESSAGE_MAP()
#pragma once
#include "framework/command_ids.h"

class CCmdTarget;
class CCmdUI;
class CWnd;

// One message on its way to a handler. Thunks store the handler's answer in `result` and may
// clear `handled` when the handler declined the message.
struct FwMessageCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;
    UINT code;
    void *extra;
    LRESULT result;
    BOOL handled;
};

using FwMessageThunk = void (*)(CCmdTarget *target, FwMessageCall &call);

struct FwMessageMapEntry {
    UINT message;
    UINT code;
    UINT idFirst;
    UINT idLast;
    FwMessageThunk thunk;
};

struct FwMessageMap {
    const FwMessageMap *(*pfnGetBaseMap)();
    const FwMessageMapEntry *entries;
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const FwMessageMap *GetThisMessageMap();                                                                    \
    const FwMessageMap *GetMessageMap() const override;                                                                \
                                                                                                                       \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const FwMessageMap *theClass::GetMessageMap() const { return GetThisMessageMap(); }                                \
    const FwMessageMap *theClass::GetThisMessageMap() {                                                                \
        using ThisClass [[maybe_unused]] = theClass;                                                                                  \
        using TheBaseClass = baseClass;                                                                                \
        static const FwMessageMapEntry s_entries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {0, 0, 0, 0, nullptr}                                                                                              \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const FwMessageMap s_map = {&TheBaseClass::GetThisMessageMap, s_entries};                                   \
    return &s_map;                                                                                                     \
    }

// The building block of every entry macro: the statement list runs with `self` (the object as
// the map's class) and `fwCall` (the message).
#define FW_MESSAGE_ENTRY(msg, notifyCode, first, last, ...)                                                            \
    {static_cast<UINT>(msg), static_cast<UINT>(notifyCode), static_cast<UINT>(first), static_cast<UINT>(last),        \
     +[](CCmdTarget *fwTarget, FwMessageCall &fwCall) {                                                                \
         ThisClass *self = static_cast<ThisClass *>(fwTarget);                                                         \
         (void)self;                                                                                                   \
         (void)fwCall;                                                                                                 \
         __VA_ARGS__;                                                                                                  \
     }},

#define FW_WND_MSG(msg, ...) FW_MESSAGE_ENTRY(msg, 0, 0, 0, __VA_ARGS__)
#define FW_WPARAM fwCall.wParam
#define FW_LPARAM fwCall.lParam
// Signed coordinates packed in an LPARAM (Windows has them in windowsx.h, whose SubclassWindow macro
// would collide with CWnd::SubclassWindow).
#define FW_X_LPARAM(lp) static_cast<int>(static_cast<short>(LOWORD(lp)))
#define FW_Y_LPARAM(lp) static_cast<int>(static_cast<short>(HIWORD(lp)))
#define FW_POINT_LPARAM POINT{FW_X_LPARAM(fwCall.lParam), FW_Y_LPARAM(fwCall.lParam)}

// ---- any message: LRESULT OnXxx(WPARAM, LPARAM) ----
#define ON_MESSAGE(msg, fn) FW_WND_MSG(msg, fwCall.result = self->fn(FW_WPARAM, FW_LPARAM))

// ---- window messages with typed handlers ----
#define ON_WM_CREATE()                                                                                                 \
    FW_WND_MSG(WM_CREATE, fwCall.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(FW_LPARAM)))
#define ON_WM_DESTROY() FW_WND_MSG(WM_DESTROY, self->OnDestroy())
#define ON_WM_CLOSE() FW_WND_MSG(WM_CLOSE, self->OnClose())
#define ON_WM_PAINT() FW_WND_MSG(WM_PAINT, self->OnPaint())
#define ON_WM_ERASEBKGND()                                                                                             \
    FW_WND_MSG(WM_ERASEBKGND, fwCall.result = self->OnEraseBkgnd(reinterpret_cast<HDC>(FW_WPARAM)))
#define ON_WM_SIZE()                                                                                                   \
    FW_WND_MSG(WM_SIZE, self->OnSize(static_cast<UINT>(FW_WPARAM), FW_X_LPARAM(FW_LPARAM), FW_Y_LPARAM(FW_LPARAM)))
#define ON_WM_MOVE() FW_WND_MSG(WM_MOVE, self->OnMove(FW_X_LPARAM(FW_LPARAM), FW_Y_LPARAM(FW_LPARAM)))
#define ON_WM_SHOWWINDOW()                                                                                             \
    FW_WND_MSG(WM_SHOWWINDOW, self->OnShowWindow(static_cast<BOOL>(FW_WPARAM), static_cast<UINT>(FW_LPARAM)))
#define ON_WM_ENABLE() FW_WND_MSG(WM_ENABLE, self->OnEnable(static_cast<BOOL>(FW_WPARAM)))
#define ON_WM_WINDOWPOSCHANGING()                                                                                      \
    FW_WND_MSG(WM_WINDOWPOSCHANGING, self->OnWindowPosChanging(reinterpret_cast<WINDOWPOS *>(FW_LPARAM)))
#define ON_WM_WINDOWPOSCHANGED()                                                                                       \
    FW_WND_MSG(WM_WINDOWPOSCHANGED, self->OnWindowPosChanged(reinterpret_cast<WINDOWPOS *>(FW_LPARAM)))
#define ON_WM_GETMINMAXINFO()                                                                                          \
    FW_WND_MSG(WM_GETMINMAXINFO, self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO *>(FW_LPARAM)))
#define ON_WM_DRAWITEM()                                                                                               \
    FW_WND_MSG(WM_DRAWITEM, self->OnDrawItem(static_cast<int>(FW_WPARAM), reinterpret_cast<LPDRAWITEMSTRUCT>(FW_LPARAM)); \
               fwCall.result = TRUE)
#define ON_WM_MEASUREITEM()                                                                                            \
    FW_WND_MSG(WM_MEASUREITEM,                                                                                         \
               self->OnMeasureItem(static_cast<int>(FW_WPARAM), reinterpret_cast<LPMEASUREITEMSTRUCT>(FW_LPARAM));     \
               fwCall.result = TRUE)
#define ON_WM_COMPAREITEM()                                                                                            \
    FW_WND_MSG(WM_COMPAREITEM, fwCall.result = self->OnCompareItem(static_cast<int>(FW_WPARAM),                       \
                                                                   reinterpret_cast<LPCOMPAREITEMSTRUCT>(FW_LPARAM)))
#define ON_WM_DELETEITEM()                                                                                             \
    FW_WND_MSG(WM_DELETEITEM,                                                                                          \
               self->OnDeleteItem(static_cast<int>(FW_WPARAM), reinterpret_cast<LPDELETEITEMSTRUCT>(FW_LPARAM));      \
               fwCall.result = TRUE)
#define FW_CTLCOLOR_ENTRY(msg)                                                                                         \
    FW_WND_MSG(msg, fwCall.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                                        \
                        reinterpret_cast<HDC>(FW_WPARAM), CWnd::FromHandle(reinterpret_cast<HWND>(FW_LPARAM)),          \
                        static_cast<UINT>((msg)-WM_CTLCOLORMSGBOX))))
// HBRUSH OnCtlColor(HDC, CWnd *control, UINT nCtlColor)
#define ON_WM_CTLCOLOR()                                                                                               \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLORMSGBOX)                                                                               \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT)                                                                                 \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX)                                                                              \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLORBTN)                                                                                  \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLORDLG)                                                                                  \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR)                                                                            \
    FW_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC)
#define ON_WM_SETFOCUS() FW_WND_MSG(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(FW_WPARAM))))
#define ON_WM_KILLFOCUS()                                                                                              \
    FW_WND_MSG(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(FW_WPARAM))))
#define ON_WM_ACTIVATE()                                                                                               \
    FW_WND_MSG(WM_ACTIVATE, self->OnActivate(LOWORD(FW_WPARAM), CWnd::FromHandle(reinterpret_cast<HWND>(FW_LPARAM)), \
                                             static_cast<BOOL>(HIWORD(FW_WPARAM))))
#define ON_WM_NCACTIVATE()                                                                                             \
    FW_WND_MSG(WM_NCACTIVATE, fwCall.result = self->OnNcActivate(static_cast<BOOL>(FW_WPARAM)))
#define ON_WM_CHANGECBCHAIN()                                                                                          \
    FW_WND_MSG(WM_CHANGECBCHAIN,                                                                                       \
               self->OnChangeCbChain(reinterpret_cast<HWND>(FW_WPARAM), reinterpret_cast<HWND>(FW_LPARAM)))
#define ON_WM_DRAWCLIPBOARD() FW_WND_MSG(WM_DRAWCLIPBOARD, self->OnDrawClipboard())
#define ON_WM_TIMER() FW_WND_MSG(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(FW_WPARAM)))
#define FW_KEY_ENTRY(msg, fn)                                                                                          \
    FW_WND_MSG(msg, self->fn(static_cast<UINT>(FW_WPARAM), LOWORD(FW_LPARAM), HIWORD(FW_LPARAM)))
#define ON_WM_KEYDOWN() FW_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() FW_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() FW_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() FW_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSCHAR() FW_KEY_ENTRY(WM_SYSCHAR, OnSysChar)
#define FW_MOUSE_ENTRY(msg, fn) FW_WND_MSG(msg, self->fn(static_cast<UINT>(FW_WPARAM), FW_POINT_LPARAM))
#define ON_WM_MOUSEMOVE() FW_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() FW_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() FW_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() FW_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() FW_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() FW_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_CONTEXTMENU()                                                                                            \
    FW_WND_MSG(WM_CONTEXTMENU, self->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(FW_WPARAM)), FW_POINT_LPARAM))
#define FW_SCROLL_ENTRY(msg, fn)                                                                                       \
    FW_WND_MSG(msg, self->fn(LOWORD(FW_WPARAM), static_cast<UINT>(static_cast<short>(HIWORD(FW_WPARAM))),             \
                             CWnd::FromHandle(reinterpret_cast<HWND>(FW_LPARAM))))
#define ON_WM_HSCROLL() FW_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() FW_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
// BOOL OnHelpInfo(HELPINFO *)
#define ON_WM_HELPINFO() FW_WND_MSG(WM_HELP, fwCall.result = self->OnHelpInfo(reinterpret_cast<HELPINFO *>(FW_LPARAM)))
#define ON_WM_MENUSELECT()                                                                                             \
    FW_WND_MSG(WM_MENUSELECT, self->OnMenuSelect(LOWORD(FW_WPARAM), HIWORD(FW_WPARAM), reinterpret_cast<HMENU>(FW_LPARAM)))
#define ON_WM_INITMENUPOPUP()                                                                                          \
    FW_WND_MSG(WM_INITMENUPOPUP, self->OnInitMenuPopup(reinterpret_cast<HMENU>(FW_WPARAM), LOWORD(FW_LPARAM),          \
                                                       static_cast<BOOL>(HIWORD(FW_LPARAM))))
#define ON_WM_SYSCOMMAND() FW_WND_MSG(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(FW_WPARAM), FW_LPARAM))
#define ON_WM_SYSCOLORCHANGE() FW_WND_MSG(WM_SYSCOLORCHANGE, self->OnSysColorChange())
#define ON_WM_GETDLGCODE() FW_WND_MSG(WM_GETDLGCODE, fwCall.result = self->OnGetDlgCode())
#define ON_WM_SETCURSOR()                                                                                              \
    FW_WND_MSG(WM_SETCURSOR, fwCall.result = self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(FW_WPARAM)),  \
                                                               LOWORD(FW_LPARAM), HIWORD(FW_LPARAM)))

// ---- commands (WM_COMMAND) ----
// void OnXxx()
#define ON_COMMAND(id, fn) FW_MESSAGE_ENTRY(WM_COMMAND, CN_COMMAND, id, id, self->fn())
// BOOL OnXxx(UINT id): FALSE passes the command on as unhandled
#define ON_COMMAND_EX(id, fn) FW_MESSAGE_ENTRY(WM_COMMAND, CN_COMMAND, id, id, fwCall.handled = self->fn(fwCall.id))
// void OnXxx(UINT id)
#define ON_COMMAND_RANGE(first, last, fn) FW_MESSAGE_ENTRY(WM_COMMAND, CN_COMMAND, first, last, self->fn(fwCall.id))
// void OnUpdateXxx(CCmdUI *)
#define ON_UPDATE_COMMAND_UI(id, fn)                                                                                   \
    FW_MESSAGE_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, self->fn(static_cast<CCmdUI *>(fwCall.extra)))
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn)                                                                    \
    FW_MESSAGE_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, self->fn(static_cast<CCmdUI *>(fwCall.extra)))
// Control notifications: void OnXxx(); the range form gets the control identifier.
#define ON_CONTROL(notifyCode, id, fn) FW_MESSAGE_ENTRY(WM_COMMAND, notifyCode, id, id, self->fn())
#define ON_CONTROL_RANGE(notifyCode, first, last, fn)                                                                  \
    FW_MESSAGE_ENTRY(WM_COMMAND, notifyCode, first, last, self->fn(fwCall.id))
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SELCANCEL(id, fn) ON_CONTROL(LBN_SELCANCEL, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)

// ---- notifications (WM_NOTIFY): void OnXxx(NMHDR *, LRESULT *result) ----
#define ON_NOTIFY(notifyCode, id, fn)                                                                                  \
    FW_MESSAGE_ENTRY(WM_NOTIFY, notifyCode, id, id, self->fn(static_cast<NMHDR *>(fwCall.extra), &fwCall.result))
// void OnXxx(UINT id, NMHDR *, LRESULT *result)
#define ON_NOTIFY_RANGE(notifyCode, first, last, fn)                                                                   \
    FW_MESSAGE_ENTRY(WM_NOTIFY, notifyCode, first, last,                                                               \
                     self->fn(fwCall.id, static_cast<NMHDR *>(fwCall.extra), &fwCall.result))

// ---- reflected messages, handled by the control's own class ----
// void OnXxx()
#define ON_CONTROL_REFLECT(notifyCode, fn) FW_MESSAGE_ENTRY(FW_WM_REFLECT_BASE + WM_COMMAND, notifyCode, 0, 0, self->fn())
// BOOL OnXxx(): FALSE lets the parent handle the notification too
#define ON_CONTROL_REFLECT_EX(notifyCode, fn)                                                                          \
    FW_MESSAGE_ENTRY(FW_WM_REFLECT_BASE + WM_COMMAND, notifyCode, 0, 0, fwCall.handled = self->fn())
// void OnXxx(NMHDR *, LRESULT *)
#define ON_NOTIFY_REFLECT(notifyCode, fn)                                                                              \
    FW_MESSAGE_ENTRY(FW_WM_REFLECT_BASE + WM_NOTIFY, notifyCode, 0, 0,                                                 \
                     self->fn(static_cast<NMHDR *>(fwCall.extra), &fwCall.result))
// void DrawItem(LPDRAWITEMSTRUCT) and friends, usually virtual in the control class
#define ON_WM_DRAWITEM_REFLECT()                                                                                       \
    FW_WND_MSG(FW_WM_REFLECT_BASE + WM_DRAWITEM, self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(FW_LPARAM));       \
               fwCall.result = TRUE)
#define ON_WM_MEASUREITEM_REFLECT()                                                                                    \
    FW_WND_MSG(FW_WM_REFLECT_BASE + WM_MEASUREITEM,                                                                   \
               self->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(FW_LPARAM));                                    \
               fwCall.result = TRUE)
#define ON_WM_COMPAREITEM_REFLECT()                                                                                    \
    FW_WND_MSG(FW_WM_REFLECT_BASE + WM_COMPAREITEM,                                                                   \
               fwCall.result = self->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(FW_LPARAM)))
#define ON_WM_DELETEITEM_REFLECT()                                                                                     \
    FW_WND_MSG(FW_WM_REFLECT_BASE + WM_DELETEITEM, self->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(FW_LPARAM)); \
               fwCall.result = TRUE)
// HBRUSH CtlColor(HDC, UINT nCtlColor): a null brush leaves the colours to the parent
#define FW_CTLCOLOR_REFLECT_ENTRY(msg)                                                                                 \
    FW_WND_MSG(FW_WM_REFLECT_BASE + (msg),                                                                            \
               HBRUSH fwBrush = self->CtlColor(reinterpret_cast<HDC>(FW_WPARAM),                                       \
                                               static_cast<UINT>((msg)-WM_CTLCOLORMSGBOX));                            \
               fwCall.result = reinterpret_cast<LRESULT>(fwBrush); fwCall.handled = fwBrush != nullptr)
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    FW_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLOREDIT)                                                                         \
    FW_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORLISTBOX)                                                                      \
    FW_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORBTN)                                                                          \
    FW_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORSCROLLBAR)                                                                    \
    FW_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORSTATIC)
