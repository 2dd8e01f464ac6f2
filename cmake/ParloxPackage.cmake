# The installed package: the libraries, their headers under include/Parlox/, a CMake package
# (find_package(Parlox) gives Parlox:: targets) and a pkg-config file.
include(CMakePackageConfigHelpers)

set(parlox_libraries parloxformat parloxexchange parloxplatform parlox parloxdesign)
set(parlox_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Parlox)

install(TARGETS ${parlox_libraries} EXPORT ParloxTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
foreach(library IN LISTS parlox_libraries)
  get_target_property(headers ${library} PARLOX_HEADERS)
  get_target_property(header_dir ${library} PARLOX_HEADER_DIR)
  get_target_property(source_dir ${library} SOURCE_DIR)
  list(TRANSFORM headers PREPEND ${source_dir}/)
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${header_dir})
endforeach()

install(EXPORT ParloxTargets NAMESPACE Parlox:: DESTINATION ${parlox_cmake_dir})
configure_package_config_file(cmake/ParloxConfig.cmake.in
  ${PROJECT_BINARY_DIR}/ParloxConfig.cmake INSTALL_DESTINATION ${parlox_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/ParloxConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/ParloxConfig.cmake ${PROJECT_BINARY_DIR}/ParloxConfigVersion.cmake
  DESTINATION ${parlox_cmake_dir})

# The prefix is found from the file's own place, so the package works wherever it is installed
# (cmake --install --prefix), not only where the build was configured for.
file(RELATIVE_PATH parlox_pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/parlox.pc.in ${PROJECT_BINARY_DIR}/parlox.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/parlox.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
