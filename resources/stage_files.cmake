# Copies SOURCE to DESTINATION unless DESTINATION exists already.
function(copy_if_missing source destination)
  if(NOT EXISTS "${destination}")
    get_filename_component(folder "${destination}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${source}" "${destination}")
  endif()
endfunction()

foreach(folder log data output ini pic)
  file(MAKE_DIRECTORY "${APP_DIR}/${folder}")
endforeach()

foreach(i RANGE 0 9)
  copy_if_missing("${GENERATED_DIR}/pic${i}.jpg" "${APP_DIR}/pic/pic${i}.jpg")
endforeach()
copy_if_missing("${SOURCE_DIR}/Pelorin.ini" "${APP_DIR}/ini/Pelorin.ini")
copy_if_missing("${SOURCE_DIR}/info.tpl" "${APP_DIR}/info.tpl")

# Desktop integration files are the program's own: always refreshed.
file(COPY_FILE "${GENERATED_DIR}/pelorin.png" "${APP_DIR}/pelorin.png" ONLY_IF_DIFFERENT)
file(READ "${SOURCE_DIR}/pelorin.desktop" desktop)
string(REPLACE "@APP_DIR@" "${APP_DIR}" desktop "${desktop}")
file(WRITE "${APP_DIR}/pelorin.desktop" "${desktop}")
