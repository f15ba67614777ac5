# Every target of the project is 32-bit x86: host records hold 32-bit pointers at fixed offsets.
# The flags live here so that no command line has to remember them.
# The Windows build's toolchain file (cmake/toolchain-mingw-i686.cmake) targets 32-bit Windows itself.
if(NOT WIN32)
  if(NOT CMAKE_SIZEOF_VOID_P OR CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CMAKE_C_FLAGS "${CMAKE_C_FLAGS} -m32")
    set(CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS} -m32")
    set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -m32")
    set(CMAKE_SHARED_LINKER_FLAGS "${CMAKE_SHARED_LINKER_FLAGS} -m32")
    set(CMAKE_MODULE_LINKER_FLAGS "${CMAKE_MODULE_LINKER_FLAGS} -m32")
  endif()
  set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
  set(CMAKE_SYSTEM_PROCESSOR i686)
  list(PREPEND CMAKE_PREFIX_PATH /usr/lib/i386-linux-gnu/cmake)
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(ENV{PKG_CONFIG_PATH} "/usr/lib/i386-linux-gnu/pkgconfig")
endif()

# Warnings are errors everywhere.
add_compile_options(-Wall -Wextra -Werror -Wno-unused-parameter)

if(ORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A library that FreeLibrary releases for the last time is unloaded, as on Windows. GCC's unique symbols
# (statics of inline functions and templates) would pin a library in memory for ever.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT WIN32)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-gnu-unique>)
endif()
