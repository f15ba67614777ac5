// CPartRouteData: one stage of a part's route, named by its stage number: where the part goes next and
// the R_SETUP and R_CYCLE texts. A new stage ships the part, with both texts "0".
#pragma once
#include "core/add_remove_object.h"

#include <orvane/records/part.h>

#include <memory>

class CPartRouteData : public CAddRemoveObject {
    DECLARE_DYNCREATE(CPartRouteData)
public:
    CPartRouteData();

    static std::unique_ptr<CPartRouteData> CopyOf(const CPartRouteData &source);
    // The stage of a record (its description is set from its position by the list).
    static std::unique_ptr<CPartRouteData> FromRecord(const OrvRouteStage &stage);
    // The three texts; the host fills the two values.
    bool StoreInto(OrvRouteStage &stage) const;

    CString m_destination;
    CString m_setupText;
    CString m_cycleText;
};
