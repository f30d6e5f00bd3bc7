# Helpers shared by every folder's CMakeLists. Sources are the folder's files, found by globbing,
# so that adding a file needs no edit here.

# quorin_library(<name> [PUBLIC_LIBS ...] [PRIVATE_LIBS ...] [EXTRA_SOURCES ...])
# One static library per folder, made of every .cpp in it. Headers are included as
# "<folder>/<file>.h" from platform/ ("rtl/Variant.h") or from the project root ("treelist/dxTL.h").
function(quorin_library name)
  cmake_parse_arguments(ARG "" "" "PUBLIC_LIBS;PRIVATE_LIBS;EXTRA_SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources} ${ARG_EXTRA_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# quorin_test(<name> LIBS ...)
# One test program per folder, made of every *Test.cpp in it; CTest runs the program as one test.
function(quorin_test name)
  cmake_parse_arguments(ARG "" "" "LIBS;EXTRA_SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  add_executable(${name} ${sources} ${ARG_EXTRA_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorin_test_support)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ENABLE_HIGHDPI_SCALING=0;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# quorin_bench(<name> LIBS ...)
# One benchmark program per folder of bench/, made of every .cpp in it.
function(quorin_bench name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bench)
endfunction()
