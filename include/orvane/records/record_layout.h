/* Shared by the record headers: a compile-time check that a field sits at the offset hosts rely on. */
#ifndef ORVANE_RECORD_LAYOUT_H
#define ORVANE_RECORD_LAYOUT_H

#include <stddef.h>
#include <stdint.h>

#include "orvane/export.h"

#ifdef __cplusplus
#define ORV_ASSERT_OFFSET(type, field, offset) \
    static_assert(offsetof(type, field) == (offset), #type "." #field " must sit at offset " #offset)
#define ORV_ASSERT_SIZE(type, size) static_assert(sizeof(type) == (size), #type " must be " #size " bytes")
#else
#define ORV_ASSERT_OFFSET(type, field, offset) \
    _Static_assert(offsetof(type, field) == (offset), #type "." #field " must sit at offset " #offset)
#define ORV_ASSERT_SIZE(type, size) _Static_assert(sizeof(type) == (size), #type " must be " #size " bytes")
#endif

#endif
