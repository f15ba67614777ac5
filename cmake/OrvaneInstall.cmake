# What a host developer installs: headers, libraries, the reference host and a package config.
# The stand-in's headers stand for Windows' own: a Windows build installs none of them.
if(NOT WIN32)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/win32/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/include/orvane)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/orvane DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endif()

include(CMakePackageConfigHelpers)
set(ORVANE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Orvane)
install(EXPORT OrvaneTargets NAMESPACE Orvane:: DESTINATION ${ORVANE_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OrvaneConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneConfig.cmake INSTALL_DESTINATION ${ORVANE_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/OrvaneConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/OrvaneConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/OrvaneConfigVersion.cmake
  DESTINATION ${ORVANE_CMAKE_DIR})
