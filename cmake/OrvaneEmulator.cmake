# Some x86-64 kernels run without 32-bit support. There every 32-bit program the build makes (the resource
# converter, the tests, the benchmarks) runs under the user-mode emulator qemu-i386, which CMake and CTest use
# through CMAKE_CROSSCOMPILING_EMULATOR. LeakSanitizer cannot stop the world under the emulator, so leak
# detection is off in the sanitizer runs there.
set(ORVANE_EMULATOR "" CACHE STRING "Command that runs the project's 32-bit programs (empty: run them directly)")
if(NOT ORVANE_EMULATOR_CHECKED)
  set(probe_dir ${CMAKE_BINARY_DIR}/CMakeFiles/orvane_probe)
  file(WRITE ${probe_dir}/probe.c "int main(void) { return sizeof(void *) == 4 ? 0 : 1; }\n")
  try_run(run_result compile_result ${probe_dir}/build ${probe_dir}/probe.c
          CMAKE_FLAGS "-DCMAKE_C_FLAGS=-m32" "-DCMAKE_EXE_LINKER_FLAGS=-m32")
  if(NOT compile_result)
    message(FATAL_ERROR "cannot build 32-bit programs: install g++-multilib (scripts/setup)")
  endif()
  if(NOT run_result EQUAL 0)
    find_program(QEMU_I386 qemu-i386)
    if(NOT QEMU_I386)
      message(FATAL_ERROR "this kernel does not run 32-bit programs and qemu-i386 is missing: install qemu-user (scripts/setup)")
    endif()
    set(ORVANE_EMULATOR "${QEMU_I386};-L;/" CACHE STRING "" FORCE)
    message(STATUS "32-bit programs run under ${QEMU_I386}")
  endif()
  set(ORVANE_EMULATOR_CHECKED ON CACHE INTERNAL "")
endif()
if(ORVANE_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_EMULATOR})
endif()
