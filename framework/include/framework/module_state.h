// The framework's process-wide state for the module that links it: where resources come from,
// which module is ours, where help lives, which window object is the main window.
#pragma once
#include <windows.h>

class CWnd;

// The module that uses the framework. Defaults to the executable until set.
HINSTANCE FrameworkGetInstanceHandle();
void FrameworkSetInstanceHandle(HINSTANCE instance);

// The module that dialog templates, strings, accelerators and bitmaps are loaded from. Defaults
// to the instance handle; a language library replaces it.
HINSTANCE FrameworkGetResourceHandle();
void FrameworkSetResourceHandle(HINSTANCE resources);

// The help file path. The framework keeps the pointer, not a copy: the owner of the buffer may
// rewrite the path later and every help request reads the current text.
const char *FrameworkGetHelpFilePath();
void FrameworkSetHelpFilePath(const char *path);

// The window object that owns message boxes and receives general help commands.
CWnd *FrameworkGetMainWnd();
void FrameworkSetMainWnd(CWnd *wnd);

// The caption of the framework's message boxes (copied). Defaults to the module's file name
// without directory and extension.
const char *FrameworkGetAppTitle();
void FrameworkSetAppTitle(const char *title);
