# The customer's view of the library (cmake -P). Arguments: BUILD_DIR,
# SOURCE_DIR, ARCH (i686 or x86_64), EMULATOR (how a Windows program runs here).
#
# 1. ConsumerApp.exe, built in this tree with only the public header folders,
#    runs and checks each family of the library.
# 2. The README's recipe: this build installed as a developer receives it, the
#    README's CMakeLists.txt and MyApp.cpp written as they stand into an empty
#    folder, and its configure, build and run lines run there, with the
#    package's folder and architecture put in; the program must start and end
#    with 0. A package that leaves out the runtime, a DLL or the toolchain, or
#    a README recipe that no longer builds, fails here.
# 3. The compile checks of misuse/ against the same package: a CString given
#    to a printf-style function, or an unended list of texts, must be refused
#    under -Werror=format, and the right forms accepted.
foreach(arg BUILD_DIR SOURCE_DIR ARCH EMULATOR)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "ConsumerTest.cmake needs -D${arg}=...")
  endif()
endforeach()

set(work ${BUILD_DIR}/consumer)
set(package ${work}/package)
set(recipe ${work}/recipe)
set(misuse ${work}/misuse)

function(run what dir)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${dir} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "consumer: ${what} failed (${status})\n${out}\n${err}")
  endif()
endfunction()

function(seconds_since start result)
  string(TIMESTAMP now "%s" UTC)
  math(EXPR elapsed "${now} - ${start}")
  set(${result} ${elapsed} PARENT_SCOPE)
endfunction()

# 1.
run("ConsumerApp.exe" ${BUILD_DIR} ${EMULATOR} ${BUILD_DIR}/bin/ConsumerApp.exe)
message(STATUS "consumer: ConsumerApp.exe passed")

# 2. The fenced block after "<!-- recipe: NAME -->" in the README.
file(READ ${SOURCE_DIR}/README.md readme)
function(recipe_block name result)
  string(FIND "${readme}" "<!-- recipe: ${name} -->" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "consumer: README.md has no recipe block ${name}")
  endif()
  string(SUBSTRING "${readme}" ${at} -1 rest)
  string(FIND "${rest}" "```" open)
  string(SUBSTRING "${rest}" ${open} -1 rest)
  string(FIND "${rest}" "\n" eol)
  math(EXPR eol "${eol} + 1")
  string(SUBSTRING "${rest}" ${eol} -1 rest)
  string(FIND "${rest}" "```" close)
  string(SUBSTRING "${rest}" 0 ${close} body)
  set(${result} "${body}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${work})
run("installing the package into ${package}" ${BUILD_DIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${package})
file(MAKE_DIRECTORY ${recipe})
foreach(name CMakeLists.txt MyApp.cpp)
  recipe_block(${name} text)
  file(WRITE ${recipe}/${name} "${text}")
endforeach()

# The README shows x86_64 and the package in $HOME/zuzivu70/x86_64.
recipe_block(run commands)
string(REPLACE "\\\n" " " commands "${commands}")
string(REPLACE "$HOME/zuzivu70/x86_64" "${package}" commands "${commands}")
string(REPLACE "x86_64" "${ARCH}" commands "${commands}")
string(REPLACE "\n" ";" commands "${commands}")
string(TIMESTAMP started "%s" UTC)
set(ran 0)
foreach(command ${commands})
  string(STRIP "${command}" command)
  if(command STREQUAL "")
    continue()
  endif()
  separate_arguments(args UNIX_COMMAND "${command}")
  list(GET args 0 program)
  if(program STREQUAL "wine")
    list(REMOVE_AT args 0)
    set(args ${EMULATOR} ${args} --close)
    set(ran 1)
  endif()
  run("README: ${command}" ${recipe} ${args})
  seconds_since(${started} elapsed)
  message(STATUS "consumer: README (${ARCH}): ${command} done after ${elapsed} s")
endforeach()
if(NOT ran)
  message(FATAL_ERROR "consumer: the README's recipe runs no program")
endif()

# 3.
string(TIMESTAMP started "%s" UTC)
run("the misuse checks" ${work} ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/consumer/misuse -B ${misuse}
    -DCMAKE_TOOLCHAIN_FILE=${package}/lib/cmake/ZUZIVU70/toolchain-${ARCH}.cmake -DCMAKE_PREFIX_PATH=${package})
seconds_since(${started} elapsed)
message(STATUS "consumer: the misuse checks passed in ${elapsed} s")
