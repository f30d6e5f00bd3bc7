# Stored window layouts embedded in the program. quorin_layouts(<target> <dir>) turns every
# <dir>/*.layout into a byte array of a generated source, registered at start-up under its module
# name (the file name without ".layout"), so that FindLayout("<Module>") answers the text.
# Run with -P, this same file writes that generated source.

if(CMAKE_SCRIPT_MODE_FILE)
  string(REPLACE "|" ";" files "${QUORIN_LAYOUT_FILES}")
  set(arrays "")
  set(calls "")
  set(n 0)
  foreach(file IN LISTS files)
    get_filename_component(module "${file}" NAME_WLE)
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char kLayout${n}[] = {${bytes}0};\n")
    string(APPEND calls "  RegisterLayout(\"${module}\", kLayout${n}, ${size});\n")
    math(EXPR n "${n} + 1")
  endforeach()
  file(WRITE "${QUORIN_LAYOUT_OUTPUT}"
    "// Generated at build time from the stored layouts; edit the .layout files instead.\n"
    "#include \"classes/Layouts.h\"\n\nnamespace {\n\n${arrays}\n"
    "[[maybe_unused]] const bool kRegistered = [] {\n${calls}  return true;\n}();\n\n}  // namespace\n")
  return()
endif()

set(QUORIN_LAYOUTS_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

# quorin_layouts(<target> <dir>)
# The target links quorin_classes. Give it to an executable: a static library's linker may drop
# the generated object, whose only effect is the registration.
function(quorin_layouts target dir)
  get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB layouts CONFIGURE_DEPENDS ${dir}/*.layout)
  list(SORT layouts)
  string(REPLACE ";" "|" joined "${layouts}")
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_layouts.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DQUORIN_LAYOUT_OUTPUT=${output} -DQUORIN_LAYOUT_FILES=${joined}
            -P ${QUORIN_LAYOUTS_SCRIPT}
    DEPENDS ${layouts} ${QUORIN_LAYOUTS_SCRIPT}
    COMMENT "Embedding the stored layouts of ${dir}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
