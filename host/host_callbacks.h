// The host's side of the callback table: one function per callback the library may call, answered from the
// demo model, each call noted in the host's call log (ProcessEvents excepted: it only counts passes).
#pragma once
#include <windows.h>

#include <orvane/export.h>

#include <cstdint>

class CallLog;
class DemoModel;
class HostLoop;
class OrvdlgLibrary;

// The log entry of a DeleteRule or DeleteExpression whose handle was not live.
constexpr const char *kRefusedDelete = "HOST: delete of a handle that is not live";

// The model, log and loop the callbacks answer from; they must outlive every export call.
void AttachHostCallbacks(DemoModel &model, CallLog &log, HostLoop &loop);
// Calls every Set...Callback setter, then SetElementOrderArrayCallback; returns how many setters were found.
int RegisterHostCallbacks(OrvdlgLibrary &library);
// The notes slot of the host's element records: fn(notes holder, text, 1, 0, 0) after OK.
void ORVANE_CALL HostNotesSlot(int32_t holder, const char *text, int one, int zero, int alsoZero);
// The menu-select callback handed over with the main window.
void ORVANE_CALL HostMenuSelect(HWND window, UINT item, UINT flags, HMENU menu);
