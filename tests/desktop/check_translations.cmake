# Fails when translations/vela-upagrahas_en.ts has fallen behind the sources: lupdate, run over a
# copy of it with the options the build uses, must leave the copy exactly as it was. A text marked
# with tr() but missing from the catalogue would be added; a text gone from the sources would be
# dropped. Either way the catalogue is regenerated with `ninja -C build update_translations`.
foreach(var LUPDATE OPTIONS SOURCES_LIST CATALOGUE WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_translations.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT EXISTS ${CATALOGUE})
  message(FATAL_ERROR "${CATALOGUE} is missing; make it with `ninja update_translations`")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${CATALOGUE} NAME)
set(copy ${WORK_DIR}/${name})
file(READ ${CATALOGUE} committed)
file(WRITE ${copy} "${committed}")

execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES_LIST} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${output}\n${errors}")
endif()

string(REGEX MATCHALL "<message>" committed_messages "${committed}")
list(LENGTH committed_messages committed_count)
file(READ ${copy} current)
string(REGEX MATCHALL "<message>" current_messages "${current}")
list(LENGTH current_messages current_count)
if(current_count EQUAL 0)
  message(FATAL_ERROR "lupdate found no texts marked for translation in the sources")
endif()
if(NOT committed STREQUAL current)
  message(FATAL_ERROR "${CATALOGUE} is stale: the sources have ${current_count} texts for translation, "
                      "the catalogue ${committed_count} (or other texts). lupdate said:\n${output}\n"
                      "Regenerate it with `ninja -C build update_translations` and commit it.")
endif()
message(STATUS "${name}: ${committed_count} texts, as the sources have them")
