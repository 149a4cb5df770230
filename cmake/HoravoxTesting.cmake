# SPDX-FileCopyrightText: 2026 The Horavox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# horavox_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable registered with CTest. Each test process makes its own
# temporary XDG folders and picks the offscreen platform (tests/support/test_main.h),
# so the environment below is only a second line of defence for child processes.
function(horavox_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(${name} PRIVATE Qt6::Test Qt6::Widgets ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()
