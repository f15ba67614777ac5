// The default message handlers of CWnd: each one does the window's default processing of the
// message being handled, so that a derived handler can call its base class's handler.
#include "framework/wnd.h"

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(HDC) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS *) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS *) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO *) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT) { Default(); }
HBRUSH CWnd::OnCtlColor(HDC, CWnd *, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnSetFocus(CWnd *) { Default(); }
void CWnd::OnKillFocus(CWnd *) { Default(); }
void CWnd::OnActivate(UINT, CWnd *, BOOL) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnChangeCbChain(HWND, HWND) { Default(); }
void CWnd::OnDrawClipboard() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnRButtonUp(UINT, POINT) { Default(); }
void CWnd::OnContextMenu(CWnd *, POINT) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd *) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd *) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO *) { return static_cast<BOOL>(Default()); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnInitMenuPopup(HMENU, UINT, BOOL) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
BOOL CWnd::OnSetCursor(CWnd *, UINT, UINT) { return static_cast<BOOL>(Default()); }
