#include "core/summary_rows.h"

#include "core/resource_text.h"

#include <resource.h>

void SummaryRows::Add(std::initializer_list<CString> fields)
{
    bool first = true;
    for (const CString &field : fields) {
        if (!first)
            m_text += "|";
        m_text += field;
        first = false;
    }
    m_text += "?";
}

CString YesIfSet(int handle) { return ResourceText(handle != -1 ? IDS_YES : IDS_NO); }
