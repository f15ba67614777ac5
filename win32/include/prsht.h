/* Property sheet messages and notifications (headless stand-in). */
#ifndef WIN32_STANDIN_PRSHT_H
#define WIN32_STANDIN_PRSHT_H

#include "windows.h"

#define PSM_SETCURSEL (WM_USER + 101)
#define PSM_REMOVEPAGE (WM_USER + 102)
#define PSM_ADDPAGE (WM_USER + 103)
#define PSM_CHANGED (WM_USER + 104)
#define PSM_RESTARTWINDOWS (WM_USER + 105)
#define PSM_REBOOTSYSTEM (WM_USER + 106)
#define PSM_CANCELTOCLOSE (WM_USER + 107)
#define PSM_QUERYSIBLINGS (WM_USER + 108)
#define PSM_UNCHANGED (WM_USER + 109)
#define PSM_APPLY (WM_USER + 110)
#define PSM_SETTITLEA (WM_USER + 111)
#define PSM_SETWIZBUTTONS (WM_USER + 112)
#define PSM_PRESSBUTTON (WM_USER + 113)
#define PSM_SETCURSELID (WM_USER + 114)
#define PSM_SETFINISHTEXTA (WM_USER + 115)
#define PSM_GETTABCONTROL (WM_USER + 116)
#define PSM_ISDIALOGMESSAGE (WM_USER + 117)
#define PSM_GETCURRENTPAGEHWND (WM_USER + 118)
#define PSM_SETTITLE PSM_SETTITLEA
#define PSM_SETFINISHTEXT PSM_SETFINISHTEXTA

#define PSBTN_BACK 0
#define PSBTN_NEXT 1
#define PSBTN_FINISH 2
#define PSBTN_OK 3
#define PSBTN_APPLYNOW 4
#define PSBTN_CANCEL 5
#define PSBTN_HELP 6

#define PSN_FIRST (0U - 200U)
#define PSN_LAST (0U - 299U)
#define PSN_SETACTIVE (PSN_FIRST - 0)
#define PSN_KILLACTIVE (PSN_FIRST - 1)
#define PSN_APPLY (PSN_FIRST - 2)
#define PSN_RESET (PSN_FIRST - 3)
#define PSN_HELP (PSN_FIRST - 5)
#define PSN_WIZBACK (PSN_FIRST - 6)
#define PSN_WIZNEXT (PSN_FIRST - 7)
#define PSN_WIZFINISH (PSN_FIRST - 8)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)

#define PSNRET_NOERROR 0
#define PSNRET_INVALID 1
#define PSNRET_INVALID_NOCHANGEPAGE 2

#define PSH_DEFAULT 0x00000000
#define PSH_PROPTITLE 0x00000001
#define PSH_USEHICON 0x00000002
#define PSH_PROPSHEETPAGE 0x00000008
#define PSH_NOAPPLYNOW 0x00000080
#define PSH_HASHELP 0x00000200
#define PSH_MODELESS 0x00000400

#define PSP_DEFAULT 0x00000000
#define PSP_DLGINDIRECT 0x00000001
#define PSP_USETITLE 0x00000008
#define PSP_HASHELP 0x00000020

#ifndef RC_INVOKED
struct _PSP;
typedef struct _PSP *HPROPSHEETPAGE;

typedef struct _PSHNOTIFY {
    NMHDR hdr;
    LPARAM lParam;
} PSHNOTIFY, *LPPSHNOTIFY;

#define PropSheet_SetCurSel(d, hpage, index) (BOOL)SendMessageA((d), PSM_SETCURSEL, (WPARAM)(index), (LPARAM)(hpage))
#define PropSheet_GetCurrentPageHwnd(d) (HWND)SendMessageA((d), PSM_GETCURRENTPAGEHWND, 0, 0)
#define PropSheet_GetTabControl(d) (HWND)SendMessageA((d), PSM_GETTABCONTROL, 0, 0)
#define PropSheet_Changed(d, p) (BOOL)SendMessageA((d), PSM_CHANGED, (WPARAM)(p), 0)
#define PropSheet_UnChanged(d, p) (void)SendMessageA((d), PSM_UNCHANGED, (WPARAM)(p), 0)
#define PropSheet_PressButton(d, i) (BOOL)PostMessageA((d), PSM_PRESSBUTTON, (WPARAM)(i), 0)
#define PropSheet_SetTitle(d, f, t) (void)SendMessageA((d), PSM_SETTITLEA, (WPARAM)(f), (LPARAM)(t))
#define PropSheet_RemovePage(d, i, hpage) (void)SendMessageA((d), PSM_REMOVEPAGE, (WPARAM)(i), (LPARAM)(hpage))
#endif /* RC_INVOKED */
#endif
