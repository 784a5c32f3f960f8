# The thread model of the MinGW-w64 compilers: -posix by default, as GoogleTest
# needs std::mutex, which the win32 model lacks; the x86 release build, which
# builds no GoogleTest, takes the win32 model (see VORLANE_MINGW_THREADS in
# CMakePresets.json) so that its exes carry no winpthread.
if(NOT DEFINED VORLANE_MINGW_THREADS)
  set(VORLANE_MINGW_THREADS posix)
endif()
set(CMAKE_C_COMPILER ${VORLANE_MINGW_TRIPLE}-gcc-${VORLANE_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${VORLANE_MINGW_TRIPLE}-g++-${VORLANE_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${VORLANE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORLANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
