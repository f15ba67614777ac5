// CColumnListBox: the column list. An owner-drawn list box (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) whose rows
// are texts of "|"-separated fields, drawn in the columns of a ColumnLayout. Bound to a dialog's list control
// with SubclassDlgItem or DDX_Control.
#pragma once
#include <framework/framework.h>

#include "core/column_list_layout.h"

class CColumnListBox : public CListBox {
    DECLARE_DYNAMIC(CColumnListBox)
public:
    CColumnListBox() = default;
    ~CColumnListBox() override = default;

    // Takes at most ColumnLayout::kMaxColumns descriptors and repaints.
    void SetLayout(const ColumnDescriptor *columns, int count);
    void SetLayout(const ColumnLayout &layout);
    const ColumnLayout &Layout() const { return m_layout; }

    // Selected rows in the highlight colours, the focus row with a focus rectangle.
    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    ColumnLayout m_layout;
};
