// The message and prompt exports. Each answers without a dialog when the host passes no text or record: the
// answer is then the one closing the dialog without a button would give (see orvdlg.h).
#include "core/export_guard.h"
#include "core/file_exists_dialog.h"
#include "core/input_field_dialog.h"
#include "core/message_dialog.h"
#include "core/prompt_dialog.h"
#include "core/record_text.h"
#include "core/resource_text.h"
#include "resource.h"

#include <orvane/orvdlg.h>

namespace {
constexpr int kYesNoCancelEscape = 3; // Cancel
// A message never answers with a button it does not show: 3 stands for the last one shown.
constexpr int kLastButtonShown = 3;

// Runs `show` with the host's argument through the export guard. A null argument, or a failure, answers
// `fallback` (for a message, what closing it without a button answers).
template <typename Argument, typename Show> int Answer(Argument *argument, int fallback, Show show)
{
    return GuardExport([&] { return argument ? show(argument) : fallback; }, fallback);
}

// CtrlCDialog: mode 3 offers Stop Simulation, Cancel, Exit Program; the other modes Cancel and Exit Program,
// numbered from 2 in mode 2 so that the answers mean what they mean in mode 3.
struct CtrlCButtons {
    explicit CtrlCButtons(int mode)
        : list(mode == 3 ? IDS_CTRL_C_STOP_BUTTONS : IDS_CTRL_C_BUTTONS), cancel(mode == 3 ? 2 : 1),
          offset(mode == 2 ? 1 : 0)
    {
    }
    UINT list;
    int cancel;
    int offset;
};
} // namespace

void ShowMemoryMessage()
{
    CMessageDialog::Show(ResourceText(IDS_OUT_OF_MEMORY), IDS_OK_BUTTON, 1, IconKind::Exclamation, 1);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL AlarmDialog(OrvAlarmRecord *alarm)
{
    return Answer(alarm, 0, [](OrvAlarmRecord *record) {
        CMessageDialog dialog(ReadRecordText(record->message), ReadRecordText(record->buttons),
                              record->defaultButton, IconKind::Exclamation, kLastButtonShown);
        return dialog.Run();
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL CtrlCDialog(const char *text, int mode)
{
    const CtrlCButtons buttons(mode);
    return Answer(text, buttons.cancel + buttons.offset, [&](const char *message) {
        return CMessageDialog::Show(message, buttons.list, 1, IconKind::Exclamation, buttons.cancel) +
               buttons.offset;
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL YesNoCancelMessage(const char *text)
{
    return Answer(text, kYesNoCancelEscape, [](const char *message) {
        return CMessageDialog::Show(message, IDS_YES_NO_CANCEL_BUTTONS, 1, IconKind::Question, kYesNoCancelEscape);
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL NoLayersMessage(void)
{
    return GuardExport(
        [] {
            return CMessageDialog::Show(ResourceText(IDS_NO_LAYERS), IDS_YES_NO_CANCEL_BUTTONS, 1, IconKind::Question,
                                        kYesNoCancelEscape);
        },
        kYesNoCancelEscape);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL FileExistsDialog(const char *text)
{
    return Answer(text, ORV_FILE_EXISTS_STOP, [](const char *message) { return CFileExistsDialog(message).Run(); });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL InputFieldDialog(OrvInputFieldRecord *input)
{
    return Answer(input, 0, [](OrvInputFieldRecord *record) { return CInputFieldDialog(*record).Run(); });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL PromptDialog(OrvPromptRecord *prompt)
{
    return Answer(prompt, 0, [](OrvPromptRecord *record) { return CPromptDialog(*record).Run(); });
}
