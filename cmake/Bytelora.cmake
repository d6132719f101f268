# Shared build settings for every Bytelora target.

function(bytelora_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
    if(BYTELORA_WERROR)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wconversion -Wno-sign-conversion)
    if(BYTELORA_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
  if(BYTELORA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# bytelora_add_library(<name> SOURCES ... [LINUX ...] [WIN ...] [QT ...] [DEPS ...] [QT_DEPS ...])
#   SOURCES  standard C++ sources, built everywhere
#   LINUX    sources built only for Linux, WIN only for Windows
#   QT       sources that need Qt, built only with BYTELORA_GUI
#   DEPS     other Bytelora libraries this one uses
#   QT_DEPS  Qt modules (Core, Gui, Widgets) for the QT sources
function(bytelora_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINUX;WIN;QT;DEPS;QT_DEPS;SYSLIBS" ${ARGN})
  set(sources ${ARG_SOURCES})
  if(BYTELORA_PLATFORM STREQUAL "win")
    list(APPEND sources ${ARG_WIN})
  else()
    list(APPEND sources ${ARG_LINUX})
  endif()
  if(BYTELORA_GUI)
    list(APPEND sources ${ARG_QT})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSLIBS})
  if(BYTELORA_GUI AND ARG_QT_DEPS)
    foreach(module ${ARG_QT_DEPS})
      target_link_libraries(${name} PUBLIC Qt6::${module})
    endforeach()
  endif()
  bytelora_target_defaults(${name})
endfunction()
