/* orvdlg: the dialog library of Orvane, as a host sees it.
 *
 * The host loads the library into its own process and user-interface thread, then binds it in this order:
 * SetLanguageDLL (optional), SetMainWindowHandle, SetHelpFilePath, SetKESTLIBGlobalData and the callback
 * setters. Its message loop passes every message to FilterDllMsg first (and neither translates nor dispatches
 * a message the library consumed), and its idle time to DoIdleProcessing. Every dialog export runs its dialog
 * to the end before it returns, calling the ProcessEvents callback meanwhile so that the host goes on
 * processing its own events.
 *
 * Everything here is C, with the C calling convention. Element numbers and host handles (rules, expressions,
 * actions, notes) are 32-bit values the host chooses; -1 means "none" for a handle. Texts are 8-bit and
 * zero-terminated; buffers the library hands to a callback are 81 bytes, cleared before the call. */
#ifndef ORVANE_ORVDLG_H
#define ORVANE_ORVDLG_H

#include <stdint.h>
#include <windows.h>

#include "orvane/export.h"
#include "orvane/records/alarm.h"
#include "orvane/records/buffer.h"
#include "orvane/records/input_field.h"
#include "orvane/records/machine.h"
#include "orvane/records/part.h"
#include "orvane/records/prompt.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Host callbacks. "element" is a host element number; a rule or actions "object" is the address of the
 * record field that holds the host's handle, which the host may replace. */
typedef void(ORVANE_CALL *OrvProcessEventsCallback)(void);
typedef const char *(ORVANE_CALL *OrvMessageCallback)(int group, int item);
typedef const char *(ORVANE_CALL *OrvTypeNameCallback)(int elementType);
typedef void(ORVANE_CALL *OrvDetailRuleCallback)(int32_t element, int ruleKind, int index, int32_t *ruleObject);
typedef void(ORVANE_CALL *OrvCompEditorCallback)(int32_t *actionsObject, const char *caption);
/* labourBlock: 256 bytes that the host fills; nonzero result when the modeller confirmed. */
typedef int(ORVANE_CALL *OrvDetailLabourRuleCallback)(int32_t element, int32_t *labourRuleObject, int ruleKind,
                                                      void *labourBlock);
typedef void(ORVANE_CALL *OrvProcessOutOfSpaceCallback)(void); /* registered, never called */
typedef void(ORVANE_CALL *OrvGetRuleWordCallback)(int32_t rule, char *buffer81, int flag);
typedef void(ORVANE_CALL *OrvGetFlowRuleWordCallback)(int32_t fluidRule, char *buffer81, int flag);
typedef void(ORVANE_CALL *OrvGetActionIndicatorCallback)(int32_t actions, char *buffer81);
typedef void(ORVANE_CALL *OrvMouseFormCallback)(int form); /* 3: long operation starts, 1: it ended */
typedef int(ORVANE_CALL *OrvCompExpCallback)(const char *expression, int one, int32_t *compiled,
                                             const char *empty);
typedef double(ORVANE_CALL *OrvEvalExpCallback)(int32_t expression); /* registered, never called */
typedef void(ORVANE_CALL *OrvSetErrorWarningFlagsCallback)(int error, int warning);
typedef void(ORVANE_CALL *OrvGetErrorWarningFlagsCallback)(int *error, int *warning);
typedef void(ORVANE_CALL *OrvTempExitTopLevelDetailFormCallback)(void);
typedef void(ORVANE_CALL *OrvReEnterTopLevelDetailFormCallback)(void);
typedef int(ORVANE_CALL *OrvReplicateRuleCallback)(int32_t element, int ruleKind, int32_t source,
                                                   int32_t *destination);
typedef int(ORVANE_CALL *OrvCopyExpressionCallback)(int32_t source, int32_t *destination);
typedef int(ORVANE_CALL *OrvCopyLabourRuleCallback)(int32_t source, int32_t *destination, int32_t element,
                                                    int32_t otherElement, int ruleKind);
