# The Windows build (cmake/toolchain-mingw-i686.cmake): the same sources as 32-bit Windows DLLs and EXEs,
# run under Wine. The stand-in is not built here: target win32 stands for the system's own libraries.
if(ORVANE_SANITIZE)
  message(FATAL_ERROR "the sanitizers are not available for the Windows build")
endif()

# LoadLibraryA("x.dll") finds x.dll here and libx.so on the stand-in.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_SHARED_MODULE_PREFIX "")
set(CMAKE_IMPORT_LIBRARY_PREFIX "")

include(OrvaneGoogleTestFromSource)

# Programs run under Wine through scripts/wine-run, which keeps one prefix per build directory (made on
# first use, with Wine's null display driver: no X server is involved) and one wineserver for all tests.
set(ORVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "The Wine prefix the build's programs run in")
set(ORVANE_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run ${ORVANE_WINE_PREFIX})
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_EMULATOR})

# Every shared library of the project builds its exports: ORVANE_EXPORT (include/orvane/export.h) is
# dllexport there. Applied to the whole tree once it is read, so a new library needs no line of its own.
function(orvane_mark_library_builds dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
      target_compile_definitions(${target} PRIVATE ORVANE_BUILDING_LIBRARY)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    orvane_mark_library_builds(${subdir})
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL orvane_mark_library_builds ${PROJECT_SOURCE_DIR})
