# Checks a manual page against its program, so the two cannot drift apart:
#  - every flag in the program's own --help has an entry of its own under OPTIONS, and every entry
#    there is a flag the program still takes;
#  - --version prints "<program> <VERSION>";
#  - an unknown flag is refused with the exit status the page gives (UNKNOWN_STATUS).
# Arguments: -DPROGRAM=<executable> -DNAME=<program name> -DPAGE=<roff file> -DVERSION=<version>
#            -DUNKNOWN_STATUS=<status>

cmake_minimum_required(VERSION 3.25)

# The flags written in a list of texts: one or two dashes and a name, after a blank, comma or quote.
function(flags_in texts out)
  set(flags)
  foreach(text IN LISTS texts)
    string(REGEX MATCHALL "(^|[ ,\"])--?[A-Za-z][A-Za-z0-9-]*" found "${text}")
    foreach(flag IN LISTS found)
      string(REGEX REPLACE "^[ ,\"]" "" flag "${flag}")
      list(APPEND flags ${flag})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES flags)
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

# The flags in the first column of each option line of a help text ("  -h,--help", "  -h, --help",
# "  --name NAME").
function(flags_of_help text out)
  string(REPLACE ";" "," text "\n${text}")
  string(REGEX MATCHALL "\n  -[^\n]*" lines "${text}")
  set(columns)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n  " "" line "${line}")
    string(REGEX REPLACE "  .*" "" line "${line}")
    list(APPEND columns "${line}")
  endforeach()
  flags_in("${columns}" flags)
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

# The flags named in the headings of the items (.TP) of the page's OPTIONS section.
function(flags_of_page page out)
  file(READ ${page} roff)
  string(REPLACE ";" "," roff "${roff}")
  string(REGEX REPLACE "\\\\f(\\[[^]]*\\]|\\([A-Z][A-Z]|[A-Z])" "" roff "${roff}")  # font changes
  string(REPLACE "\\-" "-" roff "${roff}")
  if(NOT roff MATCHES "\n\\.SH OPTIONS\n(.*)")
    message(FATAL_ERROR "${page} has no OPTIONS section")
  endif()
  string(REGEX REPLACE "\n\\.SH .*" "" options "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "\\.TP\n[^\n]*" headings "${options}")
  flags_in("${headings}" flags)
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE errors
                TIMEOUT 30)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NAME} --help failed (${status}): ${errors}")
endif()
flags_of_help("${help}" program_flags)
flags_of_page(${PAGE} page_flags)
# A help text whose layout the reading above no longer understands must not pass as "no flags".
foreach(flag --help --version)
  if(NOT flag IN_LIST program_flags)
    message(FATAL_ERROR "no ${flag} found in the help of ${NAME}:\n${help}")
  endif()
endforeach()

set(problems "")
foreach(flag IN LISTS program_flags)
  if(NOT flag IN_LIST page_flags)
    string(APPEND problems "  ${flag} is in ${NAME} --help but has no entry under OPTIONS in ${PAGE}\n")
  endif()
endforeach()
foreach(flag IN LISTS page_flags)
  if(NOT flag IN_LIST program_flags)
    string(APPEND problems "  ${flag} has an entry in ${PAGE} but is not in ${NAME} --help\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "the manual page and the program disagree:\n${problems}")
endif()

execute_process(COMMAND ${PROGRAM} --version RESULT_VARIABLE status OUTPUT_VARIABLE version_line TIMEOUT 30)
string(REGEX REPLACE "\n.*" "\n" version_line "${version_line}")  # the first line; the licence follows
if(NOT status EQUAL 0 OR NOT version_line STREQUAL "${NAME} ${VERSION}\n")
  message(FATAL_ERROR "${NAME} --version printed \"${version_line}\" (status ${status}), not \"${NAME} ${VERSION}\"")
endif()

# Refusing a flag may need the window system up (the desktop program's toolkit takes its own
# flags first); the offscreen one needs no display.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --no-such-flag
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors TIMEOUT 30)
if(NOT status EQUAL UNKNOWN_STATUS OR NOT errors MATCHES "no-such-flag")
  message(FATAL_ERROR "${NAME} --no-such-flag ended with status ${status}, not ${UNKNOWN_STATUS}, saying: ${errors}")
endif()
