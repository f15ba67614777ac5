// The fake host's model: a handful of elements with the properties the library asks about, in display order.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct FakeElement {
    int32_t number = 0;
    int type = 0;
    std::string listText; // "NAME" or "NAME|description"
    int quantity = 1;
    bool mainShift = true;
    int attributeType = 0;
    int readOnly = 0;
    bool validModuleIO = false;
    bool vessel = false;
};

class FakeModel {
public:
    FakeElement &Add(FakeElement element);
    const FakeElement *Find(int32_t number) const;
    const FakeElement *FindByName(const std::string &name) const;
    const std::vector<FakeElement> &Elements() const { return m_elements; }

    // The host's element order: element number = array[index]. The library keeps the address of the pointer.
    int32_t **OrderArrayAddress() { return &m_orderPointer; }
    static int32_t TypeBit(int type) { return static_cast<int32_t>(1u << (type & 31)); }
    // The first index at or after `start` whose element's type is in `filter`, or -1.
    int NextFiltered(int32_t filter, int start) const;

private:
    std::vector<FakeElement> m_elements;
    std::unordered_map<int32_t, size_t> m_byNumber; // element number -> position in m_elements
    std::vector<int32_t> m_order;
    int32_t *m_orderPointer = nullptr;
};
