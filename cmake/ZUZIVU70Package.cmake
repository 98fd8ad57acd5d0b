# What `cmake --install` gives a developer: the public headers of the library
# and of the framework layer (include/), both DLLs (bin/), their import
# libraries (lib/), the framework's WinMain object (lib/ZUZIVU70/) and a CMake
# package (lib/cmake/ZUZIVU70/) with one target to link, ZUZIVU70::ZUZIVU70,
# and the toolchain files of both architectures.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZUZ_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZUZIVU70)

set_target_properties(ZUZIVU70 PROPERTIES EXPORT_NAME Library)
set_target_properties(ZUZIFrame PROPERTIES EXPORT_NAME Frame)
set_target_properties(ZUZIFrameMain PROPERTIES EXPORT_NAME FrameMain)

install(TARGETS ZUZIVU70 ZUZIFrame ZUZIFrameMain
        EXPORT ZUZIVU70Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR}/ZUZIVU70
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# Only the two public header folders: a library folder's headers stay private.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ ${PROJECT_SOURCE_DIR}/frame/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")

install(EXPORT ZUZIVU70Targets NAMESPACE ZUZIVU70:: DESTINATION ${ZUZ_PACKAGE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ZUZIVU70Config.cmake.in
                              ${CMAKE_BINARY_DIR}/package-config/ZUZIVU70Config.cmake
                              INSTALL_DESTINATION ${ZUZ_PACKAGE_DIR})
# Same major version, and the same architecture: an x86_64 package is not
# offered to an i686 build.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package-config/ZUZIVU70ConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package-config/ZUZIVU70Config.cmake ${CMAKE_BINARY_DIR}/package-config/ZUZIVU70ConfigVersion.cmake
        DESTINATION ${ZUZ_PACKAGE_DIR})
# The cross-compiling toolchains an application configures with
# (-DCMAKE_TOOLCHAIN_FILE=<prefix>/lib/cmake/ZUZIVU70/toolchain-x86_64.cmake).
install(FILES ${PROJECT_SOURCE_DIR}/cmake/toolchain-i686.cmake ${PROJECT_SOURCE_DIR}/cmake/toolchain-x86_64.cmake
        DESTINATION ${ZUZ_PACKAGE_DIR})
