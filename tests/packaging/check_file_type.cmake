# The file types of saved readings: the shared-mime-info definition, compiled by the system's own
# tool, gives *.ved and *.vela their reading types, and the menu entry and the metainfo name those
# same types, so a double-clicked .ved or .vela file opens in the program.
# Arguments: -DUPDATE_MIME_DATABASE=<tool> -DMIME_XML=<definition> -DDESKTOP_FILE=<entry>
#            -DMETAINFO=<metainfo file> -DWORK=<scratch folder>
cmake_minimum_required(VERSION 3.25)
set(types "application/x-vela-upagrahas-reading" "application/x-vela-upagrahas-reading+json")
set(patterns "*.ved" "*.vela")

file(REMOVE_RECURSE ${WORK})
file(COPY ${MIME_XML} DESTINATION ${WORK}/packages)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning|[Ii]gnoring")
  file(REMOVE_RECURSE ${WORK})
  message(FATAL_ERROR "update-mime-database refused ${MIME_XML} (${status}): ${errors}")
endif()
file(STRINGS ${WORK}/globs2 globs)
file(REMOVE_RECURSE ${WORK})
foreach(type pattern IN ZIP_LISTS types patterns)
  if(NOT "50:${type}:${pattern}" IN_LIST globs)
    message(FATAL_ERROR "${pattern} is not given the type ${type}; the compiled patterns are: ${globs}")
  endif()
endforeach()

file(STRINGS ${DESKTOP_FILE} entry)
list(JOIN types ";" declared)
if(NOT "MimeType=${declared};" IN_LIST entry)
  message(FATAL_ERROR "${DESKTOP_FILE} does not declare MimeType=${declared};")
endif()
if(NOT "Exec=vela-upagrahas %f" IN_LIST entry)
  message(FATAL_ERROR "${DESKTOP_FILE} does not hand the opened file to the program (Exec=vela-upagrahas %f)")
endif()

file(READ ${METAINFO} metainfo)
foreach(type IN LISTS types)
  string(REPLACE "+" "\\+" typeRegex "${type}")
  if(NOT metainfo MATCHES "<mediatype>${typeRegex}</mediatype>")
    message(FATAL_ERROR "${METAINFO} does not provide the media type ${type}")
  endif()
endforeach()
