# Helpers shared by the folder CMakeLists files.

# tessaly_add_subdirectories(<dir>...): adds the folders that have a
# CMakeLists.txt, so a subsystem joins the build by creating its own file.
function(tessaly_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# tessaly_add_library(<folder> SOURCES ... DEPENDS ...): the static library
# tessaly_<folder>; headers are included as "<folder>/Name.h" from src/.
function(tessaly_add_library folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(tessaly_${folder} STATIC ${ARG_SOURCES})
  target_include_directories(tessaly_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tessaly_${folder} PUBLIC ${ARG_DEPENDS})
endfunction()

# tessaly_add_test(<name> SOURCES ... DEPENDS ...): a GoogleTest program whose
# cases CTest lists one by one. Tests find their data through TESSALY_TEST_DATA.
function(tessaly_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TESSALY_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    TESSALY_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# tessaly_add_benchmark(<name> SOURCES ... DEPENDS ...)
function(tessaly_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE TESSALY_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/bench)
endfunction()

# tessaly_add_fuzzer(<name> SOURCES ... DEPENDS ...)
function(tessaly_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# The program directory of a build tree: `tessaly` and `tessaly-cli` sit in
# bin/ beside the shipped folders of data/, so a build runs as a portable
# unpack would. Folders without shipped files are still made (the program
# directory is recognised by its script/ folder).
set(TESSALY_SHIPPED_FOLDERS script lang)
set(TESSALY_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
function(tessaly_program_files)
  set(commands)
  foreach(folder IN LISTS TESSALY_SHIPPED_FOLDERS)
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSALY_PROGRAM_DIR}/${folder})
    if(EXISTS ${PROJECT_SOURCE_DIR}/data/${folder})
      list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_directory
           ${PROJECT_SOURCE_DIR}/data/${folder} ${TESSALY_PROGRAM_DIR}/${folder})
    endif()
  endforeach()
  add_custom_target(tessaly_program_files ALL ${commands} VERBATIM)
endfunction()

# tessaly_program_executable(<target>): one of the program's executables,
# placed in the build tree's program directory.
function(tessaly_program_executable target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSALY_PROGRAM_DIR})
  add_dependencies(${target} tessaly_program_files)
endfunction()
