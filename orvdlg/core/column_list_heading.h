// CColumnHeading: a heading line over a column list. An owner-drawn static control (SS_OWNERDRAW) whose window
// text holds "|"-separated heading fields, drawn with the list's layout so that each stands over its column.
#pragma once
#include <framework/framework.h>

#include "core/column_list_layout.h"

class CColumnHeading : public CStatic {
    DECLARE_DYNAMIC(CColumnHeading)
public:
    CColumnHeading() = default;
    ~CColumnHeading() override = default;

    // Takes the layout and repaints.
    void SetLayout(const ColumnLayout &layout);
    // Takes the heading fields and repaints.
    void SetHeading(const CString &text);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    ColumnLayout m_layout;
};
