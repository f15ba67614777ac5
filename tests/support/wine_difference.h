// Checks where Wine behaves unlike Windows. The check stays in the test and keeps running on the stand-in
// (and on Windows); under Wine the test is skipped with the reason, which docs/windows-build.md lists too.
//
//   TEST(Edit, Something) {
//       ORVANE_EXPECTED_WINE_DIFFERENCE("Wine's edit control does not ... (Windows and the stand-in do)");
//       ...
//   }
#pragma once
#include <gtest/gtest.h>

// True when the process runs under Wine (ntdll exports wine_get_version there).
bool RunningUnderWine();

#define ORVANE_EXPECTED_WINE_DIFFERENCE(reason)                                                                \
    do {                                                                                                       \
        if (RunningUnderWine())                                                                                \
            GTEST_SKIP() << "expected Wine difference: " << (reason);                                         \
    } while (0)
