# What bytelora.exe needs beside it on a Windows without Qt: the Qt DLLs, the plugins Qt
# loads at run time and, with mingw, the compiler's runtime DLLs. It does for this
# program what windeployqt does, for the Qt built with mingw, which has no windeployqt.

# The Qt modules and plugins the program loads. Sql and its sqlite driver carry the data
# usage store.
set(BYTELORA_QT_DEPLOY_MODULES Core Gui Widgets Network Sql)
# <plugin target> <folder below plugins/>
set(BYTELORA_QT_DEPLOY_PLUGINS
    QWindowsIntegrationPlugin platforms
    QWindowsVistaStylePlugin styles
    QSQLiteDriverPlugin sqldrivers
    QICOPlugin imageformats)

# mingw's C++ runtime: the DLLs that the program and Qt's DLLs import, found where the
# compiler finds them.
function(bytelora_mingw_runtime_dlls out)
  set(dlls "")
  foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "mingw runtime ${name} not found (Debian: g++-mingw-w64-x86-64-posix)")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND dlls "${path}")
  endforeach()
  set(${out} ${dlls} PARENT_SCOPE)
endfunction()

# bytelora_deploy_qt(<bin destination>): installs the Qt DLLs and the runtime DLLs beside
# the programs, the plugins below <bin>/plugins and a qt.conf that points Qt there.
function(bytelora_deploy_qt bin)
  find_package(Qt6 REQUIRED COMPONENTS ${BYTELORA_QT_DEPLOY_MODULES})
  foreach(module ${BYTELORA_QT_DEPLOY_MODULES})
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${bin})
  endforeach()
  set(plugins ${BYTELORA_QT_DEPLOY_PLUGINS})
  while(plugins)
    list(POP_FRONT plugins target folder)
    if(NOT TARGET Qt6::${target})
      message(FATAL_ERROR "The Qt for Windows lacks the plugin ${target}")
    endif()
    install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${bin}/plugins/${folder})
  endwhile()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf DESTINATION ${bin})
  if(MINGW)
    bytelora_mingw_runtime_dlls(runtime)
    install(FILES ${runtime} DESTINATION ${bin})
  endif()
endfunction()

# Under wine, the programs of this build find Qt's DLLs and mingw's runtime through
# WINEPATH and Qt's plugins through QT_PLUGIN_PATH. A small script sets both and runs
# wine; it becomes the build's emulator, so that ctest, the test discovery and the
# scripts that start a program of this build all get the same environment.
function(bytelora_wine_emulator)
  bytelora_mingw_runtime_dlls(runtime)
  set(dirs "${BYTELORA_MINGW_QT}/bin")
  foreach(dll ${runtime})
    get_filename_component(dir "${dll}" DIRECTORY)
    list(APPEND dirs "${dir}")
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  list(TRANSFORM dirs PREPEND "Z:")
  list(JOIN dirs ";" BYTELORA_WINEPATH)
  set(BYTELORA_QT_PLUGINS "${BYTELORA_MINGW_QT}/plugins")
  set(script ${CMAKE_BINARY_DIR}/wine-run)
  file(CONFIGURE OUTPUT ${script} @ONLY CONTENT [=[#!/bin/sh
# Runs a Windows program of this build under wine, with the Qt for mingw and mingw's
# runtime DLLs on its path. Made by CMake.
WINEPATH="@BYTELORA_WINEPATH@${WINEPATH:+;$WINEPATH}"
QT_PLUGIN_PATH="@BYTELORA_QT_PLUGINS@"
export WINEPATH QT_PLUGIN_PATH
exec "@BYTELORA_WINE@" "$@"
]=])
  file(CHMOD ${script} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${script} PARENT_SCOPE)
endfunction()
