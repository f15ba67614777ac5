// The pages of the active property sheet, as the modeller sees them: their tabs.
#pragma once
#include <windows.h>

#include <string>

// Asks the active sheet for the page, as a click on its tab would; the page being left validates first.
void SwitchPage(int index);
int PageCount(HWND sheet);
int CurrentPage(HWND sheet);
// The tab's caption in lower case, letters and digits only ("Reporting" -> "reporting").
std::string PageName(HWND sheet, int index);
