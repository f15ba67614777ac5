#include "fake_model.h"

FakeElement &FakeModel::Add(FakeElement element)
{
    m_byNumber[element.number] = m_elements.size();
    m_order.push_back(element.number);
    m_orderPointer = m_order.data();
    m_elements.push_back(std::move(element));
    return m_elements.back();
}

const FakeElement *FakeModel::Find(int32_t number) const
{
    auto found = m_byNumber.find(number);
    return found == m_byNumber.end() ? nullptr : &m_elements[found->second];
}

const FakeElement *FakeModel::FindByName(const std::string &name) const
{
    for (const FakeElement &e : m_elements)
        if (e.listText.substr(0, e.listText.find('|')) == name)
            return &e;
    return nullptr;
}

int FakeModel::NextFiltered(int32_t filter, int start) const
{
    for (int i = start < 0 ? 0 : start; i < static_cast<int>(m_elements.size()); ++i)
        if (TypeBit(m_elements[static_cast<size_t>(i)].type) & filter)
            return i;
    return -1;
}
