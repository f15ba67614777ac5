// CAddRemoveDialog: the one list editor of the detail pages ("Add / Remove Cycles", "... Periods", ...). The
// modeller adds rows after the selected one, removes rows and moves them up and down; the caller gets the
// rows back in their new order after OK, together with the index it asked the dialog to follow.
#pragma once
#include "core/add_remove_object.h"
#include "core/add_remove_variant.h"
#include "core/orvane_dialog.h"

#include <memory>
#include <vector>

using AddRemoveRows = std::vector<std::unique_ptr<CAddRemoveObject>>;

class CAddRemoveDialog : public COrvaneDialog {
    DECLARE_DYNAMIC(CAddRemoveDialog)
public:
    explicit CAddRemoveDialog(AddRemoveVariant variant, CWnd *parent = nullptr);

    // What the caller sets before running the dialog and reads back after OK. The dialog owns the rows while
    // it runs: the caller gives it copies of its own and takes them back after OK; after Cancel it leaves
    // them to the dialog, which deletes them.
    AddRemoveRows m_rows;
    // New rows are made of this row's class (a plain CAddRemoveObject when there is none).
    const CAddRemoveObject *m_prototype = nullptr;
    int m_descriptionLimit = 0; // 0: as long as the edit box allows
    // A new row keeps the name its class gives it; there is no description to type.
    BOOL m_keepOwnNames = FALSE;
    // Rows are named by their positions, from 1; there is no description to type.
    BOOL m_numbered = FALSE;
    int m_selectedIndex = -1;
    // An index the caller follows through insertions, moves and removals; -1 once its row was removed.
    int m_trackedIndex = -1;
    int m_minimumCount = 0;
    int m_maximumCount = -1; // -1: no maximum
    CString m_description;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *dx) override;

    void OnSelectionChange();
    void OnDescriptionChange();
    void OnAdd();
    void OnRemove();
    void OnMoveUp();
    void OnMoveDown();
    void OnContextHelp();

    DECLARE_MESSAGE_MAP()

private:
    bool Described() const { return !m_numbered && !m_keepOwnNames; }
    int Count() const { return static_cast<int>(m_rows.size()); }
    bool BelowMaximum() const { return m_maximumCount < 0 || Count() < m_maximumCount; }
    void SetTexts();
    void HideDescription();
    void FillList();
    void Select(int index);
    void UpdateMoveButtons();
    void UpdateAdd();
    void UpdateRemove();
    bool NameIsListed(const CString &name) const;
    void Add();
    CString NameForNewRow(const CAddRemoveObject &row) const;
    void Move(int offset);
    void Remove();
    void EnableControl(int id, bool enabled);

    AddRemoveVariant m_variant;
    const CRuntimeClass *m_rowClass = nullptr;
    CListBox m_list;
};
