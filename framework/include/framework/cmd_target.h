// CCmdTarget: an object with a message map that commands can be routed to.
#pragma once
#include "framework/message_map.h"
#include "framework/object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command (code CN_COMMAND or a control notification code) or an update request
    // (CN_UPDATE_COMMAND_UI, extra = the CCmdUI) to this object's map. TRUE when handled.
    virtual BOOL OnCmdMsg(UINT id, int code, void *extra);

    // Whether the map chain has a command handler for `id`, without calling it.
    BOOL HasCommandHandler(UINT id) const;

protected:
    static const FwMessageMap *GetThisMessageMap();
    virtual const FwMessageMap *GetMessageMap() const;

    // The first entry of the map chain (most derived class first) that matches.
    const FwMessageMapEntry *FindMessageEntry(UINT message, UINT code, UINT id) const;
    // Runs `entry` for `call`; TRUE when the handler took the message.
    BOOL RunEntry(const FwMessageMapEntry *entry, FwMessageCall &call);
};
