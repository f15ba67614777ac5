#include "core/element_type_names.h"

namespace {
struct TypeAndCategory {
    int type;
    int category;
};
constexpr TypeAndCategory kTypes[ElementTypeNames::kCount] = {
    {1, 5},  {4, 5},  {2, 5},  {3, 5},  {6, 5},  {7, 5},  {5, 5},  {27, 5}, {19, 4}, {22, 4}, {21, 4},
    {20, 4}, {12, 1}, {11, 5}, {10, 1}, {13, 5}, {8, 5},  {9, 5},  {14, 1}, {15, 1}, {25, 7}, {26, 5},
};
} // namespace

ElementTypeNames &ElementTypeNames::Instance()
{
    static ElementTypeNames names;
    return names;
}

ElementTypeNames::ElementTypeNames()
{
    for (Table &table : m_tables)
        for (int i = 0; i < kCount; ++i)
            table[i] = {kTypes[i].type, kTypes[i].category, {}};
}

void ElementTypeNames::FillOnce(OrvTypeNameCallback typeName)
{
    if (m_filled || !typeName)
        return;
    for (int i = 0; i < kCount; ++i) {
        const char *name = typeName(kTypes[i].type);
        for (Table &table : m_tables)
            table[i].name = name ? name : "";
    }
    m_filled = true;
}

void ElementTypeNames::Clear()
{
    for (Table &table : m_tables)
        for (ElementTypeName &entry : table)
            std::string().swap(entry.name);
    m_filled = false;
}
