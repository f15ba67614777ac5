// The fresh cycle array a machine's sheet stores its cycles into when it closes. While it lives the record
// points to it (the host reads it in the finish slot); afterwards the record gets its own array back.
#pragma once
#include "detail/machine_cycle_list.h"

#include <orvane/records/machine.h>

class MachineCycleArray {
public:
    explicit MachineCycleArray(OrvMachineRecord &record) : m_record(record) {}
    // Gives the record its own array back and frees the fresh one.
    ~MachineCycleArray();
    MachineCycleArray(const MachineCycleArray &) = delete;
    MachineCycleArray &operator=(const MachineCycleArray &) = delete;

    // Stores the cycles into a fresh array that the record then points to. False when memory ran out or a
    // host copy failed: the copies already made are given back and the record keeps its own array.
    bool Store(MachineCycleList &cycles);

private:
    void GiveBackHandles(int count);

    OrvMachineRecord &m_record;
    OrvMachineCycle *m_fresh = nullptr;
    bool m_swapped = false;
    OrvMachineCycle *m_ownCycles = nullptr;
    int32_t m_ownCount = 0;
};
