// The message and prompt dialogs as a host meets them: the answers of every button, Escape and the close box,
// the buttons a list shows and which is the default, the input field's validation and apply slots, the prompt's
// cleaning, records that end at a guard page with unterminated texts, and the memory message.
#include "fake_host.h"
#include "guarded_record.h"
#include "png_writer.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
// Control identifiers of the dialogs (a language library keeps them).
constexpr int kMessageText = 1009, kIcon = 1053;
constexpr int kButton1 = 8, kButton2 = 5, kButton3 = 6;
constexpr int kAppend = 1598, kOverwrite = 1599, kStop = 1597, kNoOutput = 7;
constexpr int kFirstLabel = 1010, kSecondLabel = 1011, kFirstValue = 1012, kSecondValue = 1013;
constexpr int kPromptText = 1180, kPromptValue = 1181;

using Action = std::function<void()>;
Action ClickOn(int id)
{
    return [id] { Modeller::Click(id); };
}
const Action kEscape = [] { Modeller::Escape(); };
const Action kEnter = [] { Modeller::Enter(); };
const Action kCloseBox = [] { PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0); };

std::string Caption() { return Modeller::Text(GetActiveWindow()); }
int DefaultId() { return LOWORD(SendMessageA(GetActiveWindow(), DM_GETDEFID, 0, 0)); }
bool ShowsButtons(bool first, bool second, bool third)
{
    return Modeller::Visible(kButton1) == first && Modeller::Visible(kButton2) == second &&
           Modeller::Visible(kButton3) == third;
}
RECT ClientRectOf(int id)
{
    RECT r;
    GetWindowRect(Modeller::Control(id), &r);
    return r;
}

// The fake callbacks of the input field record's slots.
int g_applyCalls = 0;
int g_validateCalls = 0;
int g_validateAnswer = 1;
std::string g_firstValueWhenValidated;
void ORVANE_CALL CountApply(OrvInputFieldRecord *) { ++g_applyCalls; }
int ORVANE_CALL JudgeFirstValue(OrvInputFieldRecord *record)
{
    ++g_validateCalls;
    g_firstValueWhenValidated = record->firstValue;
    return g_validateAnswer;
}

class MessageDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_applyCalls = g_validateCalls = 0;
        g_validateAnswer = 1;
    }
    void TearDown() override { EXPECT_TRUE(m.Complaint().empty()) << m.Complaint(); }

    // The modeller looks at the open dialog with `check`, then acts.
    void Answer(const std::function<void()> &check, const Action &action)
    {
        m.Then([check, action](Modeller &) {
            if (check)
                check();
            action();
        });
    }

    FakeHost host{ORVANE_TESTKIT_LIBRARY};
    Modeller &m = host.Driver();
};

void FillInput(OrvInputFieldRecord &record, int values)
{
    strcpy(record.firstValue, "10");
    strcpy(record.secondValue, "20");
    strcpy(record.firstLabel, "Minimum");
    strcpy(record.secondLabel, "Maximum");
    strcpy(record.caption, "input value");
    record.valueCount = values;
    record.apply = CountApply;
    record.validate = JudgeFirstValue;
}
} // namespace

