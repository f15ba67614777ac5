// The handles a machine's setup or breakdown row owns: two actions and a labour rule, copied together (all
// or none) with the labour rule's kind.
#pragma once
#include <cstdint>

bool CopyRowHandles(int32_t element, int labourKind, int32_t firstActions, int32_t secondActions, int32_t labourRule,
                    int32_t &firstCopy, int32_t &secondCopy, int32_t &labourCopy);
