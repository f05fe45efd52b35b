# Includes point one way: app -> qt -> ui -> core. Run as
#   cmake -DSORGENTI=<src folder> -P strati.cmake
# Fails naming every file and line that includes against the direction.

cmake_minimum_required(VERSION 3.22)

# Per folder: the folders whose headers it may include ("." = a generated
# header such as config.h), and whether it may include Qt.
set(permessi_core "core")
set(permessi_ui "core;ui;.")
set(permessi_qt "core;ui;qt;.")
set(permessi_app "core;ui;qt;app;.")
set(qt_core NO)
set(qt_ui YES)
set(qt_qt YES)
set(qt_app YES)

set(violazioni "")
foreach(strato core ui qt app)
  file(GLOB_RECURSE files "${SORGENTI}/${strato}/*.h" "${SORGENTI}/${strato}/*.cpp"
                          "${SORGENTI}/${strato}/*.def")
  foreach(f ${files})
    file(STRINGS "${f}" righe)
    set(n 0)
    foreach(riga IN LISTS righe)
      math(EXPR n "${n} + 1")
      if(riga MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"")
        set(incluso "${CMAKE_MATCH_1}")
        set(cartella ".")
        if(incluso MATCHES "^([^/]*)/")
          set(cartella "${CMAKE_MATCH_1}")
        endif()
        if(NOT cartella IN_LIST permessi_${strato})
          list(APPEND violazioni "${f}:${n}: ${strato}/ includes \"${incluso}\"")
        endif()
      elseif(riga MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[^>]*)>" AND NOT qt_${strato})
        list(APPEND violazioni "${f}:${n}: ${strato}/ includes Qt <${CMAKE_MATCH_1}>")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violazioni)
  list(JOIN violazioni "\n" testo)
  message(FATAL_ERROR "Includes against the layers (app -> qt -> ui -> core):\n${testo}")
endif()
