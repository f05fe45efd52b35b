# Installs the build into a fresh DESTDIR with the prefix /usr and runs the
# installed program there: it must load its sound module and every sound from
# the installed folders, never from the build tree it was made in.
#   cmake -DCOSTRUZIONE=<build> -DDESTINAZIONE=<dir> -DSUONI=<names> -DLIBDIR=.. -DDATADIR=..
#         -DID=<metainfo id> -P installato.cmake
foreach(v COSTRUZIONE DESTINAZIONE SUONI LIBDIR DATADIR ID)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "installato.cmake: ${v} not given")
  endif()
endforeach()

file(REMOVE_RECURSE "${DESTINAZIONE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${DESTINAZIONE}"
          ${CMAKE_COMMAND} --install "${COSTRUZIONE}" --prefix /usr
  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "install failed (${esito}):\n${uscita}${errori}")
endif()

set(usr "${DESTINAZIONE}/usr")
# What a desktop and a distribution look for beside the program.
foreach(f bin/aggettivi share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml
          share/icons/hicolor/scalable/apps/aggettivi.svg share/man/man1/aggettivi.1.gz
          share/man/it/man1/aggettivi.1.gz share/doc/aggettivi/copyright
          share/doc/aggettivi/changelog.Debian.gz)
  if(NOT EXISTS "${usr}/${f}")
    message(FATAL_ERROR "not installed: /usr/${f}")
  endif()
endforeach()
list(JOIN SUONI "," elenco)
# This checks where files are found. Qt Multimedia's sample cache, still
# loading on another thread when the program quits at once, is sometimes
# reported as leaked by a sanitized build: not the question asked here.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "AGGETTIVI_DIAGNOSI_SUONI=${elenco}"
          "ASAN_OPTIONS=detect_leaks=0" "${usr}/bin/aggettivi"
  WORKING_DIRECTORY "${DESTINAZIONE}"
  TIMEOUT 60
  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
message("${uscita}")
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "the installed program failed (${esito}):\n${errori}")
endif()

# Exactly these lines, in this order: a module or a sound from anywhere else
# (the build tree, a copy beside the program) or a missing one fails.
file(REAL_PATH "${usr}/${LIBDIR}/aggettivi/libaggettivi_suoni.so" modulo)
set(atteso "modulo ${modulo}\n")
foreach(n IN LISTS SUONI)
  string(APPEND atteso "suono ${n} ${usr}/${DATADIR}/aggettivi/suoni/${n}.wav\n")
endforeach()
if(NOT uscita STREQUAL atteso)
  message(FATAL_ERROR "expected:\n${atteso}got:\n${uscita}${errori}")
endif()
list(LENGTH SUONI quanti)
message("the installed program uses its installed module and ${quanti} sounds")
