# Distribution: the imaging layer as a CMake package for other projects, and
# a Debian package of the two programs. Tests of both carry the label
# "package" (ctest -LE package leaves them out).

# ---- The CMake package: find_package(charart) gives charart::imaging and
# charart::engine, with charart::values and charart::platform below them.
# Installed as the component "Development":
#   cmake --install build --component Development --prefix DIR
include(CMakePackageConfigHelpers)
set(CHARART_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/charart)
set(CHARART_LIBRARIES charart_platform charart_values charart_imaging charart_engine)
foreach(library IN LISTS CHARART_LIBRARIES)
  string(REPLACE "charart_" "" exportName ${library})
  set_target_properties(${library} PROPERTIES EXPORT_NAME ${exportName})
endforeach()

install(TARGETS ${CHARART_LIBRARIES} EXPORT charartTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
foreach(layer platform values imaging engine)
  install(DIRECTORY ${layer}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/charart/${layer}
          COMPONENT Development FILES_MATCHING PATTERN "*.h")
endforeach()
install(EXPORT charartTargets NAMESPACE charart:: DESTINATION ${CHARART_CMAKE_DIR}
        COMPONENT Development)
configure_package_config_file(cmake/charartConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/charartConfig.cmake INSTALL_DESTINATION ${CHARART_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/charartConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/charartConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/charartConfigVersion.cmake
        DESTINATION ${CHARART_CMAKE_DIR} COMPONENT Development)

# ---- The .deb (cpack -G DEB in the build directory): both programs, the
# font alias and the desktop entry, i.e. every install rule outside the
# Development component. The programs find the alias at ../share/charart
# from their own directory, wherever the package puts them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME charart)
set(CPACK_PACKAGE_VENDOR charart)
set(CPACK_PACKAGE_CONTACT "charart maintainers <maintainers@charart.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a line of text into character art")
set(CPACK_PACKAGE_DESCRIPTION
    "charart renders one line of text in 宋体 at 12 pixels and prints every pixel as a \
filled or hollow symbol: the window program charart and charart-cli for scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# libgdiplus is opened at run time and the face behind 宋体 is data, so no
# library scan finds them. dpkg-shlibdeps (dpkg-dev) adds the libraries the
# programs link, Qt 6 and fontconfig among them, with their versions;
# without it they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgdiplus, fonts-arphic-uming")
find_program(CHARART_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CHARART_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libqt6core6, libqt6gui6, libqt6widgets6, libfontconfig1, libstdc++6")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};charart;Unspecified;/")
include(CPack)

# ---- Their tests: the .deb unpacked into a temporary root runs there, and a
# small project builds against the installed CMake package and runs.
if(CHARART_BUILD_TESTS AND TARGET charart-cli AND TARGET charart)
  add_test(NAME package.DebInstallsAndRuns
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/deb_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME package.ConsumerBuildsAgainstTheInstalledPackage
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/consumer_test.sh ${CMAKE_BINARY_DIR}
                   ${PROJECT_SOURCE_DIR}/tests/fixtures/consumer ${CMAKE_CXX_COMPILER})
  set_tests_properties(package.DebInstallsAndRuns package.ConsumerBuildsAgainstTheInstalledPackage
                       PROPERTIES LABELS package TIMEOUT 600)
endif()
