# Installs the build into a scratch prefix and checks that every file a user's system looks for is
# there: the programs, their manual pages and completion, the menu entry with its icons, the file
# type of readings, the software-centre metadata, and the documents.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(files
    bin/vela-upagrahas
    share/man/man1/vela-upagrahas.1.gz
    share/vela-upagrahas/help.html
    share/vela-upagrahas/help_hi.html
    share/vela-upagrahas/help_ta.html
    share/vela-upagrahas/screenshot-form.png
    share/vela-upagrahas/screenshot-report.png
    share/vela-upagrahas/screenshot-atlas.png
    share/vela-upagrahas/screenshot-working.png
    share/vela-upagrahas/screenshot-chart.png
    share/vela-upagrahas/screenshot-table.png
    share/vela-upagrahas/screenshot-pdf.png
    share/vela-upagrahas/translations/vela-upagrahas_en.qm
    share/icons/hicolor/256x256/apps/vela-upagrahas.png
    share/icons/hicolor/scalable/apps/vela-upagrahas.svg
    share/applications/vela-upagrahas.desktop
    share/mime/packages/vela-upagrahas.xml
    share/metainfo/example.vela_upagrahas.VelaUpagrahas.metainfo.xml
    share/doc/vela-upagrahas/copyright
    share/doc/vela-upagrahas/changelog.gz
    share/doc/vela-upagrahas/reading-file.md
    # links to the help page the program reads, which must resolve
    share/doc/vela-upagrahas/help.html
    share/doc/vela-upagrahas/screenshot-report.png)
if(WITH_CLI)
  list(APPEND files
       bin/vela-upagrahas-cli
       share/man/man1/vela-upagrahas-cli.1.gz
       share/bash-completion/completions/vela-upagrahas-cli
       share/doc/vela-upagrahas/cli.md)
endif()
foreach(file IN LISTS files)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Every catalogue in translations/ is compiled and installed, whatever its language, so a language
# is added by adding its .ts file (the build finds the files; it keeps no list of them).
file(GLOB catalogues ${SOURCE_DIR}/translations/vela-upagrahas_*.ts)
list(LENGTH catalogues catalogue_count)
if(catalogue_count LESS 3)
  message(FATAL_ERROR "found ${catalogue_count} catalogues in ${SOURCE_DIR}/translations, expected en, hi, ta at least")
endif()
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name ${catalogue} NAME_WE)
  if(NOT EXISTS ${PREFIX}/share/vela-upagrahas/translations/${name}.qm)
    message(FATAL_ERROR "${name}.ts is not compiled and installed as share/vela-upagrahas/translations/${name}.qm")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/vela-upagrahas.desktop entry)
foreach(line "Exec=vela-upagrahas %f" "Icon=vela-upagrahas" "Type=Application"
             "MimeType=application/x-vela-upagrahas-reading;application/x-vela-upagrahas-reading+json;")
  if(NOT "${line}" IN_LIST entry)
    message(FATAL_ERROR "the menu entry lacks ${line}")
  endif()
endforeach()

# The icon in the 256x256 folder is 256 by 256 pixels: the PNG header's width and height.
file(READ ${PREFIX}/share/icons/hicolor/256x256/apps/vela-upagrahas.png header OFFSET 12 LIMIT 12 HEX)
if(NOT header STREQUAL "494844520000010000000100")
  message(FATAL_ERROR "the 256 px icon is not a 256 x 256 PNG (IHDR, width, height: ${header})")
endif()

# The manual pages are gzip data, as man reads them, each holding the page of its program.
foreach(page vela-upagrahas vela-upagrahas-cli)
  if(page STREQUAL "vela-upagrahas-cli" AND NOT WITH_CLI)
    continue()
  endif()
  execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man1/${page}.1.gz RESULT_VARIABLE result OUTPUT_VARIABLE roff)
  string(TOUPPER "${page}" title)
  string(REPLACE "-" "\\-" title "${title}")
  string(FIND "${roff}" "\n.TH ${title} 1 " at)
  if(NOT result EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "the installed ${page}.1.gz is not the gzipped manual page of ${page}(1)")
  endif()
endforeach()
# The file type the menu entry declares is the one the installed shared-mime-info definition gives
# to *.ved.
file(READ ${PREFIX}/share/mime/packages/vela-upagrahas.xml mime)
if(NOT mime MATCHES "type=\"application/x-vela-upagrahas-reading\"" OR NOT mime MATCHES "pattern=\"\\*\\.ved\"")
  message(FATAL_ERROR "the installed file type does not give *.ved the type of readings:\n${mime}")
endif()
file(REMOVE_RECURSE ${PREFIX})
