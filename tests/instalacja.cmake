# Installs the build BUILD with prefix /usr into the staging folder CEL
# (DESTDIR) and checks that the program, its desktop entry, the project file
# type, the icons and the software centre entry land where the desktop looks
# for them, with the manual pages and the package documents beside them.
# Run: cmake -DBUILD=<build dir> -DCEL=<folder> -P instalacja.cmake
if(NOT BUILD OR NOT CEL)
  message(FATAL_ERROR "usage: cmake -DBUILD=<build dir> -DCEL=<folder> -P instalacja.cmake")
endif()

file(REMOVE_RECURSE "${CEL}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${CEL}"
          "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr
  RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${wynik}")
endif()

set(oczekiwane
  usr/bin/kerwano
  usr/share/applications/kerwano.desktop
  usr/share/mime/packages/kerwano.xml
  usr/share/metainfo/example.kerwano.Kerwano.metainfo.xml
  usr/share/man/man1/kerwano.1.gz
  usr/share/man/pl/man1/kerwano.1.gz
  usr/share/doc/kerwano/copyright
  usr/share/doc/kerwano/changelog.gz
  usr/share/doc/kerwano/pomoc.html
  usr/share/icons/hicolor/scalable/apps/kerwano.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-kerwano-project.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-kerwano-risk.svg)
foreach(plik IN LISTS oczekiwane)
  if(NOT EXISTS "${CEL}/${plik}")
    message(FATAL_ERROR "not installed: /${plik}")
  endif()
endforeach()
execute_process(COMMAND test -x "${CEL}/usr/bin/kerwano" RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "/usr/bin/kerwano is not executable")
endif()

# Nothing else is installed.
file(GLOB_RECURSE wszystkie RELATIVE "${CEL}" "${CEL}/*")
list(SORT wszystkie)
list(SORT oczekiwane)
if(NOT wszystkie STREQUAL oczekiwane)
  message(FATAL_ERROR "installed files: ${wszystkie}")
endif()

# The installed type gives *.kwp, in any case, to the program's desktop entry.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "XDG_DATA_DIRS=${CEL}/usr/share"
            "${UPDATE_MIME}" "${CEL}/usr/share/mime"
    RESULT_VARIABLE wynik)
  file(READ "${CEL}/usr/share/mime/globs2" globy)
  if(NOT wynik EQUAL 0 OR NOT globy MATCHES "\n[0-9]+:application/x-kerwano-project:\\*\\.kwp\n")
    message(FATAL_ERROR "update-mime-database does not map *.kwp: ${globy}")
  endif()
  if(globy MATCHES "x-kerwano-project:\\*\\.kwp:cs")
    message(FATAL_ERROR "the *.kwp pattern is case-sensitive")
  endif()
  if(NOT globy MATCHES "\n[0-9]+:application/x-kerwano-risk:\\*\\.kwr\n")
    message(FATAL_ERROR "update-mime-database does not map *.kwr: ${globy}")
  endif()
endif()
file(READ "${CEL}/usr/share/applications/kerwano.desktop" wpis)
if(NOT wpis MATCHES "\nMimeType=application/x-kerwano-project;application/x-kerwano-risk;\n" OR
   NOT wpis MATCHES "\nExec=kerwano %F\n")
  message(FATAL_ERROR "the desktop entry does not open project files: ${wpis}")
endif()
# The software centre finds the program, its desktop entry and its file type.
file(READ "${CEL}/usr/share/metainfo/example.kerwano.Kerwano.metainfo.xml" info)
foreach(wzor IN ITEMS "<launchable type=\"desktop-id\">kerwano.desktop</launchable>"
        "<binary>kerwano</binary>" "<mediatype>application/x-kerwano-project</mediatype>"
        "<mediatype>application/x-kerwano-risk</mediatype>")
  string(FIND "${info}" "${wzor}" gdzie)
  if(gdzie LESS 0)
    message(FATAL_ERROR "the metainfo file lacks ${wzor}")
  endif()
endforeach()
message(STATUS "installed: ${oczekiwane}")
