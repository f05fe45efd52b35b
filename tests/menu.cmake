# The menu entry passes for desktop-file-validate and declares the sentence
# files it opens, so a file manager offers "Open with Aggettivi" on them.
#   cmake -DMENU=<file.desktop> -DVALIDA=<desktop-file-validate> -P menu.cmake
execute_process(COMMAND "${VALIDA}" "${MENU}" RESULT_VARIABLE esito OUTPUT_VARIABLE uscita
                ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0 OR NOT uscita STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${MENU}:\n${uscita}")
endif()
file(STRINGS "${MENU}" righe)
# Only the main entry's keys: the action's Exec takes no file.
set(principale TRUE)
foreach(r IN LISTS righe)
  if(r MATCHES "^\\[Desktop Action")
    set(principale FALSE)
  elseif(principale AND r MATCHES "^MimeType=(.*)")
    set(tipi "${CMAKE_MATCH_1}")
  elseif(principale AND r MATCHES "^Exec=(.*)")
    set(exec "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT tipi MATCHES "(^|;)text/plain;")
  message(FATAL_ERROR "the menu entry does not open text/plain files: MimeType=${tipi}")
endif()
if(NOT exec MATCHES " %F$")
  message(FATAL_ERROR "the menu entry's Exec does not take the files (%F): ${exec}")
endif()
