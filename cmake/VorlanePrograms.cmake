# vorlane_add_program(<target> OUTPUT_NAME <name> RC <script> SOURCES <files...> LIBS <libs...>)
# A Windows GUI exe with its resources (icon, manifest, version), shrunk in
# release builds, and checked for what it imports.
find_package(Python3 COMPONENTS Interpreter)

function(vorlane_add_program target)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME;RC" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} WIN32 ${ARG_SOURCES} ${ARG_RC})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME}
                                             RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/res)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} vorlane_options)
  vorlane_shrink_exe(${target})
  if(MINGW AND Python3_Interpreter_FOUND)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      set(arch x64)
    else()
      set(arch x86)
    endif()
    add_test(NAME imports.${ARG_OUTPUT_NAME}
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/check_imports.py
                     $<TARGET_FILE:${target}> --arch ${arch}
                     --objdump ${VORLANE_MINGW_TRIPLE}-objdump)
  endif()
endfunction()
