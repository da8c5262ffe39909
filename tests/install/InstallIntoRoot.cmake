# Installs the build BUILD_DIR with the prefix /usr into ROOT (as DESTDIR), starting from an
# empty ROOT so that nothing of an earlier install is counted.
#   cmake -DBUILD_DIR=... -DROOT=... -P InstallIntoRoot.cmake
file(REMOVE_RECURSE ${ROOT})
set(ENV{DESTDIR} ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
