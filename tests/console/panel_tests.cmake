# The module test panel, driven through its real widgets on the fake serial device.
set(_panel_test_libs morvane_console morvane_test_state)
foreach(_panel_test test_module_test_panel test_module_test_panel_layout
        test_module_test_panel_reply)
  morvane_add_test(${_panel_test}
    SOURCES ${_panel_test}.cpp test_module_test_panel_driver.h
    LIBS ${_panel_test_libs})
endforeach()
morvane_add_test(test_hex_dump_view SOURCES test_hex_dump_view.cpp LIBS morvane_console)
