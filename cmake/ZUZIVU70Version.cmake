# The version is written once, in include/ZUZIVU70Version.h; the project, the
# CMake package and both DLLs' version resources take it from there.

# Sets ZUZ_VERSION (major.minor.patch.build) from the header. Called before project().
function(zuz_read_version header)
  # A new version in the header makes the build configure again.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  file(STRINGS ${header} lines REGEX "^#define ZUZIVU70_VERSION_(MAJOR|MINOR|PATCH|BUILD) +[0-9]+")
  set(parts)
  foreach(part MAJOR MINOR PATCH BUILD)
    set(value)
    foreach(line ${lines})
      if(line MATCHES "^#define ZUZIVU70_VERSION_${part} +([0-9]+)")
        set(value ${CMAKE_MATCH_1})
      endif()
    endforeach()
    if(value STREQUAL "")
      message(FATAL_ERROR "${header} has no ZUZIVU70_VERSION_${part}")
    endif()
    list(APPEND parts ${value})
  endforeach()
  list(JOIN parts "." version)
  set(ZUZ_VERSION ${version} PARENT_SCOPE)
endfunction()

# Gives a DLL target its version resource: file and product version from the
# project, and the description given.
function(zuz_version_resource target description)
  get_target_property(ZUZ_RC_NAME ${target} OUTPUT_NAME)
  if(NOT ZUZ_RC_NAME)
    set(ZUZ_RC_NAME ${target})
  endif()
  set(ZUZ_RC_FILENAME ${ZUZ_RC_NAME}.dll)
  set(ZUZ_RC_DESCRIPTION ${description})
  string(REPLACE "." "," ZUZ_RC_VERSION_COMMAS ${PROJECT_VERSION})
  set(rc ${CMAKE_BINARY_DIR}/version/${target}Version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