TEST_F(MessageDialogs, AlarmShowsOneButtonPerCaptionAndAnswersWithItsNumber)
{
    struct Case {
        const char *buttons;
        int defaultButton;
        bool shown[3];
        int defaultId;
        Action action;
        int answer;
    };
    const Case cases[] = {
        {"OK", 1, {true, false, false}, kButton1, kEscape, 1},           // Escape: the last button shown
        {"Retry|Give up", 2, {true, true, false}, kButton2, kEscape, 2}, // ... also with two
        {"Retry|Give up", 2, {true, true, false}, kButton2, kEnter, 2},  // Enter presses the default
        {"A|B|C|D", 3, {true, true, true}, kButton3, ClickOn(kButton1), 1},
        {"A|B|C", 7, {true, true, true}, kButton1, ClickOn(kButton3), 3}, // no such default: the first
        {"A|B|C", 2, {true, true, true}, kButton2, kCloseBox, 3},
    };
    auto alarm = ORV_EXPORT(host, AlarmDialog);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.buttons);
        GuardedRecord<OrvAlarmRecord> record;
        strcpy(record->message, "Tank T1|is full");
        strcpy(record->buttons, c.buttons);
        record->defaultButton = c.defaultButton;
        Answer(
            [&] {
                EXPECT_EQ(Caption(), "ORVANE");
                EXPECT_EQ(Modeller::Text(kMessageText), "Tank T1 is full");
                EXPECT_TRUE(ShowsButtons(c.shown[0], c.shown[1], c.shown[2]));
                EXPECT_EQ(DefaultId(), c.defaultId);
                EXPECT_EQ(Modeller::FocusId(), c.defaultId);
                EXPECT_TRUE(GetWindowLongA(Modeller::Control(c.defaultId), GWL_STYLE) & BS_DEFPUSHBUTTON);
            },
            c.action);
        EXPECT_EQ(alarm(record.Get()), c.answer);
    }
    // Captions in list order; a fourth caption has no button.
    GuardedRecord<OrvAlarmRecord> record;
    strcpy(record->buttons, "A|B|C|D");
    record->defaultButton = 1;
    Answer(
        [] {
            EXPECT_EQ(Modeller::Text(kButton1), "A");
            EXPECT_EQ(Modeller::Text(kButton2), "B");
            EXPECT_EQ(Modeller::Text(kButton3), "C");
        },
        ClickOn(kButton2));
    EXPECT_EQ(alarm(record.Get()), 2);
    EXPECT_EQ(ORV_EXPORT(host, GetActiveDialogCount)(), 0);
    // The message dialog watches the clipboard for the host: told once per opening.
    EXPECT_EQ(host.Log().Count("HandleWindowsClipboardChange"), static_cast<int>(std::size(cases)) + 1);
}

