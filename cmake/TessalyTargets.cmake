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
