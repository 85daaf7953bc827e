# Installs the library, its public headers, the CLI and the package files
# that let consumers use find_package(tesvar CONFIG) or pkg-config.

include(CMakePackageConfigHelpers)

install(TARGETS tesvar
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

configure_file(cmake/tesvar.pc.in ${PROJECT_BINARY_DIR}/tesvar.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tesvar.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
