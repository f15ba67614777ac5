// The element list fillers, seen in a page of the test kit: which host elements are listed and how.
#include "fake_host.h"
#include "testkit.h"

#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kBuffer = 2, kMachine = 3, kAttribute = 12, kVariable = 15, kShift = 25;

void AddModel(FakeModel &model)
{
    model.Add({101, kBuffer, "BUF|Input store", 3});
    model.Add({102, kMachine, "MILL|Milling", 1});
    model.Add({103, kBuffer, "AQ", 1});
    model.Add({201, kAttribute, "COLOUR|Paint colour", 1, true, 4});
    model.Add({202, kAttribute, "SIZE", 1, true, 5});
    model.Add({203, kAttribute, "SUBATT", 1, false, 4});
    model.Add({301, kVariable, "COUNT", 1, true, 0, 0});
    model.Add({302, kVariable, "LIMIT", 1, true, 0, 1});
    model.Add({401, kShift, "DAYS", 1, true});
    model.Add({402, kShift, "NIGHTS", 1, true});
    model.Add({403, kShift, "BREAKS", 1, false});
}

std::vector<std::string> ComboItems(int id)
{
    HWND combo = Modeller::Control(id);
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

struct Lists {
    std::vector<std::string> elements;
    std::vector<std::string> shifts;
};

Lists Fill(FakeHost &host, TestkitSheetRecord record)
{
    Lists lists;
    host.Driver().Then([&](Modeller &) {
        lists.elements = ComboItems(IDC_TESTKIT_ELEMENTS);
        HWND sheet = GetActiveWindow();
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    });
    host.Driver().Then([&](Modeller &) {
        lists.shifts = ComboItems(IDC_TESTKIT_SHIFTS);
        Modeller::Escape();
    });
    record.number = 1;
    ORV_EXPORT(host, TestkitSheet)(&record);
    return lists;
}

TestkitSheetRecord Request(std::initializer_list<int> types, std::initializer_list<int> attributeTypes = {})
{
    TestkitSheetRecord record{};
    int i = 0;
    for (int t : types)
        record.types[i++] = t;
    record.types[i] = -1;
    i = 0;
    for (int t : attributeTypes)
        record.attributeTypes[i++] = t;
    record.attributeTypes[i] = -1;
    record.editedElement = -5;
    return record;
}

using Items = std::vector<std::string>;
} // namespace

TEST(ElementLists, ArraysDescriptionsAndTheEditedName)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    AddModel(host.Model());

    EXPECT_EQ(Fill(host, Request({kBuffer, kMachine})).elements, (Items{"AQ", "BUF", "MILL"}));

    TestkitSheetRecord expanded = Request({kBuffer});
    expanded.expandArrays = 1;
    EXPECT_EQ(Fill(host, expanded).elements, (Items{"AQ", "BUF(1)", "BUF(2)", "BUF(3)"}));

    expanded.showDescription = 1;
    EXPECT_EQ(Fill(host, expanded).elements,
              (Items{"AQ       - ", "BUF(1)       - Input store", "BUF(2)       - Input store",
                     "BUF(3)       - Input store"}));

    // The element being edited shows under the name the modeller is giving it.
    TestkitSheetRecord edited = Request({kBuffer, kMachine});
    edited.editedElement = 102;
    std::strcpy(edited.editedName, "SAW");
    EXPECT_EQ(Fill(host, edited).elements, (Items{"AQ", "BUF", "SAW"}));

    // The filter is the sum of the types' bits, and the walk goes through the host's element order.
    const std::string filter = std::to_string(FakeModel::TypeBit(kBuffer) + FakeModel::TypeBit(kMachine));
    int walks = 0;
    for (const LoggedCall &call : host.Log().Calls())
        walks += call.name == "FirstFilteredElement" && call.args[1] == filter;
    EXPECT_GT(walks, 0);
}

TEST(ElementLists, AttributesVariablesAndShiftsAreFilteredByTheirOwnRules)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    AddModel(host.Model());

    // Attributes by attribute type; a sub-shift-like entry (not main) needs the all-shifts flag.
    EXPECT_EQ(Fill(host, Request({kAttribute}, {4})).elements, (Items{"COLOUR"}));
    TestkitSheetRecord all = Request({kAttribute}, {4, 5});
    all.allShifts = 1;
    EXPECT_EQ(Fill(host, all).elements, (Items{"COLOUR", "SIZE", "SUBATT"}));

    // Variables by read-only value.
    TestkitSheetRecord readOnly = Request({kVariable});
    readOnly.readOnlyToMatch = 1;
    EXPECT_EQ(Fill(host, readOnly).elements, (Items{"LIMIT"}));

    // Shifts: main shifts only unless all are asked for; the main-shift list in the host's order.
    Lists shifts = Fill(host, Request({kShift}));
    EXPECT_EQ(shifts.elements, (Items{"DAYS", "NIGHTS"}));
    EXPECT_EQ(shifts.shifts, (Items{"DAYS", "NIGHTS"}));
}
