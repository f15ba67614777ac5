// CLabourData: a page's own copy of a labour block (the labour rule handle, its option and three texts),
// for rows such as machine cycles, setups and breakdowns that keep one each. The host's labour rule editor
// is fed a block made from it and, when the modeller confirms, the copy takes the block's values back.
#pragma once
#include <framework/framework.h>
#include <orvane/records/labour_block.h>

#include <cstdint>

class CLabourData : public CObject {
    DECLARE_DYNAMIC(CLabourData)
public:
    // The texts start as the host's message 65.
    CLabourData(int kind, int32_t element);
    // Deletes the labour rule, when there is one, through the host (DeleteRule with kind 0).
    ~CLabourData() override;
    CLabourData(const CLabourData &) = delete;
    CLabourData &operator=(const CLabourData &) = delete;

    // The block handed to the editor: this copy's handle, option and texts, and the element's context word.
    OrvLabourBlock MakeBlock(int32_t context) const;
    // The modeller confirmed the editor: the option and the texts come from the block (bounded reads).
    void TakeBlock(const OrvLabourBlock &block);
    // The option and the texts of another copy (not its handle).
    void TakeValues(const CLabourData &other);
    // Writes the option and the texts into a record's block (not the handle).
    void WriteValues(OrvLabourBlock &block) const;

    int kind;
    int32_t element;
    int32_t labourRule = -1;
    int32_t option = 0;
    CString texts[3];
};
