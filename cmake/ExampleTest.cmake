# The test of one example (cmake -P): installs this build as a developer
# receives it, builds examples/<EXAMPLE> from that package alone, for the same
# architecture, with the toolchain file the package brings, and runs the
# example's own test (a headless run of the program). Arguments: EXAMPLE (the
# folder's name), BUILD_DIR, SOURCE_DIR, ARCH (i686 or x86_64), EMULATOR (how a
# Windows program runs here).
foreach(arg EXAMPLE BUILD_DIR SOURCE_DIR ARCH EMULATOR)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "ExampleTest.cmake needs -D${arg}=...")
  endif()
endforeach()

# Each example its own package, so the examples' tests may run side by side.
set(package ${BUILD_DIR}/examples/${EXAMPLE}/package)
set(example ${BUILD_DIR}/examples/${EXAMPLE}/build)

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "example: ${what} failed (${status})\n${out}\n${err}")
  endif()
  message(STATUS "example: ${what}")
endfunction()

# A fresh package and build each time: a header removed from include/ must not
# linger, and the example is configured as a developer's first build is.
file(REMOVE_RECURSE ${BUILD_DIR}/examples/${EXAMPLE})
run("installed the package into ${package}" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${package})
run("configured examples/${EXAMPLE} against it"
    ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/${EXAMPLE} -B ${example}
    -DCMAKE_TOOLCHAIN_FILE=${package}/lib/cmake/ZUZIVU70/toolchain-${ARCH}.cmake -DCMAKE_PREFIX_PATH=${package}
    -DCMAKE_CROSSCOMPILING_EMULATOR=${EMULATOR} -DCMAKE_BUILD_TYPE=RelWithDebInfo)
run("built examples/${EXAMPLE}" ${CMAKE_COMMAND} --build ${example})
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${example} --output-on-failure RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "example: the test of examples/${EXAMPLE} failed")
endif()
