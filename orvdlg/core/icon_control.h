// CIconControl: the owner-drawn control that shows one of the system's standard icons beside a message (the
// message dialog and the file-exists dialog). It shows the exclamation icon until told otherwise.
#pragma once
#include <framework/framework.h>

// The standard icons, numbered as hosts and the library's own callers know them.
enum class IconKind : int {
    Application = 0,
    Error = 1,
    Question = 2,
    Exclamation = 3,
    Information = 4,
};

class CIconControl : public CStatic {
    DECLARE_DYNAMIC(CIconControl)
public:
    CIconControl();

    // FALSE for a kind that names no standard icon; the icon is then left as it was.
    BOOL SetKind(IconKind kind);
    HICON GetShownIcon() const { return m_icon; }

    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    HICON m_icon;
};
