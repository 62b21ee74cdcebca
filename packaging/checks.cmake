# Packaging checks, run by CTest as `cmake -D... -DCHECK=<name> -P checks.cmake`:
#   stage     install the build into STAGE (DESTDIR) under PREFIX, afresh
#   files     the staged tree holds the program, launcher, metainfo, manual and every icon size
#   desktop   desktop-file-validate accepts the launcher, without a warning
#   metainfo  appstreamcli accepts the metainfo file and the staged tree as a whole
#   mime      the type of KVTML word lists: update-mime-database takes it without a word, and the
#             database it builds knows *.kvtml and a file that begins with <kvtml
#   deb       cpack builds the Debian package; its control fields and contents are as intended
# Tools are looked up when the check runs, so a missing one says which Debian package to install.
cmake_minimum_required(VERSION 3.21)

set(root ${STAGE}${PREFIX})
set(desktop_file ${root}/share/applications/${APP_ID}.desktop)
set(metainfo_file ${root}/share/metainfo/${APP_ID}.metainfo.xml)
set(mime_file ${root}/share/mime/packages/${APP_ID}.xml)

function(need_tool var name package)
  find_program(${var} ${name})
  if(NOT ${var})
    message(FATAL_ERROR "${name} not found: install the Debian package ${package} (scripts/install-deps.sh --test)")
  endif()
endfunction()

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# Runs a command; fails with its output unless it exits 0 and prints nothing matching `bad`.
function(run_clean bad)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("${out}${err}")
  if(NOT rc EQUAL 0)
    fail("`${ARGN}` exited with ${rc}")
  endif()
  if(NOT bad STREQUAL "" AND "${out}${err}" MATCHES "${bad}")
    fail("`${ARGN}` reported: ${CMAKE_MATCH_0}")
  endif()
endfunction()

# Width and height from a PNG file's IHDR chunk.
function(png_size file out_w out_h)
  file(READ ${file} sig LIMIT 8 HEX)
  if(NOT sig STREQUAL "89504e470d0a1a0a")
    fail("${file} is not a PNG file")
  endif()
  file(READ ${file} w OFFSET 16 LIMIT 4 HEX)
  file(READ ${file} h OFFSET 20 LIMIT 4 HEX)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out_w} ${w} PARENT_SCOPE)
  set(${out_h} ${h} PARENT_SCOPE)
endfunction()

