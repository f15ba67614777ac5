// The pages of the active property sheet, as the modeller sees them: their tabs.
#pragma once
#include <windows.h>

#include <string>

// Asks the active sheet for the page, as a click on its tab would; the page being left validates first.
void SwitchPage(int index);
int PageCount(HWND sheet);
// A control of the page on show in the active sheet: pages reuse identifiers, and a combo box's own edit has
// identifier 1001.
HWND PageControl(int id);
int CurrentPage(HWND sheet);
// The tab's caption in lower case, letters and digits only ("Reporting" -> "reporting").
std::string PageName(HWND sheet, int index);
