# The module test panel: its control table, the widgets behind it, the panel with its reply path,
# and the places where feature files, the image and batch storage plug in.
add_library(morvane_console STATIC
  ${CMAKE_CURRENT_LIST_DIR}/module_test_layout.cpp ${CMAKE_CURRENT_LIST_DIR}/module_test_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/module_test_widgets.cpp ${CMAKE_CURRENT_LIST_DIR}/module_test_widgets.h
  ${CMAKE_CURRENT_LIST_DIR}/hex_dump_view.cpp ${CMAKE_CURRENT_LIST_DIR}/hex_dump_view.h
  ${CMAKE_CURRENT_LIST_DIR}/hex_dump_accessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hex_dump_accessible.h
  ${CMAKE_CURRENT_LIST_DIR}/module_test_panel.cpp ${CMAKE_CURRENT_LIST_DIR}/module_test_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/module_test_reply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_test_plugins.cpp)
target_include_directories(morvane_console PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(morvane_console PUBLIC morvane_protocol morvane_serial morvane_widgets
  PRIVATE morvane_build_flags)
if(TARGET morvane_console_core)
  target_link_libraries(morvane_console PUBLIC morvane_console_core)
endif()
