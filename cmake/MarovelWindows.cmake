# The Windows executables. marovel.exe is a GUI program, so a start from Explorer opens no
# console window; marovel.com is the same program for the console subsystem. cmd.exe and
# PowerShell run marovel.com for `marovel ...` (.COM comes before .EXE in PATHEXT), so the command
# line's output, its redirection and the exit status work there. Both carry the icon and the
# version information.
set(MAROVEL_WINDOWS_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/marovel.ico)
foreach(name marovel.exe marovel.com)
  set(MAROVEL_WINDOWS_FILE_NAME ${name})
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/marovel.rc.in
                 ${CMAKE_BINARY_DIR}/${name}.rc @ONLY)
endforeach()

target_sources(marovel PRIVATE ${CMAKE_BINARY_DIR}/marovel.exe.rc)
set_target_properties(marovel PROPERTIES WIN32_EXECUTABLE ON)

add_executable(marovel_console src/app/main.cpp ${CMAKE_BINARY_DIR}/marovel.com.rc)
target_link_libraries(marovel_console PRIVATE marovel_core)
set_target_properties(marovel_console PROPERTIES OUTPUT_NAME marovel SUFFIX .com
                      RUNTIME_OUTPUT_DIRECTORY ${MAROVEL_RUNTIME_DIR})

# Qt's libraries, its platforms and styles, and the compiler's run-time libraries copied into a
# folder, so that programs built into it start there as they do from the unpacked zip (without
# a platform plugin beside it, Qt stops before the program's first line).
include(${CMAKE_SOURCE_DIR}/cmake/mingwRuntime.cmake)
function(marovel_copy_windows_runtime dir)
  get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
  file(COPY ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll ${qt_prefix}/bin/Qt6Widgets.dll
       ${qt_prefix}/bin/Qt6Test.dll DESTINATION ${dir})
  file(COPY ${qt_prefix}/plugins/platforms/qoffscreen.dll ${qt_prefix}/plugins/platforms/qwindows.dll
       DESTINATION ${dir}/platforms)
  file(COPY ${qt_prefix}/plugins/styles DESTINATION ${dir})
  foreach(library ${MAROVEL_MINGW_RUNTIME_LIBRARIES})
    marovel_mingw_runtime_path(${CMAKE_CXX_COMPILER} ${library} path)
    file(COPY ${path} DESTINATION ${dir})
  endforeach()
endfunction()
if(MINGW)
  # The build folder's marovel.com is the program the test suites run.
  marovel_copy_windows_runtime(${MAROVEL_RUNTIME_DIR})
endif()

# `cmake --build <dir> --target windows_zip` (MinGW builds): the folder a user unpacks, with the
# Qt and MinGW libraries the programs need, and marovel-<version>-win64.zip of it.
if(MINGW)
  get_filename_component(MAROVEL_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
  find_program(MAROVEL_OBJDUMP NAMES x86_64-w64-mingw32-objdump objdump)
  add_custom_target(windows_zip
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DQT_PREFIX=${MAROVEL_QT_PREFIX} -DVERSION=${PROJECT_VERSION}
            -DCXX=${CMAKE_CXX_COMPILER} -DOBJDUMP=${MAROVEL_OBJDUMP}
            -P ${CMAKE_SOURCE_DIR}/packaging/windows/package.cmake
    DEPENDS marovel marovel_console
    COMMENT "Packing marovel-${PROJECT_VERSION}-win64.zip"
    VERBATIM)
endif()
