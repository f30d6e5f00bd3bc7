# Helpers shared by every folder's CMakeLists, and the table of what each library may use.
#
# Headers are included as "<folder>/<file>.h" ("rtl/Variant.h", "treelist/dxTL.h"), and the compiler
# refuses a header that a target may not use. No target has the source root or platform/ on its
# include path. Each folder has instead an include view in the build tree, include/<folder>/, that
# holds a single symbolic link, <folder>, to the folder's sources; a library carries its folder's
# view as a PUBLIC include path. So a target sees its own folder and the folders of the libraries it
# links, directly or through them, and nothing else. What a library may link is the table below:
# configuring refuses a library that links beyond it, so no view reaches further than the table.
# tests/boundaries reads the same table (a header made from it) and checks in the sources what the
# compiler cannot see: Qt, SQLite and libjpeg outside the platform, a folder's private headers
# (*_p.h) elsewhere, the platform's Qt seam (*Qt.h) above the platform, and the benchmarks.
#
# Test programs and benchmarks include what they link, their own tree (tests/ or bench/: the shared
# harnesses of tests/support, a folder's own kits, bench/support) and, through the view "tests", the
# harness headers as "tests/support/<file>.h".

# The libraries, bottom up, each with what it may use directly; what those use comes with them.
set(QUORIN_PLATFORM rtl classes settings data graphics windows controls printing)
set(QUORIN_LIBRARIES "")
macro(quorin_uses folder)
  list(APPEND QUORIN_LIBRARIES ${folder})
  set(QUORIN_USES_${folder} ${ARGN})
endmacro()
quorin_uses(rtl)
quorin_uses(classes rtl)
quorin_uses(settings rtl)
quorin_uses(data classes rtl)
quorin_uses(graphics classes rtl)
quorin_uses(windows graphics)
quorin_uses(printing graphics)
quorin_uses(controls windows data printing)
quorin_uses(editors ${QUORIN_PLATFORM})
quorin_uses(treelist editors)
quorin_uses(grid treelist)
quorin_uses(bars ${QUORIN_PLATFORM})
quorin_uses(sidebar ${QUORIN_PLATFORM})
quorin_uses(report ${QUORIN_PLATFORM})
quorin_uses(tools report grid bars sidebar settings)
quorin_uses(app report grid bars sidebar settings)

# quorin_allowed(<folder> <out-var>): the folder and every folder it may use, directly or not.
function(quorin_allowed folder out)
  set(allowed ${folder})
  set(pending ${folder})
  while(pending)
    list(POP_BACK pending next)
    foreach(used IN LISTS QUORIN_USES_${next})
      if(NOT used IN_LIST allowed)
        list(APPEND allowed ${used})
        list(APPEND pending ${used})
      endif()
    endforeach()
  endwhile()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

# quorin_include_view(<out-var> <name> <dir>): the include path under which <dir> is seen as
# "<name>/", and nothing else is.
function(quorin_include_view out name dir)
  set(view ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${dir} ${view}/${name} SYMBOLIC)
  set(${out} ${view} PARENT_SCOPE)
endfunction()

# quorin_folder(<target> <PUBLIC|PRIVATE>)
# Makes the target part of the library of the folder it is defined in: it sees that folder through
# its view, and quorin_check_links holds its links to the table.
function(quorin_folder target scope)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  if(NOT folder IN_LIST QUORIN_LIBRARIES)
    message(FATAL_ERROR "${folder} is not in the table of libraries of cmake/Quorin.cmake")
  endif()
  quorin_include_view(view ${folder} ${CMAKE_CURRENT_SOURCE_DIR})
  target_include_directories(${target} ${scope} ${view})
  set_target_properties(${target} PROPERTIES QUORIN_FOLDER ${folder})
  set_property(GLOBAL APPEND PROPERTY QUORIN_FOLDER_TARGETS ${target})
endfunction()

