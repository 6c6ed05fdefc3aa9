# Installs the build into a scratch prefix and checks the desktop program's files are there.
cmake_policy(SET CMP0057 NEW)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file
    bin/vela-upagrahas
    share/vela-upagrahas/help.html
    share/vela-upagrahas/screenshot-form.png
    share/vela-upagrahas/screenshot-report.png
    share/vela-upagrahas/screenshot-atlas.png
    share/vela-upagrahas/screenshot-working.png
    share/icons/hicolor/256x256/apps/vela-upagrahas.png
    share/applications/vela-upagrahas.desktop)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(STRINGS ${PREFIX}/share/applications/vela-upagrahas.desktop entry)
foreach(line "Exec=vela-upagrahas" "Icon=vela-upagrahas" "Type=Application")
  if(NOT "${line}" IN_LIST entry)
    message(FATAL_ERROR "the menu entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