TEST_F(MessageDialogs, QuestionsAnswerWithTheirButtonsAndCancelWhenClosedWithoutOne)
{
    auto ctrlC = ORV_EXPORT(host, CtrlCDialog);
    auto yesNo = ORV_EXPORT(host, YesNoCancelMessage);
    auto noLayers = ORV_EXPORT(host, NoLayersMessage);
    struct Case {
        const char *name;
        std::function<int()> call;
        const char *captions[3];
        Action action;
        int answer;
    };
    const Case cases[] = {
        {"stop mode, stop", [&] { return ctrlC("Interrupted", 3); }, {"Stop Simulation", "Cancel", "Exit Program"},
         ClickOn(kButton1), 1},
        {"stop mode, exit", [&] { return ctrlC("Interrupted", 3); }, {}, ClickOn(kButton3), 3},
        {"stop mode, escape", [&] { return ctrlC("Interrupted", 3); }, {}, kEscape, 2},
        {"mode 2, exit", [&] { return ctrlC("Interrupted", 2); }, {"Cancel", "Exit Program", nullptr},
         ClickOn(kButton2), 3},
        {"mode 2, cancel", [&] { return ctrlC("Interrupted", 2); }, {}, ClickOn(kButton1), 2},
        {"mode 2, escape", [&] { return ctrlC("Interrupted", 2); }, {}, kEscape, 2},
        {"mode 0, exit", [&] { return ctrlC("Interrupted", 0); }, {}, ClickOn(kButton2), 2},
        {"mode 0, escape", [&] { return ctrlC("Interrupted", 0); }, {}, kEscape, 1},
        {"yes", [&] { return yesNo("Save the model?"); }, {"&Yes", "&No", "Cancel"}, kEnter, 1},
        {"no", [&] { return yesNo("Save the model?"); }, {}, ClickOn(kButton2), 2},
        {"escape", [&] { return yesNo("Save the model?"); }, {}, kEscape, 3},
        {"close box", [&] { return yesNo("Save the model?"); }, {}, kCloseBox, 3},
        {"no layers, cancel", [&] { return noLayers(); }, {"&Yes", "&No", "Cancel"}, ClickOn(kButton3), 3},
        {"no layers, escape", [&] { return noLayers(); }, {}, kEscape, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Answer(
            [&] {
                EXPECT_EQ(DefaultId(), kButton1);
                const int ids[] = {kButton1, kButton2, kButton3};
                for (int i = 0; i < 3 && c.captions[0]; ++i) {
                    EXPECT_EQ(Modeller::Visible(ids[i]), c.captions[i] != nullptr);
                    if (c.captions[i]) {
                        EXPECT_EQ(Modeller::Text(ids[i]), c.captions[i]);
                    }
                }
            },
            c.action);
        EXPECT_EQ(c.call(), c.answer);
    }
    Answer(
        [] {
            EXPECT_EQ(Modeller::Text(kMessageText),
                      "There are currently no layers switched on.\n\nDo you want to switch on a layer?");
        },
        kEnter);
    EXPECT_EQ(noLayers(), 1);

    // A long message is shown whole: the text box takes its lines and the buttons stay below it.
    Answer(
        [] {
            RECT text = ClientRectOf(kMessageText), button = ClientRectOf(kButton1), dialog;
            GetWindowRect(GetActiveWindow(), &dialog);
            EXPECT_GE(text.bottom - text.top, 12 * 13); // twelve lines of the 13-pixel font
            EXPECT_GE(button.top, text.bottom);
            EXPECT_LT(button.bottom, dialog.bottom);
        },
        kEscape);
    EXPECT_EQ(yesNo("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12"), 3);
}

TEST_F(MessageDialogs, FileExistsAnswersWithTheCodeOfEachButtonAndStopsWhenClosed)
{
    auto fileExists = ORV_EXPORT(host, FileExistsDialog);
    const std::pair<Action, int> cases[] = {
        {ClickOn(kAppend), ORV_FILE_EXISTS_APPEND},       {ClickOn(kOverwrite), ORV_FILE_EXISTS_OVERWRITE},
        {ClickOn(kStop), ORV_FILE_EXISTS_STOP},           {ClickOn(kNoOutput), ORV_FILE_EXISTS_NO_OUTPUT},
        {kEscape, ORV_FILE_EXISTS_STOP},                  {kCloseBox, ORV_FILE_EXISTS_STOP},
    };
    for (const auto &[action, answer] : cases) {
        Answer(
            [] {
                EXPECT_EQ(Caption(), "ORVANE");
                EXPECT_EQ(Modeller::Text(kMessageText), "OUT.TXT exists");
                EXPECT_EQ(Modeller::Text(kAppend), "&Append to the file");
                EXPECT_EQ(Modeller::Text(kOverwrite), "&Overwrite the file");
                EXPECT_EQ(Modeller::Text(kStop), "&Stop the simulation");
                EXPECT_EQ(Modeller::Text(kNoOutput), "&Run with no file output");
                EXPECT_TRUE(Modeller::Visible(kIcon));
            },
            action);
        EXPECT_EQ(fileExists("OUT.TXT exists"), answer);
    }
}

TEST_F(MessageDialogs, InputFieldLetsTheHostRejectTheFirstValueAndAppliesOnceAfterOk)
{
    GuardedRecord<OrvInputFieldRecord> record;
    FillInput(*record, 1);
    auto input = ORV_EXPORT(host, InputFieldDialog);
    Answer(
        [] {
            EXPECT_EQ(Caption(), "Input Value");
            EXPECT_EQ(Modeller::Text(kFirstLabel), "Minimum");
            EXPECT_EQ(Modeller::Text(kFirstValue), "10");
            EXPECT_FALSE(Modeller::Visible(kSecondLabel));
            EXPECT_FALSE(Modeller::Enabled(kSecondLabel));
            EXPECT_FALSE(Modeller::Visible(kSecondValue));
            Modeller::ClearAndType(kFirstValue, std::string(85, 'a')); // five past the limit
            g_validateAnswer = 0;
        },
        kEnter);
    Answer(
        [&] {
            // The host saw the value in the record, rejected it, and the dialog stays open on it, selected.
            EXPECT_EQ(g_validateCalls, 1);
            EXPECT_EQ(g_firstValueWhenValidated, std::string(80, 'a'));
            EXPECT_EQ(g_applyCalls, 0);
            EXPECT_EQ(Modeller::FocusId(), kFirstValue);
            DWORD start = 0, end = 0;
            SendMessageA(Modeller::Control(kFirstValue), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(start, 0u);
            EXPECT_EQ(end, 80u);
            Modeller::ClearAndType(kFirstValue, "12.5");
            g_validateAnswer = 1;
        },
        ClickOn(IDOK));
    EXPECT_EQ(input(record.Get()), 1);
    EXPECT_STREQ(record->firstValue, "12.5");
    EXPECT_STREQ(record->secondValue, "20");
    EXPECT_EQ(g_validateCalls, 2);
    EXPECT_EQ(g_applyCalls, 1);

    // Cancel: no validation, no apply, the record as it was.
    OrvInputFieldRecord before = *record;
    Answer([] { Modeller::ClearAndType(kFirstValue, "99"); }, kEscape);
    EXPECT_EQ(input(record.Get()), 0);
    EXPECT_EQ(memcmp(&before, record.Get(), sizeof before), 0);
    EXPECT_EQ(g_applyCalls, 1);
}

TEST_F(MessageDialogs, InputFieldWithTwoValuesShowsBothPairsApartAndWritesBoth)
{
    GuardedRecord<OrvInputFieldRecord> record;
    FillInput(*record, 2);
    record->apply = nullptr;
    record->validate = nullptr;
    Answer(
        [] {
            EXPECT_TRUE(Modeller::Visible(kSecondLabel));
            EXPECT_TRUE(Modeller::Visible(kSecondValue));
            EXPECT_EQ(Modeller::Text(kSecondLabel), "Maximum");
            RECT first = ClientRectOf(kFirstValue), label = ClientRectOf(kSecondLabel), overlap;
            EXPECT_GE(label.top, first.bottom);
            EXPECT_FALSE(IntersectRect(&overlap, &first, &label));
            // The second edit still lies inside the dialog.
            RECT dialog, second = ClientRectOf(kSecondValue);
            GetWindowRect(GetActiveWindow(), &dialog);
            EXPECT_LT(second.bottom, dialog.bottom);
            Modeller::ClearAndType(kSecondValue, "30");
        },
        ClickOn(IDOK));
    EXPECT_EQ(ORV_EXPORT(host, InputFieldDialog)(record.Get()), 1);
    EXPECT_STREQ(record->firstValue, "10");
    EXPECT_STREQ(record->secondValue, "30");
}

TEST_F(MessageDialogs, PromptShowsTheCleanedPromptAndWritesTheTextOnlyAfterOk)
{
    GuardedRecord<OrvPromptRecord> record;
    strcpy(record->text, "old");
    strcpy(record->prompt, "Name \"  the\xFFrun:\fnext line");
    auto prompt = ORV_EXPORT(host, PromptDialog);
    Answer(
        [] {
            EXPECT_EQ(Caption(), "Prompt");
            EXPECT_EQ(Modeller::Text(kPromptText), "Name \" the run:\nnext line");
            EXPECT_EQ(Modeller::Text(kPromptValue), "old");
            Modeller::ClearAndType(kPromptValue, std::string(300, 'z'));
        },
        kEnter);
    EXPECT_EQ(prompt(record.Get()), 1);
    EXPECT_EQ(std::string(record->text), std::string(255, 'z'));

    OrvPromptRecord before = *record;
    Answer([] { Modeller::ClearAndType(kPromptValue, "new"); }, ClickOn(IDCANCEL));
    EXPECT_EQ(prompt(record.Get()), 0);
    EXPECT_EQ(memcmp(&before, record.Get(), sizeof before), 0);
}

TEST_F(MessageDialogs, UnterminatedRecordTextsAreReadToTheirFieldsEndAndWrittenBackTerminated)
{
    GuardedRecord<OrvAlarmRecord> alarm;
    FillUnterminated(alarm->message, 'M');
    FillUnterminated(alarm->buttons, 'B');
    alarm->defaultButton = 1;
    Answer(
        [] {
            EXPECT_EQ(Modeller::Text(kMessageText), std::string(256, 'M'));
            EXPECT_EQ(Modeller::Text(kButton1), std::string(100, 'B'));
        },
        kEscape);
    EXPECT_EQ(ORV_EXPORT(host, AlarmDialog)(alarm.Get()), 1);

    GuardedRecord<OrvInputFieldRecord> input;
    FillUnterminated(input->firstValue, '1');
    FillUnterminated(input->secondValue, '2');
    FillUnterminated(input->firstLabel, 'F');
    FillUnterminated(input->secondLabel, 'S');
    FillUnterminated(input->caption, 'C');
    input->valueCount = 2;
    Answer(
        [] {
            EXPECT_EQ(Modeller::Text(kFirstValue), std::string(80, '1'));
            EXPECT_EQ(Modeller::Text(kSecondValue), std::string(80, '2'));
            EXPECT_EQ(Modeller::Text(kFirstLabel), std::string(81, 'F'));
            EXPECT_EQ(Caption(), "C" + std::string(255, 'c'));
        },
        kEnter);
    EXPECT_EQ(ORV_EXPORT(host, InputFieldDialog)(input.Get()), 1);
    EXPECT_EQ(std::string(input->firstValue), std::string(80, '1'));
    EXPECT_EQ(std::string(input->secondValue), std::string(80, '2'));

    GuardedRecord<OrvPromptRecord> prompt; // the prompt ends at the guard page
    FillUnterminated(prompt->text, 'T');
    FillUnterminated(prompt->prompt, 'P');
    Answer(
        [] {
            EXPECT_EQ(Modeller::Text(kPromptText), std::string(256, 'P'));
            EXPECT_EQ(Modeller::Text(kPromptValue), std::string(255, 'T'));
        },
        kEnter);
    EXPECT_EQ(ORV_EXPORT(host, PromptDialog)(prompt.Get()), 1);
    EXPECT_EQ(std::string(prompt->text), std::string(255, 'T'));
}

TEST_F(MessageDialogs, NullArgumentsAnswerWithoutADialog)
{
    EXPECT_EQ(ORV_EXPORT(host, AlarmDialog)(nullptr), 0);
    EXPECT_EQ(ORV_EXPORT(host, CtrlCDialog)(nullptr, 3), 2);
    EXPECT_EQ(ORV_EXPORT(host, CtrlCDialog)(nullptr, 2), 2);
    EXPECT_EQ(ORV_EXPORT(host, CtrlCDialog)(nullptr, 0), 1);
    EXPECT_EQ(ORV_EXPORT(host, YesNoCancelMessage)(nullptr), 3);
    EXPECT_EQ(ORV_EXPORT(host, FileExistsDialog)(nullptr), ORV_FILE_EXISTS_STOP);
    EXPECT_EQ(ORV_EXPORT(host, InputFieldDialog)(nullptr), 0);
    EXPECT_EQ(ORV_EXPORT(host, PromptDialog)(nullptr), 0);
    EXPECT_EQ(host.Log().Count("ProcessEvents"), 0);
}

TEST_F(MessageDialogs, RunningOutOfMemoryShowsTheMemoryMessage)
{
    Answer(
        [] {
            EXPECT_EQ(Caption(), "ORVANE");
            EXPECT_EQ(Modeller::Text(kMessageText), "There is not enough memory to perform the requested operation");
            EXPECT_TRUE(ShowsButtons(true, false, false));
            EXPECT_EQ(Modeller::Text(kButton1), "OK");
            EXPECT_EQ(DefaultId(), kButton1);
        },
        kEnter);
    EXPECT_EQ(ORV_EXPORT(host, TestkitOutOfMemory)(), -7);
    EXPECT_GT(host.Log().Count("ProcessEvents"), 0);
}

TEST_F(MessageDialogs, Pictures)
{
    auto picture = [this](const char *name) {
        const std::string path = std::string(ORVANE_OUT_DIR "/") + name;
        Answer([path] { EXPECT_TRUE(SaveWindowPng(GetActiveWindow(), path.c_str())); }, kEscape);
    };
    picture("message_dialog.png");
    ORV_EXPORT(host, YesNoCancelMessage)("The model has changed.|Save it before closing?");
    picture("file_exists_dialog.png");
    ORV_EXPORT(host, FileExistsDialog)("The output file RESULTS.TXT already exists.");
    GuardedRecord<OrvInputFieldRecord> input;
    FillInput(*input, 2);
    picture("input_field_dialog.png");
    ORV_EXPORT(host, InputFieldDialog)(input.Get());
    GuardedRecord<OrvPromptRecord> prompt;
    strcpy(prompt->text, "RUN1");
    strcpy(prompt->prompt, "Enter the name of the experiment to run:");
    picture("prompt_dialog.png");
    ORV_EXPORT(host, PromptDialog)(prompt.Get());
}
