#include "core/detail_element.h"

namespace {
int32_t g_detailElement = 0;
}

int32_t DetailElement() { return g_detailElement; }

DetailElementScope::DetailElementScope(int32_t element) : m_previous(g_detailElement) { g_detailElement = element; }

DetailElementScope::~DetailElementScope() { g_detailElement = m_previous; }
