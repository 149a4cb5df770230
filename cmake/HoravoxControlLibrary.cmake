# SPDX-FileCopyrightText: 2026 The Horavox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# horavox_add_control_library(<target>
#     PACKAGE <Name>                 find_package() name and target namespace
#     VERSION <major.minor.patch>    library and package version; the major is the SOVERSION
#     SOURCES <files...>             sources and private headers
#     PUBLIC_HEADERS <files...>      the headers installed, in include/<target>
#     [DESIGNER_SOURCES <files...>]) sources of the Qt Designer plugin
#
# One widget library the way every control of this project is made: a shared
# library with hidden symbols and a generated <target>_export.h (macro
# <TARGET>_EXPORT), its headers and the CMake package <Name> (find_package(<Name>)
# gives <Name>::<target>), and the Designer plugin <target>_designer, built into
# a folder named "designer" as Designer looks for it.
#
# HORAVOX_DESIGNER_PLUGINS decides for all of them: AUTO builds the plugins
# where the UiPlugin headers are found (all a plugin needs; Debian's full
# Designer package also wants the OpenGL development files), ON insists on
# them, OFF leaves them out. They install into HORAVOX_DESIGNER_PLUGIN_DIR,
# relative to the prefix, and find their libraries from there.

include_guard(GLOBAL)
include(CMakePackageConfigHelpers)
include(GenerateExportHeader)
include(GNUInstallDirs)

set(HORAVOX_DESIGNER_PLUGINS AUTO CACHE STRING "Build the Qt Designer plugins of the widget libraries: AUTO, ON or OFF")
set_property(CACHE HORAVOX_DESIGNER_PLUGINS PROPERTY STRINGS AUTO ON OFF)
set(HORAVOX_DESIGNER_PLUGIN_DIR "${QT6_INSTALL_PLUGINS}/designer"
    CACHE PATH "Where the Qt Designer plugins are installed, relative to the prefix")

if(HORAVOX_DESIGNER_PLUGINS STREQUAL "OFF")
  set(_horavox_designer OFF)
elseif(TARGET Qt6::UiPlugin)
  set(_horavox_designer ON)
elseif(HORAVOX_DESIGNER_PLUGINS STREQUAL "ON")
  message(FATAL_ERROR "HORAVOX_DESIGNER_PLUGINS is ON, but Qt6 UiPlugin was not found")
else()
  set(_horavox_designer OFF)
endif()

get_filename_component(_horavox_controls_dir "${CMAKE_CURRENT_LIST_DIR}/../controls" ABSOLUTE)

function(horavox_add_control_library target)
  cmake_parse_arguments(ARG "" "PACKAGE;VERSION" "SOURCES;PUBLIC_HEADERS;DESIGNER_SOURCES" ${ARGN})
  if(NOT ARG_PACKAGE OR NOT ARG_VERSION OR NOT ARG_PUBLIC_HEADERS)
    message(FATAL_ERROR "horavox_add_control_library(${target}): PACKAGE, VERSION and PUBLIC_HEADERS are required")
  endif()
  string(TOUPPER ${target} base)
  string(REGEX MATCH "^[0-9]+" soversion ${ARG_VERSION})
  set(include_dir ${CMAKE_INSTALL_INCLUDEDIR}/${target})
  set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${ARG_PACKAGE})
  set(export_header ${CMAKE_CURRENT_BINARY_DIR}/${target}_export.h)

  add_library(${target} SHARED ${ARG_SOURCES} ${ARG_PUBLIC_HEADERS})
  generate_export_header(${target} BASE_NAME ${base} EXPORT_FILE_NAME ${export_header})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
    $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>
    $<INSTALL_INTERFACE:${include_dir}>)
  target_link_libraries(${target} PUBLIC Qt6::Widgets)
  set_target_properties(${target} PROPERTIES VERSION ${ARG_VERSION} SOVERSION ${soversion}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

  install(TARGETS ${target} EXPORT ${ARG_PACKAGE}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${include_dir})
  install(FILES ${ARG_PUBLIC_HEADERS} ${export_header} DESTINATION ${include_dir})
  install(EXPORT ${ARG_PACKAGE}Targets NAMESPACE ${ARG_PACKAGE}:: DESTINATION ${package_dir})
  # The template reads CONTROL_PACKAGE.
  set(CONTROL_PACKAGE ${ARG_PACKAGE})
  configure_package_config_file(${_horavox_controls_dir}/ControlLibraryConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${ARG_PACKAGE}Config.cmake
    INSTALL_DESTINATION ${package_dir})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${ARG_PACKAGE}ConfigVersion.cmake
    VERSION ${ARG_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ARG_PACKAGE}Config.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/${ARG_PACKAGE}ConfigVersion.cmake
    DESTINATION ${package_dir})

  if(NOT ARG_DESIGNER_SOURCES OR NOT _horavox_designer)
    return()
  endif()
  set(plugin ${target}_designer)
  add_library(${plugin} MODULE ${ARG_DESIGNER_SOURCES}
    ${_horavox_controls_dir}/designer/control_designer_plugin.cpp
    ${_horavox_controls_dir}/designer/control_designer_plugin.h)
  target_include_directories(${plugin} PRIVATE ${_horavox_controls_dir}/designer)
  target_link_libraries(${plugin} PRIVATE ${target} Qt6::UiPlugin Qt6::Widgets)
  # Installed among Qt's plugins, the module still has to find the library in
  # this project's library folder.
  file(RELATIVE_PATH plugin_to_lib
    "${CMAKE_INSTALL_PREFIX}/${HORAVOX_DESIGNER_PLUGIN_DIR}"
    "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}")
  set_target_properties(${plugin} PROPERTIES
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/designer
    INSTALL_RPATH "$ORIGIN/${plugin_to_lib}")
  install(TARGETS ${plugin}
    LIBRARY DESTINATION ${HORAVOX_DESIGNER_PLUGIN_DIR}
    RUNTIME DESTINATION ${HORAVOX_DESIGNER_PLUGIN_DIR})
endfunction()
