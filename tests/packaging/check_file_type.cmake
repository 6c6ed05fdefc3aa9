# The file type of saved readings: the shared-mime-info definition, compiled by the system's own
# tool, gives *.ved the reading type, and the menu entry and the metainfo name that same type, so a
# double-clicked .ved file opens in the program.
# Arguments: -DUPDATE_MIME_DATABASE=<tool> -DMIME_XML=<definition> -DDESKTOP_FILE=<entry>
#            -DMETAINFO=<metainfo file> -DWORK=<scratch folder>
cmake_minimum_required(VERSION 3.25)
set(type "application/x-vela-upagrahas-reading")

file(REMOVE_RECURSE ${WORK})
file(COPY ${MIME_XML} DESTINATION ${WORK}/packages)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning|[Ii]gnoring")
  file(REMOVE_RECURSE ${WORK})
  message(FATAL_ERROR "update-mime-database refused ${MIME_XML} (${status}): ${errors}")
endif()
file(STRINGS ${WORK}/globs2 globs)
file(REMOVE_RECURSE ${WORK})
if(NOT "50:${type}:*.ved" IN_LIST globs)
  message(FATAL_ERROR "*.ved is not given the type ${type}; the compiled patterns are: ${globs}")
endif()

file(STRINGS ${DESKTOP_FILE} entry)
if(NOT "MimeType=${type};" IN_LIST entry)
  message(FATAL_ERROR "${DESKTOP_FILE} does not declare MimeType=${type};")
endif()
if(NOT "Exec=vela-upagrahas %f" IN_LIST entry)
  message(FATAL_ERROR "${DESKTOP_FILE} does not hand the opened file to the program (Exec=vela-upagrahas %f)")
endif()

file(READ ${METAINFO} metainfo)
if(NOT metainfo MATCHES "<mediatype>${type}</mediatype>")
  message(FATAL_ERROR "${METAINFO} does not provide the media type ${type}")
endif()
