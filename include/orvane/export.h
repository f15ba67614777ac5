/* How the libraries mark their exports, and the calling convention of every export and callback. */
#ifndef ORVANE_EXPORT_H
#define ORVANE_EXPORT_H

#if defined(_WIN32)
#  if defined(ORVANE_BUILDING_LIBRARY)
#    define ORVANE_EXPORT __declspec(dllexport)
#  else
#    define ORVANE_EXPORT
#  endif
#else
#  define ORVANE_EXPORT __attribute__((visibility("default")))
#endif

/* Every export and every host callback is a plain C function with the C calling convention. */
#if defined(__GNUC__) && defined(__i386__)
#  define ORVANE_CALL __attribute__((__cdecl__))
#elif defined(_M_IX86)
#  define ORVANE_CALL __cdecl
#else
#  define ORVANE_CALL
#endif

#endif
