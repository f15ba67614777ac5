// Shared helpers of the framework tests: a stand-in for the host's main window, a host-style
// message pump, and an answering machine for message boxes.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/framework.h"

namespace fwtest {

// One pass over the queue, as a host does it: the framework pre-translates, the rest is
// dispatched.
void Pump();

struct MessageBoxRecord {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool ownerEnabled = false;
};

// While alive, every message box is recorded and answered with OK.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer &) = delete;
    MessageBoxAnswerer &operator=(const MessageBoxAnswerer &) = delete;

    const std::vector<MessageBoxRecord> &Boxes() const;
};

// A plain top-level window of another module's class, as the host's main window is; it records
// the commands it receives.
class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow &) = delete;
    HostWindow &operator=(const HostWindow &) = delete;

    HWND Get() const { return m_hwnd; }
    const std::vector<UINT> &Commands() const;
    const std::vector<UINT> &Messages() const;

private:
    HWND m_hwnd = nullptr;
};

// Resets the framework's process-wide state around every test.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static constexpr char kHelpPath[] = "framework.hlp";
};

std::string TextOf(HWND hwnd);
std::string DialogItemText(HWND dialog, int id);

} // namespace fwtest
