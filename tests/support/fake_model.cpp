#include "fake_model.h"

FakeElement &FakeModel::Add(FakeElement element)
{
    m_elements.push_back(std::move(element));
    RebuildOrder();
    return m_elements.back();
}

void FakeModel::RebuildOrder()
{
    m_order.clear();
    for (const FakeElement &e : m_elements)
        m_order.push_back(e.number);
    m_orderPointer = m_order.data();
}

const FakeElement *FakeModel::Find(int32_t number) const
{
    for (const FakeElement &e : m_elements)
        if (e.number == number)
            return &e;
    return nullptr;
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
