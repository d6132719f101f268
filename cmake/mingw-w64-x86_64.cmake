# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model); the test
# programs run under wine.
#
# Given a Qt built for mingw (-DCMAKE_PREFIX_PATH=<qt6-mingw> -DQT_HOST_PATH=/usr), the
# whole program is built: bytelora.exe, bytelora-cli.exe and every test. Without one,
# only the parts in standard C++ and Win32 are built (BYTELORA_GUI off).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The Qt for mingw lies outside the find root; its packages are found where it was put.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Is a Qt for mingw given? Its packages are looked for on CMAKE_PREFIX_PATH.
set(BYTELORA_MINGW_QT "")
foreach(prefix ${CMAKE_PREFIX_PATH})
  if(EXISTS "${prefix}/lib/cmake/Qt6/Qt6Config.cmake" AND EXISTS "${prefix}/bin/Qt6Core.dll")
    set(BYTELORA_MINGW_QT "${prefix}")
    break()
  endif()
endforeach()

if(BYTELORA_MINGW_QT)
  # Qt's DLLs link mingw's C++ runtime dynamically. The program and its tests do the same:
  # a static copy beside Qt's would put two C++ runtimes, with two heaps and two sets of
  # exception tables, in one process. The runtime DLLs go beside the installed exe and
  # on WINEPATH for the tests.
else()
  # One self-contained executable per test: no mingw runtime DLLs to put beside it.
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
  set(BYTELORA_GUI OFF CACHE BOOL "" FORCE)
endif()

find_program(BYTELORA_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(BYTELORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BYTELORA_WINE})
endif()

# The benchmarks measure the Linux build.
set(BYTELORA_BENCH OFF CACHE BOOL "" FORCE)
