# One interface target that carries the language level, warnings and Qt defines
# for every target of the project.
add_library(pelorin_common INTERFACE)
target_compile_features(pelorin_common INTERFACE cxx_std_20)
target_compile_options(pelorin_common INTERFACE -Wall -Wextra)
target_compile_definitions(pelorin_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_FOREACH)

if(PELORIN_SANITIZE)
  target_compile_options(pelorin_common INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(pelorin_common INTERFACE -fsanitize=address,undefined)
endif()

if(PELORIN_FUZZ)
  target_compile_options(pelorin_common INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(pelorin_common INTERFACE -fsanitize=address,undefined)
endif()
