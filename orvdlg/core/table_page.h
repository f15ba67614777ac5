// CTablePage: a property page declared as a table. A page states which control shows which record field
// (texts with their limits, check boxes, radio groups and combo indexes over option values), which controls
// show or are enabled under which condition, and which control answers for each field number the host's
// validation names. The base loads the controls from the record, writes them back (texts bounded and
// terminated), applies the conditions whenever the modeller changes a button or a selection, and keeps the
// page open on the control of a rejected field. A page's own file then holds only what is truly its own.
//
// Option values the page does not know (a record written by a newer host, or damaged) show as the first
// choice and are written back unchanged unless the modeller picks something else.
#pragma once
#include <framework/framework.h>
#include <orvane/records/labour_block.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class CColourButton;
class CLabourData;

// How a record keeps a colour that a colour button shows.
enum class ColourField {
    HostIndex, // an index into the host's colour table; a chosen colour is snapped to the nearest entry
    Windows,   // a platform colour value, red in the low byte
    RedHigh,   // red in bits 16 to 23, green in 8 to 15, blue in 0 to 7
};

class CTablePage : public CPropertyPage {
    DECLARE_DYNAMIC(CTablePage)
public:
    BOOL OnInitDialog() override;
    // Re-applies every condition (also done after each button click and selection change).
    void ApplyConditions();

    // The state of a control, for conditions.
    bool IsChecked(int id) const;
    // The choice a radio group or combo box shows (0-based), -1 for none.
    int ShownChoice(int id) const;

protected:
    explicit CTablePage(UINT templateId, UINT captionId = 0);
    ~CTablePage() override;

    // ---- what shows what ----
    // A text field of `size` bytes; the control takes at most `limit` characters (size - 1 when -1).
    void BindText(int id, char *field, size_t size, int limit = -1);
    template <size_t N> void BindText(int id, char (&field)[N], int limit = -1) { BindText(id, field, N, limit); }
    // The same, and a text longer than the limit (put into the control without typing) is refused with the
    // framework's length message before anything is written.
    template <size_t N> void BindCheckedText(int id, char (&field)[N], int limit)
    {
        BindText(id, field, N, limit);
        m_bindings.back().checkLength = true;
    }
    void BindCheck(int id, int32_t &field);
    // The radio group starting at `firstId`: its i-th button stands for values[i]. A value not in the list
    // shows as `otherChoice` when one is given (and is then written back as that choice's value), else as
    // the first choice, written back unchanged.
    void BindRadio(int firstId, int32_t &field, std::span<const int32_t> values, int otherChoice = -1);
    // The combo box's i-th item stands for values[i] (or for i itself when no values are given).
    void BindComboIndex(int id, int32_t &field, std::span<const int32_t> values = {});
    // The owner-drawn button `id` becomes a colour button showing `field`; a click opens the colour chooser
    // (owned by the sheet). A host index outside the table shows as black and is written back unchanged
    // unless the modeller chooses a colour.
    void BindColour(int id, int32_t &field, ColourField form);

    // ---- what shows when ----
    // The controls show while `condition` holds; hidden, they are disabled too.
    void ShowWhen(std::span<const int> ids, std::function<bool()> condition);
    // The controls (those showing) are enabled while `condition` holds.
    void EnableWhen(std::span<const int> ids, std::function<bool()> condition);

    // ---- buttons that open host editors (see core/host_editor.h) ----
    // Where a page edits rows, the handle a button edits is the current row's: the page gives a function
    // (which may give null: nothing to edit) and calls RefreshEditorTexts() when it shows another row.
    using HandleOf = std::function<int32_t *()>;
    // The modeller's name for the element as currently typed, for the editors' captions.
    void SetNameControl(int id) { m_nameControl = id; }
    CString TypedName() const;
    // CompEditor(&actions, caption string + " " + name); the host's indicator text is kept in the hidden
    // static `indicatorTextId` and the owner-drawn `indicatorButtonId` shows marked when it holds "*".
    void BindActionsButton(int buttonId, int32_t &actions, UINT captionId, int indicatorTextId, int indicatorButtonId);
    // The same with a caption the page makes.
    void BindActionsButton(int buttonId, HandleOf actions, std::function<CString()> caption, int indicatorTextId,
                           int indicatorButtonId);
    // DetailRule(element, kind, index, &rule); the rule's word (GetRuleWord with flag 0) shows in `wordId`.
    void BindRuleButton(int buttonId, int32_t element, int kind, int index, int32_t &rule, int wordId);
    struct RuleButton {
        int32_t element = 0;
        int kind = 0;
        std::function<int()> index;
        HandleOf rule;
        int wordId = 0;
        int wordFlag = 0;
        bool flowRule = false;           // the word comes from GetFlowRuleWord
        std::function<void()> afterEdit; // after the editor, before the word is shown again
    };
    void BindRuleButton(int buttonId, RuleButton button);
    // A labour block kept in the record and edited there: DetailLabourRule(element, &block.labourRule, kind,
    // &block). The indicator button shows "*" while the block holds a rule, " " otherwise.
    void BindLabourBlockButton(int buttonId, int indicatorId, int32_t element, int kind, OrvLabourBlock &block);
    // A page's own copy of a labour block, for the row now shown (`current` may give null: nothing to edit).
    // The host is handed a block made from it with `context` as its context word, and the copy's handle; on
    // confirmation the copy takes the option and texts back.
    void BindLabourDataButton(int buttonId, int indicatorId, int32_t element, int kind,
                              std::function<CLabourData *()> current, int32_t context);
    // Shows every editor button's text again (after the page moved to another row, say).
    void RefreshEditorTexts();

