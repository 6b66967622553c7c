# The run-time libraries of the MinGW compiler's posix-threads variant, which every Windows
# program of the build needs beside it. Used by the build and by the zip packing (script mode).
set(MAROVEL_MINGW_RUNTIME_LIBRARIES libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)

# The path of one of them for the compiler `cxx`: the compiler knows its own; winpthreads comes
# with Debian's MinGW run-time package.
function(marovel_mingw_runtime_path cxx library out)
  execute_process(COMMAND ${cxx} -print-file-name=${library} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    set(path /usr/x86_64-w64-mingw32/lib/${library})
  endif()
  set(${out} ${path} PARENT_SCOPE)
endfunction()
