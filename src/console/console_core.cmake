# The test console's parts that the panel calls: image decoding and the image control, feature
# files and batch storage. Only the image control needs widgets.
add_library(morvane_console_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/image_decoder.cpp ${CMAKE_CURRENT_LIST_DIR}/image_decoder.h
  ${CMAKE_CURRENT_LIST_DIR}/finger_image_button.cpp ${CMAKE_CURRENT_LIST_DIR}/finger_image_button.h
  ${CMAKE_CURRENT_LIST_DIR}/feature_files.cpp ${CMAKE_CURRENT_LIST_DIR}/feature_files.h
  ${CMAKE_CURRENT_LIST_DIR}/batch_storage.cpp ${CMAKE_CURRENT_LIST_DIR}/batch_storage.h)
target_include_directories(morvane_console_core PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_console_core PUBLIC morvane_protocol morvane_widgets
  PRIVATE morvane_build_flags)
