# The toolkit as link targets: wx::base (strings, files, locale; no windows), wx::core
# (windows, on top of wx::base) and wx::html (the HTML help viewer, on top of wx::core).
# The engine links only wx::base.

function(tessarin_wx_target target)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
  target_compile_definitions(${target} INTERFACE ${wxWidgets_DEFINITIONS})
  target_compile_options(${target} INTERFACE ${wxWidgets_CXX_FLAGS})
  target_link_libraries(${target} INTERFACE ${wxWidgets_LIBRARIES})
endfunction()

find_package(wxWidgets 3.2 REQUIRED COMPONENTS base)
tessarin_wx_target(tessarin_wx_base)
add_library(wx::base ALIAS tessarin_wx_base)

find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)
list(REMOVE_DUPLICATES wxWidgets_DEFINITIONS)
tessarin_wx_target(tessarin_wx_core)
add_library(wx::core ALIAS tessarin_wx_core)

find_package(wxWidgets 3.2 REQUIRED COMPONENTS html core base)
list(REMOVE_DUPLICATES wxWidgets_DEFINITIONS)
tessarin_wx_target(tessarin_wx_html)
add_library(wx::html ALIAS tessarin_wx_html)
