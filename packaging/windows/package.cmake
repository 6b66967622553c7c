# Lays out the folder a Windows user unpacks, BUILD_DIR/marovel-VERSION-win64, and packs it into
# BUILD_DIR/marovel-VERSION-win64.zip: the two programs, the Qt libraries and plugins, the MinGW
# run-time libraries, the help pages, the README and the licence texts. Every library that a
# program or plugin in the folder imports must be in the folder or be part of Windows; otherwise
# the packing fails and names it.
#   cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DQT_PREFIX=... -DVERSION=... -DCXX=<g++> \
#         -DOBJDUMP=<objdump> -P package.cmake
cmake_minimum_required(VERSION 3.20)
foreach(var SOURCE_DIR BUILD_DIR QT_PREFIX VERSION CXX OBJDUMP)
  if(NOT ${var})
    message(FATAL_ERROR "package.cmake: ${var} is not set")
  endif()
endforeach()

set(name marovel-${VERSION}-win64)
set(stage ${BUILD_DIR}/${name})
file(REMOVE_RECURSE ${stage} ${BUILD_DIR}/${name}.zip)
file(MAKE_DIRECTORY ${stage}/licenses)

function(copy_into folder)
  foreach(file ${ARGN})
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "package.cmake: ${file} is missing")
    endif()
    file(COPY ${file} DESTINATION ${stage}/${folder})
  endforeach()
endfunction()

copy_into(. ${BUILD_DIR}/marovel.exe ${BUILD_DIR}/marovel.com)
copy_into(. ${QT_PREFIX}/bin/Qt6Core.dll ${QT_PREFIX}/bin/Qt6Gui.dll ${QT_PREFIX}/bin/Qt6Widgets.dll)
# The windowless modes (--print-table, --import, --screenshot ...) use the offscreen platform.
copy_into(platforms ${QT_PREFIX}/plugins/platforms/qwindows.dll
          ${QT_PREFIX}/plugins/platforms/qoffscreen.dll)
copy_into(styles ${QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll)

# The run-time libraries of the compiler's posix-threads variant, which built the programs.
include(${SOURCE_DIR}/cmake/mingwRuntime.cmake)
foreach(library ${MAROVEL_MINGW_RUNTIME_LIBRARIES})
  marovel_mingw_runtime_path(${CXX} ${library} path)
  copy_into(. ${path})
endforeach()

copy_into(. ${SOURCE_DIR}/README.md)
file(COPY ${SOURCE_DIR}/help DESTINATION ${stage})

# Licence texts: Qt under the LGPL 3 (which builds on the GPL 3), the GCC run-time libraries under
# the GPL 3 with the GCC Runtime Library Exception, the MinGW-w64 run time (winpthreads).
function(licence source target)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "package.cmake: licence text ${source} is missing")
  endif()
  configure_file(${source} ${stage}/licenses/${target} COPYONLY)
endfunction()
if(EXISTS ${QT_PREFIX}/LICENSE.LGPL3)
  licence(${QT_PREFIX}/LICENSE.LGPL3 Qt-LGPL-3.0.txt)
else()
  licence(/usr/share/common-licenses/LGPL-3 Qt-LGPL-3.0.txt)
endif()
licence(/usr/share/common-licenses/GPL-3 GPL-3.0.txt)
licence(/usr/share/doc/gcc-mingw-w64-base/copyright GCC-runtime-libraries.txt)
licence(/usr/share/doc/mingw-w64-x86-64-dev/copyright MinGW-w64-runtime.txt)

# Every import of every program and library must be satisfied: by the folder, by a plugin
# library that Qt loads from it, or by Windows itself.
set(system_libraries
  advapi32 authz comctl32 comdlg32 d2d1 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 kernel32
  mpr msvcrt netapi32 ntdll ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv
  uxtheme version winmm ws2_32 wtsapi32)
file(GLOB_RECURSE binaries ${stage}/*.dll ${stage}/*.exe ${stage}/*.com)
set(present "")
foreach(binary ${binaries})
  get_filename_component(file ${binary} NAME)
  string(TOLOWER ${file} file)
  list(APPEND present ${file})
endforeach()
set(missing "")
foreach(binary ${binaries})
  execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "package.cmake: ${OBJDUMP} cannot read ${binary}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import ${imports})
    string(REGEX REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    string(REGEX REPLACE "\\.dll$" "" base "${dll}")
    if(dll IN_LIST present OR base IN_LIST system_libraries OR dll MATCHES "^api-ms-win-")
      continue()
    endif()
    list(APPEND missing "${dll} (for ${binary})")
  endforeach()
endforeach()
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "package.cmake: libraries the folder lacks:\n  ${text}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${name}.zip --format=zip ${name}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS ${BUILD_DIR}/${name}.zip)
  message(FATAL_ERROR "package.cmake: cannot write ${BUILD_DIR}/${name}.zip")
endif()
list(LENGTH binaries count)
message("wrote ${BUILD_DIR}/${name}.zip (${count} programs and libraries)")
