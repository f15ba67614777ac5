// The element-type name tables: 22 element types with their category and the host's display name for each.
// The host names them through its TypeName callback; the font chooser and the report selector list them.
#pragma once
#include <orvane/orvdlg.h>

#include <array>
#include <string>

struct ElementTypeName {
    int type;
    int category;
    std::string name;
};

class ElementTypeNames {
public:
    static constexpr int kCount = 22;
    using Table = std::array<ElementTypeName, kCount>;

    static ElementTypeNames &Instance();

    // Copies every name from the callback, unless the tables were filled already.
    void FillOnce(OrvTypeNameCallback typeName);
    bool Filled() const { return m_filled; }
    // The two tables hold the same pairs; each has its own copy of the names, as each of its readers may
    // change its own.
    const Table &First() const { return m_tables[0]; }
    const Table &Second() const { return m_tables[1]; }
    // Releases the names (shutdown).
    void Clear();

private:
    ElementTypeNames();
    std::array<Table, 2> m_tables;
    bool m_filled = false;
};
