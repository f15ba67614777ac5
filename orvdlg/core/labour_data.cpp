#include "core/labour_data.h"

#include "core/handle_copies.h"
#include "core/host_callbacks.h"
#include "core/record_text.h"

IMPLEMENT_DYNAMIC(CLabourData, CObject)

namespace {
constexpr int kNoTextGroup = 65;

CString DefaultLabourText()
{
    const char *text = Host().Message ? Host().Message(kNoTextGroup, 0) : nullptr;
    return text ? CString(text) : CString();
}
} // namespace

CLabourData::CLabourData(int kind, int32_t element) : kind(kind), element(element)
{
    for (CString &text : texts)
        text = DefaultLabourText();
}

CLabourData::~CLabourData()
{
    DeleteRuleHandle(labourRule, element, 0);
}

OrvLabourBlock CLabourData::MakeBlock(int32_t context) const
{
    OrvLabourBlock block{};
    block.labourRule = labourRule;
    block.option = option;
    for (int i = 0; i < 3; ++i)
        WriteRecordText(block.texts[i], texts[i]);
    block.context = context;
    return block;
}

void CLabourData::TakeBlock(const OrvLabourBlock &block)
{
    option = block.option;
    for (int i = 0; i < 3; ++i)
        texts[i] = ReadRecordText(block.texts[i]);
}