# quorin_check_links(): run once every library is defined. A library that links another library's
# target beyond what the table lets it use stops the configuration.
function(quorin_check_links)
  get_property(targets GLOBAL PROPERTY QUORIN_FOLDER_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(folder ${target} QUORIN_FOLDER)
    quorin_allowed(${folder} allowed)
    get_target_property(links ${target} LINK_LIBRARIES)
    foreach(link IN LISTS links)
      if(NOT TARGET ${link})
        continue()
      endif()
      get_target_property(used ${link} QUORIN_FOLDER)
      if(used AND NOT used IN_LIST allowed)
        list(JOIN allowed ", " names)
        message(FATAL_ERROR "${target} (${folder}) links ${link} (${used}); ${folder} may use only "
                            "${names} (cmake/Quorin.cmake)")
      endif()
    endforeach()
  endforeach()
endfunction()

# quorin_write_uses(<file>): the table as C++ initialisers, kPlatform and kUses, for the boundary
# test. The file is rewritten only when the table changes.
function(quorin_write_uses file)
  list(JOIN QUORIN_PLATFORM "\", \"" platform)
  set(rows "")
  foreach(folder IN LISTS QUORIN_LIBRARIES)
    list(JOIN QUORIN_USES_${folder} "\", \"" uses)
    if(uses)
      set(uses "\"${uses}\"")
    endif()
    string(APPEND rows "    {\"${folder}\", {${uses}}},\n")
  endforeach()
  string(CONCAT content
    "// Made by cmake/Quorin.cmake from its table of libraries; edit the table there.\n"
    "const TNames kPlatform = {\"${platform}\"};\n\n"
    "// What each library may include directly; what those use comes with them.\n"
    "const std::map<std::string, TNames> kUses = {\n${rows}};\n")
  file(CONFIGURE OUTPUT ${file} CONTENT "${content}" @ONLY)
endfunction()

# quorin_library(<name> [SOURCES ...] [PUBLIC_LIBS ...] [PRIVATE_LIBS ...] [EXTRA_SOURCES ...])
# One static library per folder, made of every .cpp in it, or of SOURCES where a folder holds more
# than one library.
function(quorin_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS;EXTRA_SOURCES" ${ARGN})
  set(sources ${ARG_SOURCES})
  if(NOT sources)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_library(${name} STATIC ${sources} ${ARG_EXTRA_SOURCES})
  quorin_folder(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# The variables every test runs with: Qt headless at a fixed 96 dpi, and the sanitizers' options.
set(QUORIN_TEST_ENVIRONMENT
    QT_QPA_PLATFORM=offscreen QT_ENABLE_HIGHDPI_SCALING=0
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1)

# quorin_test(<name> [ONE_TEST] [ENVIRONMENT <VAR=value> ...] LIBS ... [EXTRA_SOURCES ...])
# One test program per folder, made of every *Test.cpp in it, registered as one CTest test under its
# own name, and each of its cases also as a test of its own, named <Suite>.<Case> and labelled
# "case" and with the program's name: ctest lists the cases the program holds when it starts
# (GoogleTest's discovery, run with the program as built) and `ctest -R` reruns one. ONE_TEST
# leaves the cases unlisted, for cases that share a costly setup. ENVIRONMENT adds to or overrides
# QUORIN_TEST_ENVIRONMENT.
function(quorin_test name)
  cmake_parse_arguments(ARG "ONE_TEST" "" "LIBS;EXTRA_SOURCES;ENVIRONMENT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  add_executable(${name} ${sources} ${ARG_EXTRA_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorin_test_support)
  set(environment ${QUORIN_TEST_ENVIRONMENT} ${ARG_ENVIRONMENT})
  # The program as a whole is the test `make test` runs: one start of the sanitizers, Qt and the
  # fixtures for all its cases. Its cases are also listed one by one, labelled "case", so that ctest
  # names and reruns a single one; `make test` leaves those out (ctest -LE case).
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${name} ENVIRONMENT "${environment}")
  if(ARG_ONE_TEST)
    return()
  endif()
  # The discovered cases are known only when ctest runs, so their properties are set there too, by a
  # file ctest reads after the list of cases (a list value cannot pass through the discovery's own
  # PROPERTIES).
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_LIST ${name}_cases)
  set(properties ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  string(CONCAT content
    "if(${name}_cases)\n"
    "  set_tests_properties(\${${name}_cases} PROPERTIES LABELS \"case;${name}\"\n"
    "                       ENVIRONMENT [==[${environment}]==])\n"
    "endif()\n")
  file(CONFIGURE OUTPUT ${properties} CONTENT "${content}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties})
endfunction()

# quorin_harness_includes(<target>): the harness headers of tests/support, as "tests/support/<file>.h",
# for fuzz targets and benchmarks.
function(quorin_harness_includes target)
  quorin_include_view(view tests ${CMAKE_SOURCE_DIR}/tests)
  target_include_directories(${target} PRIVATE ${view})
endfunction()

# quorin_bench(<name> LIBS ...)
# One benchmark program per folder of bench/, made of every .cpp in it.
function(quorin_bench name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bench)
  quorin_harness_includes(${name})
endfunction()
