# Compiler and linker settings shared by every target.
option(VORLANE_WERROR "Treat warnings as errors" OFF)
option(VORLANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(vorlane_options INTERFACE)
if(MSVC)
  target_compile_options(vorlane_options INTERFACE /W4 /permissive- /utf-8)
  target_compile_definitions(vorlane_options INTERFACE _CRT_SECURE_NO_WARNINGS)
  if(VORLANE_WERROR)
    target_compile_options(vorlane_options INTERFACE /WX)
  endif()
else()
  target_compile_options(vorlane_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
  if(VORLANE_WERROR)
    target_compile_options(vorlane_options INTERFACE -Werror)
  endif()
endif()

if(VORLANE_SANITIZE)
  target_compile_options(vorlane_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(vorlane_options INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
  # Windows XP is the oldest target: its headers must not offer anything newer.
  target_compile_definitions(vorlane_options INTERFACE _WIN32_WINNT=0x0501 WINVER=0x0501 NOMINMAX
                                                       WIN32_LEAN_AND_MEAN)
  if(MINGW)
    # One self-contained exe: no MinGW runtime DLLs beside it.
    target_link_options(vorlane_options INTERFACE -static -static-libgcc -static-libstdc++
                        -Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      target_link_options(vorlane_options INTERFACE -Wl,--high-entropy-va)
    else()
      target_link_options(vorlane_options INTERFACE -Wl,--major-subsystem-version,5
                          -Wl,--minor-subsystem-version,1 -Wl,--major-os-version,5
                          -Wl,--minor-os-version,1)
    endif()
  elseif(MSVC)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>" CACHE STRING "" FORCE)
    target_link_options(vorlane_options INTERFACE /DYNAMICBASE /NXCOMPAT)
  endif()
endif()

# Release exes: small. Every object gets its functions and data in sections
# of their own so that the linker drops what no exe uses; -Os costs nothing
# measurable here (the one hot loop, writing cleared memory, is the C library's
# memset).
if(MINGW)
  target_compile_options(vorlane_options INTERFACE
                         $<$<CONFIG:Release,MinSizeRel>:-Os -ffunction-sections -fdata-sections>)
endif()
# Each exe also gets a linker map beside it (Name.exe.map), which
# tools/map_sizes.py sums up by library and object for tools/bench.sh.
function(vorlane_shrink_exe target)
  if(MINGW)
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-Wl,--gc-sections -s>
                        "-Wl,-Map=$<TARGET_FILE:${target}>.map")
  endif()
endfunction()
