#include "core/element_list_filler.h"

#include "core/host_callbacks.h"

#include <string>
#include <string_view>

namespace {
constexpr int kAttributeType = 12;
constexpr int kReadOnlyFilteredType = 15;
constexpr int kShiftType = 25;
constexpr const char *kDescriptionSeparator = "       - ";

int32_t TypeFilter(const int *types)
{
    int32_t filter = 0;
    for (const int *type = types; type && *type != -1; ++type)
        filter += Host().SetElementTypeFlags(1, *type);
    return filter;
}

// Calls `visit(element)` for each element the filter lets through, in the host's element order.
template <typename Visit> void ForEachFilteredElement(int32_t filter, Visit visit)
{
    const HostCallbacks &host = Host();
    int32_t **order = host.ElementOrderArray;
    if (!order || !*order)
        return;
    for (int index = host.FirstFilteredElement(0, filter); index >= 0;
         index = host.NextFilteredElement(0, filter, index + 1))
        visit((*order)[index]);
}

bool HasListedAttributeType(int32_t element, const int *attributeTypes)
{
    for (const int *type = attributeTypes; type && *type != -1; ++type)
        if (Host().IsAttributeType(element, *type))
            return true;
    return false;
}

bool Listed(int32_t element, const ElementListRequest &request)
{
    const HostCallbacks &host = Host();
    int type = host.GetElementType(element);
    if (type == kAttributeType && !HasListedAttributeType(element, request.attributeTypes))
        return false;
    if (type == kReadOnlyFilteredType && host.IsReadOnly(element) != request.readOnlyToMatch)
        return false;
    if (type == kAttributeType || type == kReadOnlyFilteredType || type == kShiftType)
        return request.allShifts || host.IsMainShift(element);
    return true;
}

struct ListText {
    std::string_view name;
    std::string_view description;
};

ListText SplitListText(const char *text)
{
    std::string_view all = text ? text : "";
    size_t bar = all.find('|');
    if (bar == std::string_view::npos)
        return {all, {}};
    return {all.substr(0, bar), all.substr(bar + 1)};
}

void AddEntry(HWND combo, const std::string &entry)
{
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}
} // namespace

void FillElementList(HWND combo, const ElementListRequest &request)
{
    const HostCallbacks &host = Host();
    std::string entry;
    std::string listText;
    ForEachFilteredElement(TypeFilter(request.types), [&](int32_t element) {
        if (!Listed(element, request))
            return;
        // The host's text is copied at once: its next answer may reuse the buffer.
        const char *hostText = host.GetListString(element);
        listText.assign(hostText ? hostText : "");
        ListText text = SplitListText(listText.c_str());
        std::string_view name = text.name;
        if (element == request.editedElement && request.editedName)
            name = request.editedName;
        auto describe = [&] {
            if (request.showDescription) {
                entry += kDescriptionSeparator;
                entry += text.description;
            }
        };
        int quantity = host.GetClassQuantity(element);
        if (quantity < 2 || !request.expandArrays) {
            entry.assign(name);
            describe();
            AddEntry(combo, entry);
            return;
        }
        for (int i = 1; i <= quantity; ++i) {
            entry.assign(name);
            entry += '(';
            entry += std::to_string(i);
            entry += ')';
            describe();
            AddEntry(combo, entry);
        }
    });
}

void FillMainShiftList(HWND combo)
{
    const HostCallbacks &host = Host();
    const int shiftTypes[] = {kShiftType, -1};
    ForEachFilteredElement(TypeFilter(shiftTypes), [&](int32_t element) {
        if (host.GetElementType(element) == kShiftType && host.IsMainShift(element))
            AddEntry(combo, std::string(SplitListText(host.GetListString(element)).name));
    });
}
