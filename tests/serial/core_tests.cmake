morvane_add_test(test_mscomm SOURCES test_mscomm.cpp LIBS morvane_test_support)
morvane_add_test(test_port_operations SOURCES test_port_operations.cpp LIBS morvane_test_state)
morvane_add_test(test_receive_cycle SOURCES test_receive_cycle.cpp LIBS morvane_test_state)
morvane_add_test(test_serial_pty SOURCES test_serial_pty.cpp LIBS morvane_test_support)
# One case reaches the module simulator through the port list; its path is compiled in.
target_compile_definitions(test_serial_pty PRIVATE MORVANE_SIM_PATH="$<TARGET_FILE:morvane-sim>")
add_dependencies(test_serial_pty morvane-sim)