    // ---- what answers for a rejected field ----
    void MapField(int32_t fieldNumber, int controlId);
    // The control that answers for a field number, 0 for none.
    int ControlOfField(int32_t fieldNumber) const;
    // Puts the focus into the control of a rejected field, an edit's whole text selected.
    void FocusField(int32_t fieldNumber);
    // A rejection naming no field of this page keeps the page too (without moving the focus); by default it
    // speaks of another page's field and this page lets the modeller go.
    void KeepPageOnUnmappedFields() { m_unmappedFieldsKeepPage = true; }
    // A page's own fields beyond the bindings: loaded after them, written after them and before the host
    // is asked.
    virtual void LoadOwnFields() {}
    virtual void SaveOwnFields(CDataExchange *dx) {}
    // The modeller chose another item of combo box `id` (before the conditions are applied again).
    virtual void OnChoiceChanged(int id) {}
    // Asks the host after the record was written; -1 accepts, another number names the wrong field.
    virtual int32_t ValidateRecord() { return -1; }
    // After the host accepted: the page may show what the host rewrote.
    virtual void OnRecordAccepted() {}

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);

    DECLARE_MESSAGE_MAP()

private:
    enum class Editor { Actions, Rule, LabourBlock, LabourData };
    struct EditorButton {
        Editor editor = Editor::Actions;
        int buttonId = 0;
        HandleOf handle;
        std::function<CString()> caption; // actions
        int textId = 0; // actions: the hidden text; rules: the word; labour: the indicator button
        int markId = 0; // actions: the owner-drawn indicator
        RuleButton rule;
        OrvLabourBlock *block = nullptr;
        std::function<CLabourData *()> labourData;
        int32_t context = 0;
    };
    void OpenEditor(const EditorButton &button);
    void OpenActionsEditor(const EditorButton &button);
    void OpenLabourEditor(const EditorButton &button);
    void RefreshEditorText(const EditorButton &button);
    bool DrawIndicator(int id, LPDRAWITEMSTRUCT item);
    bool ChooseColour(int id);

    enum class Kind { Text, Check, Radio, ComboIndex, Colour };
    struct Binding {
        Kind kind = Kind::Text;
        int id = 0;
        char *text = nullptr;
        size_t size = 0;
        int limit = 0;
        bool checkLength = false;
        int32_t *value = nullptr;
        std::span<const int32_t> values;
        int otherChoice = -1;   // where values not in the list show; -1: first choice, kept unchanged
        int shownChoice = -1;   // what the control showed after loading
        bool unknownValue = false; // the record held a value the choices do not know
        ColourField colourForm = ColourField::HostIndex;
        CColourButton *colourButton = nullptr;
        COLORREF shownColour = 0;
    };
    struct Condition {
        std::vector<int> ids;
        std::function<bool()> holds;
        bool show; // else enable
    };

    void BindValue(Kind kind, int id, int32_t &field, std::span<const int32_t> values, int otherChoice = -1);
    void Load(Binding &binding);
    void Save(Binding &binding);
    int ChoiceOf(const Binding &binding, int32_t value) const;
    int32_t ValueOf(const Binding &binding, int choice) const;
    HWND Control(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::vector<int> RadioGroup(int firstId) const;

    std::vector<Binding> m_bindings;
    std::vector<Condition> m_conditions;
    std::vector<std::pair<int32_t, int>> m_fieldControls;
    std::vector<EditorButton> m_editorButtons;
    std::vector<std::unique_ptr<CColourButton>> m_colourButtons;
    int m_nameControl = 0;
    bool m_unmappedFieldsKeepPage = false;
};
