// A modeller who does anything, in any order, for thousands of steps: the machinery the random-input tests of
// the detail sheets share. Every choice comes from one seeded generator, so a failing run replays exactly.
// The modeller acts only on controls that are shown and enabled, as a person can.
#pragma once
#include "modeller.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <random>
#include <span>

// The host's side of a random run: its slots accept or name a wrong field at random until the run ends,
// when it accepts everything.
struct RandomHostVerdicts {
    std::mt19937 random{20261208};
    bool accepting = false; // at the end the host accepts everything

    bool Chance(int percent) { return static_cast<int>(random() % 100) < percent; }
    // -1 mostly; otherwise one of `fields`, or now and then a number that names no field.
    int32_t Verdict(std::initializer_list<int32_t> fields)
    {
        if (accepting || Chance(65))
            return -1;
        if (Chance(80))
            return fields.begin()[random() % fields.size()];
        return Chance(50) ? 42 : -2;
    }
};

class RandomModeller {
public:
    RandomModeller(Modeller &driver, uint32_t seed) : m_driver(driver), m_random(seed) {}

    // 0 to count - 1.
    int Pick(size_t count) { return static_cast<int>(m_random() % count); }
    bool Chance(int percent) { return Pick(100) < percent; }
    int PickOf(std::span<const int> ids) { return ids[static_cast<size_t>(Pick(ids.size()))]; }
    // A text the modeller types: short, empty, numbers that are and are not positive amounts, an expression,
    // and one long enough to reach every limit when typed twice.
    const char *AnyText();

    // Each does nothing (and gives false) when the control is missing, hidden or disabled.
    bool TypeInto(HWND control);           // any text, after what the control holds
    bool ChooseIn(HWND control);           // any item of a combo or list box
    bool Click(HWND button);
    // Puts a text past every limit into an edit or combo box without typing, as a program would (not into a
    // combo box's own field).
    bool Paste(HWND control);
    // Acts on any control of `window` or its pages as its class suggests, sparing the ids in `spared`.
    bool ActOnAnyControl(HWND window, std::span<const int> spared = {});
    // Moves the sheet to any of its pages.
    void SwitchPage(HWND sheet);
    // One step inside a dialog opened above the sheet (the add/remove dialog, the summary, a message box):
    // mostly acting on its controls, sometimes Escape or Enter.
    void ActInNestedDialog(HWND active);
    // While ending a sheet: closes a dialog open above it, by Escape or (every fourth attempt) by its Cancel
    // command. False when the sheet itself is active.
    static bool CloseDialogAbove(HWND sheet, int attempt);

    // Queues `count` steps of `step`, then `end` until it gives true (it is called again after the queue
    // has been pumped, for an end that has to wait, say, for nested dialogs to close). Steps queued by an
    // earlier run that outlived its window do nothing.
    void Run(int count, std::function<void()> step, std::function<bool()> end);
    // The window that was active when the run took its first step: the sheet.
    HWND Window() const { return m_window; }

private:
    struct RunState {
        unsigned run; // 0 once the run has ended
        int remaining;
        std::function<void()> step;
        std::function<bool()> end;
    };
    void Next(std::shared_ptr<RunState> state);

    Modeller &m_driver;
    std::mt19937 m_random;
    unsigned m_run = 0;
    HWND m_window = nullptr;
};
