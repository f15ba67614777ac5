// The modeller's steps in the system colour chooser: open its custom part (where the colour edits live),
// type red, green and blue, and end it with `button`, one step each. `look` runs first, inside the chooser.
#pragma once
#include "modeller.h"

#include <colordlg.h>

#include <functional>

inline void ChooseInChooser(Modeller &m, const char *red, const char *green, const char *blue, int button = IDOK,
                            std::function<void()> look = {})
{
    m.Then([=](Modeller &) {
        if (look)
            look();
        Modeller::Click(COLOR_MIX);
    });
    m.Then([=](Modeller &) { Modeller::ClearAndType(COLOR_RED, red); });
    m.Then([=](Modeller &) { Modeller::ClearAndType(COLOR_GREEN, green); });
    m.Then([=](Modeller &) { Modeller::ClearAndType(COLOR_BLUE, blue); });
    m.Then([=](Modeller &) { Modeller::Click(button); });
}
