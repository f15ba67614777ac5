#include "core/labour_data.h"

#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"

IMPLEMENT_DYNAMIC(CLabourData, CObject)

CLabourData::CLabourData(int kind, int32_t element) : kind(kind), element(element)
{
    for (CString &text : texts)
        text = HostEmptyText();
}

CLabourData::~CLabourData()
{
    DeleteRuleHandle(labourRule, element, 0);
}

OrvLabourBlock CLabourData::MakeBlock(int32_t context) const
{
    OrvLabourBlock block{};
    block.labourRule = labourRule;
    WriteValues(block);
    block.context = context;
    return block;
}

void CLabourData::TakeBlock(const OrvLabourBlock &block)
{
    option = block.option;
    for (int i = 0; i < 3; ++i)
        texts[i] = ReadRecordText(block.texts[i]);
}

void CLabourData::TakeValues(const CLabourData &other)
{
    option = other.option;
    for (int i = 0; i < 3; ++i)
        texts[i] = other.texts[i];
}

void CLabourData::WriteValues(OrvLabourBlock &block) const
{
    block.option = option;
    for (int i = 0; i < 3; ++i)
        WriteRecordText(block.texts[i], texts[i]);
}
