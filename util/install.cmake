# Installing libtolva_util for other programs: the library, its headers, a CMake
# package (find_package(tolva_util) gives tolva::util) and a pkg-config file.
# Everything belongs to the component "tolva_util", so
#   cmake --install <build> --component tolva_util
# installs the library alone, without the program.
include(CMakePackageConfigHelpers)

set(TOLVA_UTIL_COMPONENT tolva_util)
set(TOLVA_UTIL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tolva_util)
set(TOLVA_UTIL_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set_target_properties(tolva_util PROPERTIES EXPORT_NAME util)

install(TARGETS tolva_util EXPORT tolva_utilTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${TOLVA_UTIL_COMPONENT}
        NAMELINK_COMPONENT ${TOLVA_UTIL_COMPONENT}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${TOLVA_UTIL_COMPONENT}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${TOLVA_UTIL_COMPONENT})
install(DIRECTORY include/tolva DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT ${TOLVA_UTIL_COMPONENT})

install(EXPORT tolva_utilTargets
    NAMESPACE tolva::
    FILE tolva_utilTargets.cmake
    DESTINATION ${TOLVA_UTIL_CMAKE_DIR}
    COMPONENT ${TOLVA_UTIL_COMPONENT})

get_target_property(TOLVA_UTIL_VERSION tolva_util VERSION)
configure_package_config_file(cmake/tolva_utilConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/tolva_utilConfig.cmake
    INSTALL_DESTINATION ${TOLVA_UTIL_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/tolva_utilConfigVersion.cmake
    VERSION ${TOLVA_UTIL_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/tolva_utilConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/tolva_utilConfigVersion.cmake
    DESTINATION ${TOLVA_UTIL_CMAKE_DIR}
    COMPONENT ${TOLVA_UTIL_COMPONENT})

# The .pc file finds its prefix from its own place, so the installed tree can move.
file(RELATIVE_PATH TOLVA_UTIL_PC_TO_PREFIX
    ${CMAKE_INSTALL_PREFIX}/${TOLVA_UTIL_PKGCONFIG_DIR} ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" TOLVA_UTIL_PC_TO_PREFIX "${TOLVA_UTIL_PC_TO_PREFIX}")
configure_file(cmake/tolva_util.pc.in ${CMAKE_CURRENT_BINARY_DIR}/tolva_util.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tolva_util.pc
    DESTINATION ${TOLVA_UTIL_PKGCONFIG_DIR}
    COMPONENT ${TOLVA_UTIL_COMPONENT})
