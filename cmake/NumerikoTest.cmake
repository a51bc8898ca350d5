# numeriko_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds one QtTest executable and registers it with CTest, headless: every
# test runs on Qt's offscreen platform, so a plain `ctest` needs no display.
function(numeriko_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES MACOSX_BUNDLE OFF WIN32_EXECUTABLE OFF)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
               QT_QPA_PLATFORM=offscreen)
endfunction()
