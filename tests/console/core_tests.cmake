# Tests of the test console's plain parts and of the image control.
morvane_add_test(test_image_decoder SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_image_decoder.cpp
  LIBS morvane_console_core)
morvane_add_test(test_finger_image_button
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_finger_image_button.cpp LIBS morvane_console)
morvane_add_test(test_feature_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_feature_files.cpp
  LIBS morvane_console_core)
morvane_add_test(test_batch_storage SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_batch_storage.cpp
  LIBS morvane_console_core)
morvane_add_test(test_console_exchanges
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_console_exchanges.cpp LIBS morvane_console_core)
