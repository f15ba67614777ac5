#include "framework/cmd_target.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {
const FwMessageMapEntry kNoEntries[] = {{0, 0, 0, 0, nullptr}};
}

const FwMessageMap *CCmdTarget::GetThisMessageMap() {
    static const FwMessageMap map = {nullptr, kNoEntries};
    return &map;
}

const FwMessageMap *CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const FwMessageMapEntry *CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    for (const FwMessageMap *map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const FwMessageMapEntry *entry = map->entries; entry->thunk != nullptr; ++entry) {
            if (entry->message == message && entry->code == code && id >= entry->idFirst && id <= entry->idLast)
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::RunEntry(const FwMessageMapEntry *entry, FwMessageCall &call) {
    if (entry == nullptr)
        return FALSE;
    call.handled = TRUE;
    entry->thunk(this, call);
    return call.handled;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void *extra) {
    const FwMessageMapEntry *entry = FindMessageEntry(WM_COMMAND, static_cast<UINT>(code), id);
    FwMessageCall call{WM_COMMAND, MAKEWPARAM(id, code), 0, id, static_cast<UINT>(code), extra, 0, TRUE};
    return RunEntry(entry, call);
}

BOOL CCmdTarget::HasCommandHandler(UINT id) const { return FindMessageEntry(WM_COMMAND, CN_COMMAND, id) != nullptr; }
