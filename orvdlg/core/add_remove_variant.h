// The lists the add/remove dialog edits. A variant only decides the dialog's texts: its caption, the label of
// the list and the label of the description box.
#pragma once
#include <windows.h>

enum class AddRemoveVariant {
    Cycles,
    Setups,
    Breakdowns,
    Stages,
    Sectors,
    Periods,
    Situations,
    Replications,
    FunctionParameters,
    LaborShifts,
};

inline constexpr int kAddRemoveVariantCount = 10;

struct AddRemoveTexts {
    UINT caption;
    UINT listLabel;
    UINT descriptionLabel; // 0: the template's label stays
};

const AddRemoveTexts &TextsOf(AddRemoveVariant variant);
// The variant with the number `number` (the enumeration's order, from 0); false when there is none.
bool AddRemoveVariantFromNumber(int number, AddRemoveVariant &variant);
