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
