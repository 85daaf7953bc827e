# Installs the shared and the static library, their public headers, the
# CLI, the licence and the package files that let consumers use
# find_package(tesvar CONFIG) (targets tesvar::tesvar, shared, and
# tesvar::tesvar_static) or pkg-config (tesvar.pc for the shared library,
# tesvar-static.pc for the static one).

include(CMakePackageConfigHelpers)

install(TARGETS ${tesvar_libraries}
  EXPORT tesvarTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/tesvar
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(FILES ${PROJECT_BINARY_DIR}/include/tesvar/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tesvar)

set(TESVAR_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tesvar)
install(EXPORT tesvarTargets
  NAMESPACE tesvar::
  DESTINATION ${TESVAR_CMAKE_DIR})
export(EXPORT tesvarTargets
  NAMESPACE tesvar::
  FILE ${PROJECT_BINARY_DIR}/tesvarTargets.cmake)

configure_package_config_file(cmake/tesvarConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tesvarConfig.cmake
  INSTALL_DESTINATION ${TESVAR_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tesvarConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/tesvarConfig.cmake
  ${PROJECT_BINARY_DIR}/tesvarConfigVersion.cmake
  DESTINATION ${TESVAR_CMAKE_DIR})

# The .pc file finds the prefix relative to its own place, so that it stays
# right for "cmake --install --prefix" and for relocated installs.
foreach(kind LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
    set(TESVAR_PC_${kind} "${CMAKE_INSTALL_${kind}}")
  else()
    set(TESVAR_PC_${kind} "\${prefix}/${CMAKE_INSTALL_${kind}}")
  endif()
endforeach()
file(RELATIVE_PATH TESVAR_PC_TO_PREFIX
  /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" TESVAR_PC_TO_PREFIX "${TESVAR_PC_TO_PREFIX}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(TESVAR_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  set(TESVAR_PC_PREFIX "\${pcfiledir}/${TESVAR_PC_TO_PREFIX}")
endif()
list(GET tesvar_libraries -1 static_library)  # the static one comes last
set(TESVAR_PC_STATIC_ARCHIVE $<TARGET_FILE_NAME:${static_library}>)
# Users of the DLL import its symbols (see tesvar/export.h).
if(WIN32)
  set(TESVAR_PC_SHARED_CFLAGS " -DTESVAR_USING_SHARED")
endif()
foreach(pc tesvar tesvar-static)
  configure_file(cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc.in @ONLY)
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/${pc}.pc
    INPUT ${PROJECT_BINARY_DIR}/${pc}.pc.in)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page of the command line.
install(FILES doc/tesvar.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