typedef void(ORVANE_CALL *OrvDeleteRuleCallback)(int32_t *rule, int32_t element, int ruleKind);
typedef void(ORVANE_CALL *OrvDeleteExpressionCallback)(int32_t expression);
typedef int(ORVANE_CALL *OrvValidModuleIOElementCallback)(int32_t element);
/* The host allocates the list (count 32-bit signed element numbers); FreeObjectList gives it back. */
typedef void(ORVANE_CALL *OrvSelectObjectsByMouseCallback)(int *count, int32_t **objects);
typedef OrvSelectObjectsByMouseCallback OrvSelectSimulationObjectsByMouseCallback;
typedef OrvSelectObjectsByMouseCallback OrvSelectDesignerObjectsByMouseCallback;
typedef OrvSelectObjectsByMouseCallback OrvSelectScreenObjectsByMouseCallback;
typedef void(ORVANE_CALL *OrvFreeObjectListCallback)(int32_t *objects);
typedef int(ORVANE_CALL *OrvVesselElementCallback)(int32_t element);
typedef void(ORVANE_CALL *OrvHandleWindowsClipboardChangeCallback)(void);
typedef int32_t(ORVANE_CALL *OrvSetElementTypeFlagsCallback)(int one, int elementType);
typedef int(ORVANE_CALL *OrvIsMainShiftCallback)(int32_t element);
typedef int(ORVANE_CALL *OrvIsAttributeTypeCallback)(int32_t element, int attributeType);
typedef int(ORVANE_CALL *OrvGetClassQuantityCallback)(int32_t element);
typedef int(ORVANE_CALL *OrvFirstFilteredElementCallback)(int zero, int32_t typeFilter);
typedef int(ORVANE_CALL *OrvNextFilteredElementCallback)(int zero, int32_t typeFilter, int startIndex);
/* The element's list text: its name, optionally followed by "|" and a description. */
typedef const char *(ORVANE_CALL *OrvGetListStringCallback)(int32_t element);
typedef int(ORVANE_CALL *OrvGetElementTypeCallback)(int32_t element);
typedef int(ORVANE_CALL *OrvIsReadOnlyCallback)(int32_t element);
typedef int(ORVANE_CALL *OrvUsedAsSubShiftCallback)(int32_t element); /* registered, never called */
typedef void(ORVANE_CALL *OrvGetDefaultNameFontCallback)(LOGFONTA *font);
typedef int32_t(ORVANE_CALL *OrvGetClassNumberCallback)(const char *name);     /* 0 or less: none */
typedef int32_t(ORVANE_CALL *OrvGetUserClassNumberCallback)(const char *name); /* -1: none */

/* Called on every menu selection in the host window, after the library's own handling. */
typedef void(ORVANE_CALL *OrvMenuSelectCallback)(HWND window, UINT item, UINT flags, HMENU menu);

/* Binding. */
ORVANE_EXPORT void ORVANE_CALL SetMainWindowHandle(HWND mainWindow, OrvMenuSelectCallback menuSelect);
ORVANE_EXPORT void *ORVANE_CALL SetMainWindowFocus(void);
ORVANE_EXPORT HINSTANCE ORVANE_CALL SetLanguageDLL(const char *fileName);
ORVANE_EXPORT void ORVANE_CALL SetHelpFilePath(const char *path);
ORVANE_EXPORT void ORVANE_CALL SetKESTLIBGlobalData(void *globalData);
ORVANE_EXPORT int ORVANE_CALL FilterDllMsg(MSG *msg);
ORVANE_EXPORT int ORVANE_CALL DoIdleProcessing(long count);
ORVANE_EXPORT int ORVANE_CALL OnSysColorChangeDLL(void);
ORVANE_EXPORT int ORVANE_CALL GetActiveDialogCount(void);

/* Every callback by name, in the order of their setters; a host can register them all with one line:
 * #define REGISTER(name) Set##name##Callback(My##name); ORV_FOR_EACH_HOST_CALLBACK(REGISTER) */
