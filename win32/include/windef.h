/* Basic Win32 types for the headless stand-in (32-bit x86 layout). */
#ifndef WIN32_STANDIN_WINDEF_H
#define WIN32_STANDIN_WINDEF_H

#ifndef RC_INVOKED
#include <stddef.h>
#include <stdint.h>

#if defined(__i386__)
#define WINAPI __attribute__((stdcall))
#else
#define WINAPI
#endif
#define CALLBACK WINAPI
#if defined(__i386__) && !defined(__cdecl)
#define __cdecl __attribute__((__cdecl__))
#endif
#define CDECL __cdecl
#define APIENTRY WINAPI
#define WINAPIV
#define FAR
#define NEAR
#define CONST const
#define VOID void

#ifdef __cplusplus
#define WIN32_EXTERN_C extern "C"
#define WIN32_BEGIN_DECLS extern "C" {
#define WIN32_END_DECLS }
#else
#define WIN32_EXTERN_C
#define WIN32_BEGIN_DECLS
#define WIN32_END_DECLS
#endif

#if defined(WIN32_STANDIN_BUILD)
#define WINUSERAPI WIN32_EXTERN_C __attribute__((visibility("default")))
#else
#define WINUSERAPI WIN32_EXTERN_C
#endif
#define WINGDIAPI WINUSERAPI
#define WINBASEAPI WINUSERAPI
#define WINCOMMDLGAPI WINUSERAPI
#define WINOLEAPI WINUSERAPI

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef short SHORT;
typedef unsigned short USHORT;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef float FLOAT;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef unsigned short WCHAR;
typedef int32_t INT_PTR;
typedef uint32_t UINT_PTR;
typedef int32_t LONG_PTR;
typedef uint32_t ULONG_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef ULONG_PTR SIZE_T;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef WORD ATOM;
typedef DWORD COLORREF;
typedef DWORD *LPCOLORREF;

typedef void *PVOID, *LPVOID;
typedef const void *LPCVOID;
typedef CHAR *LPSTR, *PSTR, *PCHAR;
typedef const CHAR *LPCSTR, *PCSTR;
typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;
typedef BYTE *LPBYTE, *PBYTE;
typedef WORD *LPWORD, *PWORD;
typedef DWORD *LPDWORD, *PDWORD;
typedef LONG *LPLONG, *PLONG;
typedef BOOL *LPBOOL, *PBOOL;
typedef INT *LPINT, *PINT;
typedef UINT *PUINT;
typedef char TCHAR;
typedef LPSTR LPTSTR;
typedef LPCSTR LPCTSTR;

typedef void *HANDLE;
#define DECLARE_HANDLE(name) \
    struct name##__ {        \
        int unused;          \
    };                       \
    typedef struct name##__ *name
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HGDIOBJ_TAG);
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HBITMAP);
DECLARE_HANDLE(HPALETTE);
DECLARE_HANDLE(HRGN);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HACCEL);
DECLARE_HANDLE(HHOOK);
DECLARE_HANDLE(HRSRC);
DECLARE_HANDLE(HKEY);
DECLARE_HANDLE(HGLOBAL_TAG);
typedef void *HGDIOBJ;
typedef HICON HCURSOR;
typedef HINSTANCE HMODULE;
typedef HANDLE HGLOBAL;
typedef HANDLE HLOCAL;
typedef int HFILE;

typedef INT_PTR(WINAPI *FARPROC)(void);
typedef INT_PTR(WINAPI *NEARPROC)(void);
typedef INT_PTR(WINAPI *PROC)(void);

#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif
#ifndef NULL
#ifdef __cplusplus
#define NULL nullptr
#else
#define NULL ((void *)0)
#endif
#endif

#define MAX_PATH 260

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT *LPCRECT;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE, *PSIZE, *LPSIZE;

typedef struct tagPOINTS {
    SHORT x;
    SHORT y;
} POINTS;

#define MAKEWORD(a, b) ((WORD)(((BYTE)((DWORD_PTR)(a) & 0xff)) | ((WORD)((BYTE)((DWORD_PTR)(b) & 0xff))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)((DWORD_PTR)(a) & 0xffff)) | ((DWORD)((WORD)((DWORD_PTR)(b) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l) & 0xffff))
#define HIWORD(l) ((WORD)((DWORD_PTR)(l) >> 16))
#define LOBYTE(w) ((BYTE)((DWORD_PTR)(w) & 0xff))
#define HIBYTE(w) ((BYTE)((DWORD_PTR)(w) >> 8))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))
/* Left over from 16-bit pointers, and still macros on Windows: neither word can name anything. */
#define near
#define far

#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)

#else /* RC_INVOKED */
/* The resource compiler reads plain numbers: resource types (RT_*) and the standard icon and
   cursor names are then usable in scripts, as with the platform's headers. */
#define MAKEINTRESOURCEA(i) i
#define MAKEINTRESOURCE(i) i
#define FALSE 0
#define TRUE 1
#endif /* RC_INVOKED */
#endif
