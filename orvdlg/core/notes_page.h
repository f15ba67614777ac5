// CNotesPage: the last page of most element sheets. It edits the element's notes (the host keeps them with
// single line feeds; the edit box shows carriage return-line feed) and shows where the element is fed from
// and what it feeds. It fills the sheet's page area, the routing texts at the bottom.
#pragma once
#include <framework/framework.h>

#include <orvane/records/notes_block.h>

class CNotesPage : public CPropertyPage {
    DECLARE_DYNAMIC(CNotesPage)
public:
    static constexpr int kMaxNotesLength = 33000;

    explicit CNotesPage(BOOL showFedBy = TRUE, BOOL showFeeds = TRUE);

    // The notes given directly: the holder, the slot that receives the edited text, the routing texts.
    void SetNotes(int32_t holder, OrvNotesSlot slot, const char *fedBy, const char *feeds);
    // The notes from the record's notes block (the holder's first member points to the notes text).
    void LoadFromBlock(const OrvNotesBlock *block, OrvNotesSlot slot);
    const CString &GetNotesText() const { return m_notes; }
    // Hands the edited notes to the host: slot(holder, text, 1, 0, 0).
    void CallNotesSlot() const;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG *msg) override;

protected:
    void DoDataExchange(CDataExchange *dx) override;
    void OnSize(UINT type, int width, int height);

    DECLARE_MESSAGE_MAP()

private:
    void LayOut();

    OrvNotesSlot m_slot = nullptr;
    int32_t m_holder = 0;
    BOOL m_showFedBy;
    BOOL m_showFeeds;
    CString m_notes;
    CString m_fedBy;
    CString m_feeds;
};
