#include "core/summary_dialog_result.h"

int SummaryRowOrCurrent(int selected, int rowCount, int currentRow)
{
    return selected >= 0 && selected < rowCount ? selected : currentRow;
}
