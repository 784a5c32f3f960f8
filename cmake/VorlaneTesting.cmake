# Tests: GoogleTest everywhere. Natively the system's prebuilt GoogleTest; in the
# MinGW builds the Debian source package, compiled with the cross compiler and
# run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
option(VORLANE_BUILD_TESTS "Build the tests" ON)
if(NOT VORLANE_BUILD_TESTS)
  return()
endif()

enable_testing()
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(VORLANE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources for cross builds")
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${VORLANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(VORLANE_GTEST_LIBS gtest gmock gtest_main)
else()
  find_package(GTest REQUIRED)
  set(VORLANE_GTEST_LIBS GTest::gtest GTest::gmock GTest::gtest_main)
endif()

# vorlane_add_test(<name> SOURCES <files...> LIBS <libs...>)
# One GoogleTest executable; its tests are listed when CTest runs (listing them
# at build time would start Wine during the build).
function(vorlane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vorlane_test_fakes ${VORLANE_GTEST_LIBS}
                                        vorlane_options)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 120)
endfunction()