#define ORV_FOR_EACH_HOST_CALLBACK(X) \
    X(ProcessEvents)                  \
    X(Message)                        \
    X(TypeName)                       \
    X(DetailRule)                     \
    X(CompEditor)                     \
    X(DetailLabourRule)               \
    X(ProcessOutOfSpace)              \
    X(GetRuleWord)                    \
    X(GetFlowRuleWord)                \
    X(GetActionIndicator)             \
    X(MouseForm)                      \
    X(CompExp)                        \
    X(EvalExp)                        \
    X(SetErrorWarningFlags)           \
    X(GetErrorWarningFlags)           \
    X(TempExitTopLevelDetailForm)     \
    X(ReEnterTopLevelDetailForm)      \
    X(ReplicateRule)                  \
    X(CopyExpression)                 \
    X(CopyLabourRule)                 \
    X(DeleteRule)                     \
    X(DeleteExpression)               \
    X(ValidModuleIOElement)           \
    X(SelectSimulationObjectsByMouse) \
    X(SelectDesignerObjectsByMouse)   \
    X(SelectScreenObjectsByMouse)     \
    X(FreeObjectList)                 \
    X(VesselElement)                  \
    X(HandleWindowsClipboardChange)   \
    X(SetElementTypeFlags)            \
    X(IsMainShift)                    \
    X(IsAttributeType)                \
    X(GetClassQuantity)               \
    X(FirstFilteredElement)           \
    X(NextFilteredElement)            \
    X(GetListString)                  \
    X(GetElementType)                 \
    X(IsReadOnly)                     \
    X(UsedAsSubShift)                 \
    X(GetDefaultNameFont)             \
    X(GetClassNumber)                 \
    X(GetUserClassNumber)

/* Callback setters: Set + callback name + Callback. */
#define ORV_CALLBACK_SETTER(name) ORVANE_EXPORT void ORVANE_CALL Set##name##Callback(Orv##name##Callback callback);
ORV_FOR_EACH_HOST_CALLBACK(ORV_CALLBACK_SETTER)
#undef ORV_CALLBACK_SETTER
/* Not a function: the address of the host's pointer to its array of element numbers in display order. */
ORVANE_EXPORT void ORVANE_CALL SetElementOrderArrayCallback(int32_t **elementOrder);

/* Messages and prompts. Each returns when the modeller has answered. Closing a message without one of its buttons
 * (Escape, the close box) answers like its Cancel button; a null text or record answers the same way at once,
 * without a dialog. */

/* The record's message with the buttons of its list (at most three captions separated by "|") and its default
 * button (another number than a button shown makes the first one the default). The number of the button
 * pressed, 1 to 3; closed without a button: the number of the last button shown (1 with a single "OK").
 * Null record: 0. */
ORVANE_EXPORT int ORVANE_CALL AlarmDialog(OrvAlarmRecord *alarm);
/* Mode 3: "Stop Simulation", "Cancel", "Exit Program" answer 1, 2, 3. Other modes: "Cancel" and "Exit Program"
 * answer 1 and 2, in mode 2 they answer 2 and 3 as in mode 3. Closed without a button, or a null text: Cancel's
 * answer (mode 3 and mode 2: 2, other modes: 1), never Exit Program. */
ORVANE_EXPORT int ORVANE_CALL CtrlCDialog(const char *text, int mode);
/* 1 Yes, 2 No, 3 Cancel; closed without a button or a null text: 3. */
ORVANE_EXPORT int ORVANE_CALL YesNoCancelMessage(const char *text);
/* Asks whether to switch on a layer. 1 Yes, 2 No, 3 Cancel; closed without a button: 3. */
ORVANE_EXPORT int ORVANE_CALL NoLayersMessage(void);
/* ORV_FILE_EXISTS_*; closed without a button or a null text: ORV_FILE_EXISTS_STOP. */
ORVANE_EXPORT int ORVANE_CALL FileExistsDialog(const char *text);
/* 1 after OK: the values written into the record, then its apply slot called. 0 otherwise (Cancel, null
 * record); the validate slot may have seen the first value in the record meanwhile. */
