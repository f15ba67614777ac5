# Resource scripts are compiled by the Windows resource compiler into the standard .res format;
# on Linux our converter turns the .res into a table linked into the module. The Windows build links
# the compiled resources into the module directly, where FindResource finds them.
find_program(ORVANE_WINDRES NAMES i686-w64-mingw32-windres REQUIRED)

# orvane_add_resources(<target> <script.rc> [INCLUDE_DIRS dir...])
# Compiles the script with windres, converts the .res with rescvt and adds the generated table
# to <target>. The preprocessor writes a depfile, so editing a header the script includes
# recompiles the script.
function(orvane_add_resources target script)
  cmake_parse_arguments(ARG "" "" "INCLUDE_DIRS" ${ARGN})
  get_filename_component(name ${script} NAME_WE)
  get_filename_component(script_abs ${script} ABSOLUTE)
  get_filename_component(script_dir ${script_abs} DIRECTORY)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res)
  set(dep ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res.d)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}_res.cpp)
  # On Windows the scripts see the compiler's own headers, as the code does.
  if(WIN32)
    set(includes -I${script_dir} -I${PROJECT_SOURCE_DIR}/include)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res.obj)
    set(format coff)
    set(preprocessor --preprocessor=${CMAKE_C_COMPILER} --preprocessor-arg=-E --preprocessor-arg=-xc)
  else()
    set(includes -I${script_dir} -I${PROJECT_SOURCE_DIR}/win32/include -I${PROJECT_SOURCE_DIR}/include)
    set(format res)
    set(preprocessor --preprocessor=cpp)
  endif()
  foreach(dir ${ARG_INCLUDE_DIRS})
    get_filename_component(dir_abs ${dir} ABSOLUTE)
    list(APPEND includes -I${dir_abs})
  endforeach()
  add_custom_command(
    OUTPUT ${res}
    COMMAND ${ORVANE_WINDRES} ${preprocessor}
            --preprocessor-arg=-DRC_INVOKED
            --preprocessor-arg=-MD --preprocessor-arg=-MF${dep} --preprocessor-arg=-MT${res}
            ${includes} -O ${format} ${script_abs} ${res}
    DEPENDS ${script_abs}
    DEPFILE ${dep}
    COMMENT "Compiling resources ${name}.rc"
    VERBATIM)
  if(WIN32)
    target_sources(${target} PRIVATE ${res})
    return()
  endif()
  add_custom_command(
    OUTPUT ${cpp}
    COMMAND rescvt ${res} ${cpp}
    DEPENDS ${res} rescvt
    COMMENT "Converting ${name}.res"
    VERBATIM)
  target_sources(${target} PRIVATE ${cpp})
endfunction()
