# GoogleTest for the Windows build, compiled from Debian's source package with the cross compiler.
# Its own warnings are not ours to fix. find_package(GTest) then finds these targets through a package
# configuration that only states they exist, so the test directories read the same on both builds.
set(ORVANE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS ${ORVANE_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found at ${ORVANE_GOOGLETEST_SOURCE}: install googletest (scripts/setup --windows)")
endif()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${ORVANE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(target gtest gtest_main gmock gmock_main)
  if(TARGET ${target})
    target_compile_options(${target} PRIVATE -w -Wno-error)
  endif()
endforeach()
set(gtest_config_dir ${CMAKE_BINARY_DIR}/googletest-config)
file(WRITE ${gtest_config_dir}/GTestConfig.cmake
     "# GTest::gtest and GTest::gtest_main are built from source by this project (cmake/OrvaneGoogleTestFromSource.cmake).\n")
set(GTest_DIR ${gtest_config_dir} CACHE PATH "" FORCE)