# The value of `key` in the [Desktop Entry] group of a .desktop file (its actions' groups follow).
function(desktop_value file key out)
  file(READ ${file} text)
  string(REGEX REPLACE "\n\\[Desktop Action [^]]*\\].*$" "" text "${text}")
  string(REGEX MATCHALL "(^|\n)${key}=[^\n]*" lines "${text}")
  list(TRANSFORM lines REPLACE "^\n" "")
  list(LENGTH lines n)
  if(NOT n EQUAL 1)
    fail("${file}: expected one ${key}= line, found ${n}")
  endif()
  string(REGEX REPLACE "^${key}=" "" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

if(CHECK STREQUAL "stage")
  file(REMOVE_RECURSE ${STAGE})
  set(ENV{DESTDIR} ${STAGE})
  run_clean("" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

elseif(CHECK STREQUAL "files")
  set(expected
      bin/tarvo
      share/applications/${APP_ID}.desktop
      share/metainfo/${APP_ID}.metainfo.xml
      share/mime/packages/${APP_ID}.xml
      share/icons/hicolor/scalable/apps/${APP_ID}.svg
      share/man/man1/tarvo.1.gz
      share/doc/tarvo/copyright
      share/doc/tarvo/changelog.gz)
  foreach(size ${ICON_SIZES})
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  endforeach()
  foreach(path ${expected})
    if(NOT EXISTS ${root}/${path})
      fail("not installed: ${PREFIX}/${path}")
    endif()
  endforeach()
  # Nothing else: no test program, benchmark or build helper slips into the install.
  file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
  foreach(path ${installed})
    if(NOT path IN_LIST expected)
      fail("installed but not expected: ${PREFIX}/${path}")
    endif()
  endforeach()

  execute_process(COMMAND test -x ${root}/bin/tarvo RESULT_VARIABLE not_executable)
  if(not_executable)
    fail("${PREFIX}/bin/tarvo is not executable")
  endif()
  # Debian's programs carry no run-time search path: the Qt libraries are system libraries.
  find_program(readelf readelf)
  if(readelf)
    execute_process(COMMAND ${readelf} -d ${root}/bin/tarvo OUTPUT_VARIABLE dynamic COMMAND_ERROR_IS_FATAL ANY)
    if(dynamic MATCHES "\\((RPATH|RUNPATH)\\)[^\n]*")
      fail("${PREFIX}/bin/tarvo has a run-time search path: ${CMAKE_MATCH_0}")
    endif()
  endif()
  foreach(size ${ICON_SIZES})
    png_size(${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png w h)
    if(NOT w EQUAL size OR NOT h EQUAL size)
      fail("the ${size}x${size} icon is ${w}x${h}")
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ICON_SOURCE}
                          ${root}/share/icons/hicolor/scalable/apps/${APP_ID}.svg RESULT_VARIABLE differs)
  if(differs)
    fail("the scalable icon differs from ${ICON_SOURCE}")
  endif()

  # The launcher starts the installed program, with the word lists a file manager opens in it,
  # for their types, and names the installed icon.
  desktop_value(${desktop_file} Exec exec)
  if(NOT exec STREQUAL "tarvo %F")
    fail("Exec=${exec}, expected tarvo %F")
  endif()
  # (Read whole: its semicolons would make a CMake list of it.)
  file(READ ${desktop_file} entry)
  string(REGEX MATCH "\nMimeType=[^\n]*" types "${entry}")
  foreach(type application/x-kvtml text/csv)
    if(NOT types MATCHES "[=;]${type};")
      fail("the launcher's MimeType lacks ${type}")
    endif()
  endforeach()
  desktop_value(${desktop_file} Icon icon)
  if(NOT icon STREQUAL APP_ID)
    fail("Icon=${icon}, expected ${APP_ID}")
  endif()
  # The metainfo launches this launcher, and its newest release is the version being built.
  file(READ ${metainfo_file} xml)
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
    fail("the metainfo does not launch ${APP_ID}.desktop")
  endif()
  if(NOT xml MATCHES "<release version=\"([^\"]+)\"")
    fail("the metainfo lists no release")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("the newest release in the metainfo is ${CMAKE_MATCH_1}, the project is ${VERSION}")
  endif()

elseif(CHECK STREQUAL "desktop")
  need_tool(validate desktop-file-validate desktop-file-utils)
  run_clean("error|warning|hint" ${validate} ${desktop_file})
  # The launcher speaks German too, its quick review included.
  file(READ ${desktop_file} entry)
  foreach(key "Name[de]=" "Comment[de]=" "Keywords[de]=" "GenericName[de]=")
    string(REPLACE "[" "\\[" key_re "${key}")
    string(REGEX MATCHALL "\n${key_re}[^\n]+" found "${entry}")
    list(LENGTH found n)
    if(n LESS 1 OR (key STREQUAL "Name[de]=" AND n LESS 2))
      fail("the launcher lacks ${key}")
    endif()
  endforeach()

elseif(CHECK STREQUAL "metainfo")
  need_tool(appstreamcli appstreamcli appstream)
  run_clean("" ${appstreamcli} validate --no-net --explain ${metainfo_file})
  file(READ ${metainfo_file} meta)
  foreach(want "<summary xml:lang=\"de\">" "<p xml:lang=\"de\">" "<li xml:lang=\"de\">")
    string(FIND "${meta}" "${want}" at)
    if(at EQUAL -1)
      fail("the metainfo lacks ${want}")
    endif()
  endforeach()
  # The tree as a whole: the metainfo together with the launcher it names.
  run_clean("" ${appstreamcli} validate-tree --no-net --explain ${root})

elseif(CHECK STREQUAL "mime")
  need_tool(update update-mime-database shared-mime-info)
  file(REMOVE_RECURSE ${OUT})
  file(COPY ${mime_file} DESTINATION ${OUT}/packages)
  run_clean("[Ww]arning|[Ee]rror|[Ii]nvalid|[Uu]nknown" ${update} -V ${OUT})
  file(READ ${OUT}/globs2 globs)
  if(NOT globs MATCHES "application/x-kvtml:\\*\\.kvtml")
    fail("the database has no glob *.kvtml for application/x-kvtml:\n${globs}")
  endif()
  if(NOT EXISTS ${OUT}/application/x-kvtml.xml)
    fail("the database has no application/x-kvtml")
  endif()
  file(READ ${OUT}/magic magic HEX)
  string(HEX "application/x-kvtml" type_hex)
  string(HEX "<kvtml" kvtml_hex)
  string(TOLOWER "${type_hex}" type_hex)
  string(TOLOWER "${kvtml_hex}" kvtml_hex)
  if(NOT magic MATCHES "${type_hex}" OR NOT magic MATCHES "${kvtml_hex}")
    fail("the database has no magic <kvtml for application/x-kvtml")
  endif()

elseif(CHECK STREQUAL "deb")
  need_tool(dpkg_deb dpkg-deb dpkg)
  need_tool(shlibdeps dpkg-shlibdeps dpkg-dev)
  file(REMOVE_RECURSE ${OUT})
  run_clean("" ${CMAKE_COMMAND} -E chdir ${BUILD_DIR} ${CMAKE_CPACK_COMMAND} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake)
  file(GLOB debs ${OUT}/tarvo_*.deb)
  list(LENGTH debs n)
  if(NOT n EQUAL 1)
    fail("expected one tarvo_*.deb in ${OUT}, found ${n}")
  endif()

  execute_process(COMMAND ${dpkg_deb} --field ${debs} Package Version Section Maintainer Depends Recommends
                  OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
  message("${fields}")
  foreach(want "Package: tarvo\n" "Version: ${VERSION}\n" "Section: education\n"
               "Maintainer: The Tarvo team <tarvo@example.org>\n")
    string(FIND "${fields}" "${want}" at)
    if(at EQUAL -1)
      fail("the package's control lacks `${want}`")
    endif()
  endforeach()
  # Filled in by dpkg-shlibdeps from the program's libraries, plus the run-time fonts and plugins.
  string(REGEX MATCH "Depends: [^\n]*" depends "${fields}")
  foreach(dep libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation
              libqt6sql6 libqt6sql6-sqlite libqt6texttospeech6 qt6-speech-speechd-plugin qt6-translations-l10n)
    if(NOT depends MATCHES "[ ,]${dep}( |,|$)")
      fail("the package does not depend on ${dep}")
    endif()
  endforeach()
  # The speech daemon and the Hungarian voice are recommended, not required: without them the
  # program runs silent; so is the Wayland platform plugin, without which it runs through XWayland.
  string(REGEX MATCH "Recommends: [^\n]*" recommends "${fields}")
  foreach(rec speech-dispatcher speech-dispatcher-espeak-ng qt6-wayland)
    if(NOT recommends MATCHES "[ ,]${rec}( |,|$)")
      fail("the package does not recommend ${rec}")
    endif()
    if(depends MATCHES "[ ,]${rec}( |,|$)")
      fail("the package depends on ${rec}, which it should only recommend")
    endif()
  endforeach()

  execute_process(COMMAND ${dpkg_deb} --contents ${debs} OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
  foreach(path usr/bin/tarvo usr/share/applications/${APP_ID}.desktop usr/share/metainfo/${APP_ID}.metainfo.xml
               usr/share/mime/packages/${APP_ID}.xml
               usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
               usr/share/doc/tarvo/copyright)
    string(FIND "${contents}" " ./${path}\n" at)
    if(at EQUAL -1)
      fail("the package lacks /${path}")
    endif()
  endforeach()

else()
  fail("unknown CHECK '${CHECK}'")
endif()
