# Holds every include of the project's libraries to their layers (see cmake/Layers.cmake):
#   cmake -DMANIFEST=<layers file> -DSOURCE_DIR=<project root> [-DEXTRA=<target>=<file>;...]
#         -P cmake/CheckLayers.cmake
# EXTRA adds files to a library for the check, as its own test does with a wrong-way include.
# Fails, naming each include that goes the wrong way, when there is any.
cmake_minimum_required(VERSION 3.25)
include("${MANIFEST}")

foreach(extra IN LISTS EXTRA)
  string(REPLACE "=" ";" pair "${extra}")
  list(GET pair 0 target)
  list(GET pair 1 file)
  list(APPEND files_${target} "${file}")
endforeach()

# The library each file belongs to, for the messages.
foreach(target IN LISTS tessarin_layered_targets)
  foreach(file IN LISTS files_${target})
    string(MAKE_C_IDENTIFIER "${file}" key)
    if(NOT DEFINED owner_${key})
      set(owner_${key} ${target})
    endif()
  endforeach()
endforeach()

set(wrong "")
foreach(target IN LISTS tessarin_layered_targets)
  set(allowed ${files_${target}})
  foreach(used IN LISTS uses_${target})
    list(APPEND allowed ${files_${used}})
  endforeach()
  foreach(file IN LISTS files_${target})
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    cmake_path(GET file PARENT_PATH directory)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" included "${line}")
      # Looked for beside the file first, then from the project's root; anything else (the
      # toolkit, the system) is not the project's.
      if(EXISTS "${SOURCE_DIR}/${directory}/${included}")
        cmake_path(APPEND directory "${included}" OUTPUT_VARIABLE path)
        cmake_path(NORMAL_PATH path)
      elseif(EXISTS "${SOURCE_DIR}/${included}")
        set(path "${included}")
      else()
        continue()
      endif()
      if(NOT path IN_LIST allowed)
        string(MAKE_C_IDENTIFIER "${path}" key)
        set(owner "no library")
        if(DEFINED owner_${key})
          set(owner ${owner_${key}})
        endif()
        string(APPEND wrong "  ${file} (${target}) includes ${path} (${owner})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(wrong)
  message(FATAL_ERROR "Includes that go against the layers:\n${wrong}")
endif()
message(STATUS "Every include keeps to the layers")
