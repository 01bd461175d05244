# Installs the build BUILD with prefix /usr into the staging folder CEL
# (DESTDIR) and checks that the program, its desktop entry, the project file
# type and the icons land where the desktop looks for them.
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
  usr/share/icons/hicolor/scalable/apps/kerwano.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-kerwano-project.svg)
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
endif()
file(READ "${CEL}/usr/share/applications/kerwano.desktop" wpis)
if(NOT wpis MATCHES "\nMimeType=application/x-kerwano-project;\n" OR
   NOT wpis MATCHES "\nExec=kerwano %F\n")
  message(FATAL_ERROR "the desktop entry does not open project files: ${wpis}")
endif()
message(STATUS "installed: ${oczekiwane}")
