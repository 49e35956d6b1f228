# Installs the build into PREFIX and fails when a document points a reader to
# something that is not there: a relative link of the installed README or
# docs/ that names no installed file, or a path of the manual page that the
# install does not hold. SOURCE is the checkout, BUILD the build folder.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD} failed")
endif()

set(documents ${PREFIX}/share/doc/quorvane)
if(NOT EXISTS ${documents}/README.md OR NOT EXISTS ${documents}/docs/using.md)
  message(FATAL_ERROR "the README and docs/ are not installed under ${documents}")
endif()

# The manual page names the files it points to by their installed paths.
file(STRINGS ${SOURCE}/packaging/quorvane.1 manual)
set(named 0)
foreach(line ${manual})
  if(line MATCHES "^\\.I (/usr/.*)$")
    set(path ${CMAKE_MATCH_1})
    string(REGEX REPLACE "^/usr" "${PREFIX}" installed_path "${path}")
    math(EXPR named "${named} + 1")
    if(NOT EXISTS ${installed_path})
      message(SEND_ERROR "the manual page names ${path}, which is not installed")
    endif()
  endif()
endforeach()
message(STATUS "the manual page names ${named} installed paths")

# Every relative link of the installed documents, within the install.
set(SOURCE ${documents})
include(${CMAKE_CURRENT_LIST_DIR}/relative_links.cmake)
