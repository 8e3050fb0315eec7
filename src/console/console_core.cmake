# The test console's plain parts, which the panel calls: image decoding and the image control,
# feature files and batch storage.
add_library(morvane_console_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/image_decoder.cpp ${CMAKE_CURRENT_LIST_DIR}/image_decoder.h)
target_include_directories(morvane_console_core PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_console_core PUBLIC morvane_protocol morvane_widgets
  PRIVATE morvane_build_flags)
