# The test of the examples (cmake -P): installs this build as a developer
# receives it, builds examples/inventory from that package alone, for the same
# architecture, and runs the example's own test (a headless start, show and
# close), with the toolchain file the package brings. Arguments: BUILD_DIR,
# SOURCE_DIR, ARCH (i686 or x86_64), EMULATOR (how a Windows program runs here).
foreach(arg BUILD_DIR SOURCE_DIR ARCH EMULATOR)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "ExampleTest.cmake needs -D${arg}=...")
  endif()
endforeach()

set(package ${BUILD_DIR}/install)
set(example ${BUILD_DIR}/examples/inventory)

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "example: ${what} failed (${status})\n${out}\n${err}")
  endif()
  message(STATUS "example: ${what}")
endfunction()

# A fresh package and build each time: a header removed from include/ must not
# linger, and the example is configured as a developer's first build is.
file(REMOVE_RECURSE ${package} ${example})
run("installed the package into ${package}" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${package})
run("configured examples/inventory against it"
    ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/inventory -B ${example}
    -DCMAKE_TOOLCHAIN_FILE=${package}/lib/cmake/ZUZIVU70/toolchain-${ARCH}.cmake -DCMAKE_PREFIX_PATH=${package}
    -DCMAKE_CROSSCOMPILING_EMULATOR=${EMULATOR} -DCMAKE_BUILD_TYPE=RelWithDebInfo)
run("built Inventory.exe" ${CMAKE_COMMAND} --build ${example})
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${example} --output-on-failure RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "example: Inventory.exe --check failed")
endif()
