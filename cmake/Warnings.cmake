function(vela_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast)
  # GCC 12 at -O2/-O3 reports impossible overlaps in std::string's operator+ (-Wrestrict, GCC bug
  # 105329, fixed in GCC 13); with warnings as errors it would stop the build on correct code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VELA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
