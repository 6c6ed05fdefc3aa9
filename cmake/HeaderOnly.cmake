# A header-only library from Debian's packages (fmt, fast_float, nlohmann-json) as an INTERFACE
# target of its own, seen through a folder that links only its headers: the web preset's compiler
# takes them from there without the rest of /usr/include, whose C library is not its own.
function(vela_header_only_library name header)
  find_path(VELA_${name}_INCLUDE_DIR ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  string(REGEX REPLACE "/.*" "" top ${header})
  set(dir ${PROJECT_BINARY_DIR}/header_only/${name})
  file(MAKE_DIRECTORY ${dir})
  file(CREATE_LINK ${VELA_${name}_INCLUDE_DIR}/${top} ${dir}/${top} SYMBOLIC)
  add_library(vela_${name} INTERFACE)
  target_include_directories(vela_${name} SYSTEM INTERFACE ${dir})
endfunction()
