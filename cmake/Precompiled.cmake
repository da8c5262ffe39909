# Precompiled headers: the standard library's and the toolkit's headers that most files
# include, compiled once for each kind of target and reused by every target of that kind, all of
# which are compiled with the same options: the libraries without windows, the libraries with
# windows, and the tests of each. The headers of windows are kept from the targets without
# them: the classes they declare would be asked of a library those targets do not link. Parsing
# those headers was most of the time each file took.
set(tessarin_pch_base
    <algorithm> <functional> <memory> <string> <vector>
    <wx/arrstr.h> <wx/filename.h> <wx/intl.h> <wx/log.h> <wx/string.h>)
set(tessarin_pch_ui ${tessarin_pch_base} <wx/wx.h>)
set(tessarin_pch_base_tests ${tessarin_pch_base} <gtest/gtest.h>)
set(tessarin_pch_ui_tests ${tessarin_pch_ui} <gtest/gtest.h>)

# The first target of a kind compiles the headers; the others use what it compiled.
function(tessarin_precompile target kind)
  if(NOT DEFINED tessarin_pch_${kind})
    message(FATAL_ERROR "no precompiled headers of the kind ${kind}")
  endif()
  get_property(anchor GLOBAL PROPERTY tessarin_pch_anchor_${kind})
  if(anchor)
    target_precompile_headers(${target} REUSE_FROM ${anchor})
  else()
    target_precompile_headers(${target} PRIVATE ${tessarin_pch_${kind}})
    set_property(GLOBAL PROPERTY tessarin_pch_anchor_${kind} ${target})
  endif()
endfunction()
