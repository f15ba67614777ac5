// The clipboard text service: the host's Edit menu and name lists act on the library's registered text
// field, and the host reads and writes the clipboard in its own text form (lines ended by a line feed).
#include "core/export_guard.h"
#include "editors/clipboard_target.h"
#include "editors/clipboard_target_registry.h"
#include "editors/host_clipboard.h"

#include <orvane/orvdlg.h>

#include <cstring>

namespace {
// Runs `action` on the current target and gives the focus back to it, unless the action made it go away.
// 0 without a target; otherwise the action's result.
template <typename Action> int OnTarget(Action action)
{
    return GuardExport(
        [&] {
            ClipboardTargetRegistry &registry = ClipboardTargetRegistry::Instance();
            ClipboardTarget *target = registry.Target();
            if (!target)
                return 0;
            const int result = action(*target);
            if (registry.Target() == target)
                target->ReturnFocus();
            return result;
        },
        0);
}
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCCopyText(void)
{
    return OnTarget([](ClipboardTarget &target) {
        target.CopyToClipboard();
        return 1;
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCCutText(void)
{
    return OnTarget([](ClipboardTarget &target) {
        target.CutToClipboard();
        return 1;
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCPasteText(void)
{
    return OnTarget([](ClipboardTarget &target) { return target.PasteFromClipboard() ? 1 : 0; });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCUndoText(void)
{
    return OnTarget([](ClipboardTarget &target) {
        target.UndoLastChange();
        return 1;
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCReturnFocus(void)
{
    return OnTarget([](ClipboardTarget &) { return 1; });
}

extern "C" ORVANE_EXPORT void ORVANE_CALL PasteText(const char *text, int functionFlag, int insertMode)
{
    if (!text)
        return;
    OnTarget([&](ClipboardTarget &target) {
        target.PasteName(text, functionFlag != 0, insertMode);
        return 1;
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCGetTextSizeFromClipboard(void)
{
    return GuardExport(
        [] {
            const std::optional<std::string> text = ReadHostClipboardText();
            return text ? static_cast<int>(text->size()) : 0;
        },
        0);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCGetTextFromClipboard(char *buffer)
{
    if (!buffer)
        return 0;
    return GuardExport(
        [&] {
            const std::optional<std::string> text = ReadHostClipboardText();
            if (!text)
                return 0;
            std::memcpy(buffer, text->c_str(), text->size() + 1);
            return static_cast<int>(text->size());
        },
        0);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCSetTextInClipboard(const char *text)
{
    if (!text || !*text)
        return 0;
    return GuardExport([&] { return WriteHostClipboardText(text) ? 1 : 0; }, 0);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MFCEmptyClipboard(void)
{
    return GuardExport([] { return EmptyHostClipboard() ? 1 : 0; }, 0);
}
