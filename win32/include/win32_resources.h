/* Registration of a module's compiled resources with the stand-in.
   Used only by the code that the resource converter (rescvt) generates: a module's resource
   table registers itself when the module is loaded, and FindResourceA / LoadStringA /
   LoadMenuA / dialog creation look identifiers up in the table of the module named by their
   HINSTANCE. Library and host code never include this header. */
#ifndef WIN32_STANDIN_RESOURCES_H
#define WIN32_STANDIN_RESOURCES_H

#include "windef.h"

#ifndef RC_INVOKED
WIN32_BEGIN_DECLS

/* One resource. A type or name is a string when its text pointer is non-NULL (zero-terminated
   UTF-16 as in the compiled file, compared case-insensitively), otherwise the ordinal beside it. The data are the exact bytes of
   the compiled resource, DWORD-aligned. */
typedef struct tagWIN32_RESOURCE_ENTRY {
    const WCHAR *typeName;
    const WCHAR *name;
    WORD typeId;
    WORD nameId;
    WORD language;
    WORD memoryFlags;
    const void *data;
    DWORD size;
} WIN32_RESOURCE_ENTRY;

/* Registers `count` entries (which must stay valid while the module is loaded) for the module
   that contains the address `anchorInModule`. */
WINBASEAPI void WINAPI Win32Resources_Register(const void *anchorInModule, const WIN32_RESOURCE_ENTRY *entries,
                                               unsigned count);
/* Forgets the table again; called when the module is unloaded. */
WINBASEAPI void WINAPI Win32Resources_Unregister(const WIN32_RESOURCE_ENTRY *entries);

WIN32_END_DECLS
#endif
#endif
