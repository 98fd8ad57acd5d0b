# Checks (cmake -P, -DDOCS_DIR=<docs folder>) that every page of docs/ quotes
# its usage examples exactly as the files have them, between
#   <!-- example: examples/Name.cpp -->  ```cpp ... ```  <!-- end example -->
# in the page (the path is relative to docs/: examples/Name.rc, or a program of
# the top examples/ folder, ../examples/first/FirstApp.cpp) and the
# "// [example]" and "// [end example]" lines in the file, and that every file
# of docs/examples/ is quoted by a page. The files under docs/examples/ are
# compiled and run by DocsTests, the programs of examples/ by their own tests,
# so a page cannot show code that no longer builds or works.
if(NOT DEFINED DOCS_DIR)
  message(FATAL_ERROR "CheckDocExamples.cmake needs -DDOCS_DIR=...")
endif()

# The lines strictly between the two markers, joined with newlines.
function(lines_between text begin end result)
  string(FIND "${text}" "${begin}" first)
  if(first EQUAL -1)
    set(${result} "<no ${begin}>" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${text}" ${first} -1 rest)
  string(FIND "${rest}" "\n" eol)
  math(EXPR start "${eol} + 1")
  string(SUBSTRING "${rest}" ${start} -1 rest)
  string(FIND "${rest}" "${end}" last)
  if(last EQUAL -1)
    set(${result} "<no ${end}>" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${rest}" 0 ${last} body)
  # Up to the start of the end marker's line.
  string(FIND "${body}" "\n" lastnl REVERSE)
  if(lastnl GREATER -1)
    string(SUBSTRING "${body}" 0 ${lastnl} body)
  else()
    set(body "")
  endif()
  set(${result} "${body}" PARENT_SCOPE)
endfunction()

set(failures 0)
file(GLOB pages ${DOCS_DIR}/*.md)
file(GLOB examples RELATIVE ${DOCS_DIR} ${DOCS_DIR}/examples/*.cpp ${DOCS_DIR}/examples/*.rc)
set(quoted)
foreach(page ${pages})
  file(READ ${page} text)
  get_filename_component(page_name ${page} NAME)
  # Only real file names: a page that explains the markers ("examples/<Name>.cpp") quotes nothing.
  string(REGEX MATCHALL "<!-- example: [A-Za-z0-9_./]*examples/[A-Za-z0-9_/]+\\.(cpp|rc) -->" markers "${text}")
  foreach(marker ${markers})
    string(REGEX REPLACE "<!-- example: ([A-Za-z0-9_./]+) -->" "\\1" file "${marker}")
    list(APPEND quoted ${file})
    if(NOT EXISTS ${DOCS_DIR}/${file})
      message(SEND_ERROR "${page_name}: quotes ${file}, which does not exist")
      math(EXPR failures "${failures} + 1")
      continue()
    endif()
    # The page: from the marker on, the fenced block.
    string(FIND "${text}" "${marker}" at)
    string(SUBSTRING "${text}" ${at} -1 from_marker)
    lines_between("${from_marker}" "```" "```" shown)
    file(READ ${DOCS_DIR}/${file} source)
    lines_between("${source}" "// [example]" "// [end example]" wanted)
    if(NOT shown STREQUAL wanted)
      message(SEND_ERROR "${page_name}: the example differs from ${file}; paste the lines between "
                         "// [example] and // [end example] again.\n--- page ---\n${shown}\n--- file ---\n${wanted}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()
foreach(example ${examples})
  list(FIND quoted ${example} found)
  if(found EQUAL -1)
    message(SEND_ERROR "${example} is quoted by no page of docs/")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
list(LENGTH quoted count)
if(failures GREATER 0)
  message(FATAL_ERROR "docs: ${failures} example(s) out of date")
endif()
message(STATUS "docs: ${count} quoted examples match their files")
