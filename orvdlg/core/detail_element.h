// The element whose detail sheet is open. Rows that the add/remove dialog makes know nothing of their sheet,
// yet their host calls (deleting a labour rule, say) name the element: they take it from here.
#pragma once
#include <cstdint>

int32_t DetailElement();

// Makes `element` the detail element while it lives; a sheet opened from inside another gives the outer
// one back when it ends.
class DetailElementScope {
public:
    explicit DetailElementScope(int32_t element);
    ~DetailElementScope();
    DetailElementScope(const DetailElementScope &) = delete;
    DetailElementScope &operator=(const DetailElementScope &) = delete;

private:
    int32_t m_previous;
};
