# Stages tpl/ and s/ into the application folder (cmake -P). Only the
# program's own files are written: tpl/ is replaced whole, the jars are
# copied, the runtime, framework and apksig are links. Anything a user made is
# left alone, such as a signing key an earlier version kept in s/Quenlow/
# (the build moves it to the per-user data folder).
foreach(var APP_DIR TEMPLATE_DIR PACKAGER_JAR SIGNER_JAR JAVA APKSIG_JAR FRAMEWORK_APK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "stage_tools.cmake needs -D${var}=...")
  endif()
endforeach()

# tpl/: a fresh copy, so that files removed from the template go too. Git
# keeps the template's empty folders with .gitkeep files, which stay behind
# with the template's README.
file(REMOVE_RECURSE "${APP_DIR}/tpl")
file(COPY "${TEMPLATE_DIR}/" DESTINATION "${APP_DIR}/tpl"
     PATTERN ".gitkeep" EXCLUDE
     PATTERN "README.md" EXCLUDE)
foreach(folder res/raw assets/music assets/images assets/lrcs)
  file(MAKE_DIRECTORY "${APP_DIR}/tpl/${folder}")
endforeach()

# s/: links to the system's Java runtime, Android framework and apksig.
function(link_to target link)
  get_filename_component(folder "${link}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" current)
    if(current STREQUAL target)
      return()
    endif()
    file(REMOVE "${link}")
  elseif(EXISTS "${link}")
    message(WARNING "${link} is not a link made by the build; left as it is")
    return()
  endif()
  file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
endfunction()

link_to("${JAVA}" "${APP_DIR}/s/jre6/bin/java")
link_to("${FRAMEWORK_APK}" "${APP_DIR}/s/framework/1.apk")
link_to("${APKSIG_JAR}" "${APP_DIR}/s/Quenlow/lib/dex-reader-1.9.jar")

file(COPY_FILE "${PACKAGER_JAR}" "${APP_DIR}/s/apktool.jar" ONLY_IF_DIFFERENT)
file(COPY_FILE "${SIGNER_JAR}" "${APP_DIR}/s/Quenlow/lib/dex-tools-0.0.0.4.jar" ONLY_IF_DIFFERENT)
