# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model).
# Only the parts in standard C++ and Win32 are built (BYTELORA_GUI is forced off); the
# test programs run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained executable per test: no mingw runtime DLLs to put beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(BYTELORA_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(BYTELORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BYTELORA_WINE})
endif()

set(BYTELORA_GUI OFF CACHE BOOL "" FORCE)
set(BYTELORA_BENCH OFF CACHE BOOL "" FORCE)
