// Reading the Summary dialog's answer safely. The dialog cuts its rows text at every "?" and a row's fields at
// every "|", so a field that itself contains either character shifts the rows after it: the index the dialog
// returns may then name no row the caller built. Callers take the answer through this check.
#pragma once

// `selected` when it names one of the caller's `rowCount` rows (0 to rowCount - 1), otherwise (no selection,
// or an index past the caller's rows) the caller's `currentRow`.
int SummaryRowOrCurrent(int selected, int rowCount, int currentRow);
