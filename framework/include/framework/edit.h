// CEdit: single- and multi-line edit controls.
#pragma once
#include "framework/wnd.h"

class CEdit : public CWnd {
    DECLARE_DYNCREATE(CEdit)
public:
    CEdit() = default;

    BOOL Create(DWORD style, const RECT &rect, CWnd *parent, UINT id);

    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int &start, int &end) const;
    DWORD GetSel() const;
    void LimitText(int maxChars = 0);
    UINT GetLimitText() const;
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE);
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    BOOL Undo();
    BOOL CanUndo() const;
    void EmptyUndoBuffer();
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    int GetLineCount() const;
};
