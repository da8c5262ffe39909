# The layers of the program and the direction they depend in: framework <- engine <- settings
# <- the windows <- the program. A library's files may include the headers of the library itself
# and of the libraries it links to, directly or through others, and no other header of the
# project; so the engine cannot reach into a window, nor the settings into the program. The
# link graph says which libraries a library may use; this writes it down as a list of files for
# each library, which the test "layers" (cmake/CheckLayers.cmake) then holds every include to.

set(tessarin_layered_targets
    tessarin_framework_base tessarin_framework_ui
    tessarin_engine
    tessarin_settings_base tessarin_settings
    tessarin_ui_preferences tessarin_ui_dictionary tessarin_ui_main tessarin_export_icons
    tessarin_terminal tessarin_app tessarin tessarin_window)

# The project's files (relative to the project's root) that the target is made of.
function(tessarin_target_files target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(directory ${target} SOURCE_DIR)
  set(files "")
  foreach(source IN LISTS sources)
    if(source MATCHES "^\\$<")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${directory}" NORMALIZE OUTPUT_VARIABLE path)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${path}" NORMALIZE inside)
    if(NOT inside)
      continue()
    endif()
    cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${PROJECT_SOURCE_DIR}")
    list(APPEND files "${path}")
    # A source's header goes with it.
    string(REGEX REPLACE "\\.cpp$" ".h" header "${path}")
    if(NOT header STREQUAL path AND EXISTS "${PROJECT_SOURCE_DIR}/${header}")
      list(APPEND files "${header}")
    endif()
  endforeach()
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

# The layered targets the target links to, directly or through others.
function(tessarin_target_uses target out)
  set(found "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    get_target_property(links ${current} LINK_LIBRARIES)
    if(NOT links)
      continue()
    endif()
    foreach(link IN LISTS links)
      if(link IN_LIST tessarin_layered_targets AND NOT link IN_LIST found)
        list(APPEND found ${link})
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(tessarin_write_layers manifest)
  set(owned "")
  foreach(target IN LISTS tessarin_layered_targets)
    tessarin_target_files(${target} files_${target})
    list(APPEND owned ${files_${target}})
  endforeach()
  # A header with no source of its own belongs to the most basic library with a source in its
  # directory (the libraries are listed from the most basic up).
  file(GLOB_RECURSE headers RELATIVE "${PROJECT_SOURCE_DIR}"
       "${PROJECT_SOURCE_DIR}/framework/*.h" "${PROJECT_SOURCE_DIR}/framework/*.inc"
       "${PROJECT_SOURCE_DIR}/engine/*.h" "${PROJECT_SOURCE_DIR}/settings/*.h"
       "${PROJECT_SOURCE_DIR}/ui/*.h" "${PROJECT_SOURCE_DIR}/app/*.h")
  foreach(header IN LISTS headers)
    if(header IN_LIST owned)
      continue()
    endif()
    cmake_path(GET header PARENT_PATH header_directory)
    foreach(target IN LISTS tessarin_layered_targets)
      set(claimed FALSE)
      foreach(file IN LISTS files_${target})
        cmake_path(GET file PARENT_PATH file_directory)
        if(file_directory STREQUAL header_directory)
          list(APPEND files_${target} "${header}")
          set(claimed TRUE)
          break()
        endif()
      endforeach()
      if(claimed)
        break()
      endif()
    endforeach()
  endforeach()

  set(text "# Written by cmake/Layers.cmake: each library's files and the libraries it uses.\n")
  string(APPEND text "set(tessarin_layered_targets \"${tessarin_layered_targets}\")\n")
  foreach(target IN LISTS tessarin_layered_targets)
    tessarin_target_uses(${target} uses)
    string(APPEND text "set(files_${target} \"${files_${target}}\")\n")
    string(APPEND text "set(uses_${target} \"${uses}\")\n")
  endforeach()
  file(CONFIGURE OUTPUT "${manifest}" CONTENT "${text}" @ONLY)
endfunction()
