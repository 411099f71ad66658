# Fails, listing them, when #include lines of the sources climb with "../".
# Code includes by the path from the top of the checkout, from its own folder
# or one below it; a path that climbs could reach past the include roots
# that keep the layers apart.
#
#   cmake -DROOT=<top folder> -P CheckIncludes.cmake
#
# Every C and C++ file below ROOT is read, except in .git and in build trees:
# the folder build/ and any folder that holds a CMakeCache.txt.

cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${ROOT}")
  message(FATAL_ERROR "ROOT names no folder: '${ROOT}'")
endif()

set(patterns "")
foreach(extension h hpp hh inl c cc cpp cxx)
  list(APPEND patterns "${ROOT}/*.${extension}")
endforeach()
file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${ROOT}" ${patterns})
file(GLOB_RECURSE caches LIST_DIRECTORIES false RELATIVE "${ROOT}" "${ROOT}/CMakeCache.txt")
set(skipped .git build)
foreach(cache IN LISTS caches)
  get_filename_component(tree "${cache}" DIRECTORY)
  list(APPEND skipped "${tree}")
endforeach()

set(climbing "")
set(count 0)
foreach(source IN LISTS sources)
  set(inBuildTree FALSE)
  foreach(folder IN LISTS skipped)
    string(FIND "${source}" "${folder}/" at)
    if(at EQUAL 0)
      set(inBuildTree TRUE)
    endif()
  endforeach()
  if(inBuildTree)
    continue()
  endif()
  math(EXPR count "${count} + 1")
  file(STRINGS "${ROOT}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\./")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND climbing "\n  ${source}: ${line}")
  endforeach()
endforeach()

if(climbing)
  message(FATAL_ERROR "#include with \"../\" (include by the path from the top of the checkout):${climbing}")
endif()
message(STATUS "${count} source files, no #include with \"../\"")