ORVANE_EXPORT int ORVANE_CALL InputFieldDialog(OrvInputFieldRecord *input);
/* 1 after OK: the text written into the record. 0 otherwise (Cancel, null record), the record untouched. */
ORVANE_EXPORT int ORVANE_CALL PromptDialog(OrvPromptRecord *prompt);

/* Element detail sheets. Each shows the element's pages over its record; 1 after OK (the pages wrote the
 * record, then the apply, report-state and notes slots were called in that order), 0 otherwise (the cancel
 * slot was called; values written while validating may still stand in the record). */
ORVANE_EXPORT int ORVANE_CALL BufferDetailDialog(OrvBufferRecord *buffer);
/* 1 after OK, 0 after Cancel or when memory ran out (a message says so; the finish slot is then not
 * called). Whatever the end, the cycles are stored into a fresh array that the record points to while its
 * finish slot runs (with 1 after OK, else 0); then the record gets its own array pointers back (the counts
 * stay those of the rows handed over). After OK the notes
 * slot is called before the finish slot. */
ORVANE_EXPORT int ORVANE_CALL MachineDetailDialog(OrvMachineRecord *machine);
/* 1 after OK: the apply slot, the attributes apply slot, the routes slot (with a fresh array of the stages
 * that lives for the call, or none and count 0), the report-state slot and the notes slot, in that order.
 * 0 after Cancel (no slot is called) or when memory ran out. */
ORVANE_EXPORT int ORVANE_CALL PartDetailDialog(OrvPartRecord *part);

/* Answers of FileExistsDialog. */
#define ORV_FILE_EXISTS_STOP 338
#define ORV_FILE_EXISTS_OVERWRITE 339
#define ORV_FILE_EXISTS_APPEND 340
#define ORV_FILE_EXISTS_NO_OUTPUT 341

/* Clipboard text service. The host's Edit menu and name lists act on the target: the library's clipboard text
 * field that last had the focus (a clipboard combo box wins over a clipboard edit focused in the same second).
 * Each gives the focus back to the target. Text to and from the host ends its lines with a line feed alone;
 * on the clipboard they end with carriage return-line feed. The clipboard is opened for the host main window
 * and closed again before returning; when another window holds it open, nothing is read or changed. */
/* 1 when there was a target, else 0. An edit copies, cuts or undoes in its selection; a combo box copies or
 * cuts its whole field text and undoes nothing. */
ORVANE_EXPORT int ORVANE_CALL MFCCopyText(void);
ORVANE_EXPORT int ORVANE_CALL MFCCutText(void);
ORVANE_EXPORT int ORVANE_CALL MFCUndoText(void);
/* 1 when there was a target (a combo box: and text on the clipboard, which then replaces its field text). */
ORVANE_EXPORT int ORVANE_CALL MFCPasteText(void);
/* Only the focus back to the target: 1 when there was one. */
ORVANE_EXPORT int ORVANE_CALL MFCReturnFocus(void);
/* Puts a name picked by the modeller into the target. functionFlag: the name becomes a call, "Rate" gives
 * "Rate() " with the caret between the parentheses. A field with the names-only flag drops one framing blank
 * on each side instead. insertMode 1 puts the name after an edit's selection; otherwise it replaces the
 * selection (a combo box: the whole field). */
ORVANE_EXPORT void ORVANE_CALL PasteText(const char *text, int functionFlag, int insertMode);
/* The length of the clipboard's text in host form, without terminator; 0 when there is none. */
ORVANE_EXPORT int ORVANE_CALL MFCGetTextSizeFromClipboard(void);
/* The same length; the text and its terminator go into buffer, which must hold length + 1 bytes. Without
 * text the buffer is left untouched. */
ORVANE_EXPORT int ORVANE_CALL MFCGetTextFromClipboard(char *buffer);
/* 1 when the text (not null, not empty) is on the clipboard, else 0. */
ORVANE_EXPORT int ORVANE_CALL MFCSetTextInClipboard(const char *text);
/* 1 when the clipboard was emptied, else 0. */
ORVANE_EXPORT int ORVANE_CALL MFCEmptyClipboard(void);

#ifdef __cplusplus
}
#endif

#endif
