# The sources whose texts are translated, for lupdate and for the completeness check
# (scripts/check-translations): whole folders, so that a new file is checked too. Every Chinese
# text in them is marked for translation and has its English form in morvane_en.ts.
# morvane-cli's texts are here too (the window's results are its results); morvane-sim, a program
# of its own, has its own catalogue.
file(GLOB MORVANE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/app/*.cpp ${PROJECT_SOURCE_DIR}/src/app/*.h
  ${PROJECT_SOURCE_DIR}/src/cli/*.cpp ${PROJECT_SOURCE_DIR}/src/cli/*.h
  ${PROJECT_SOURCE_DIR}/src/console/*.cpp ${PROJECT_SOURCE_DIR}/src/console/*.h
  ${PROJECT_SOURCE_DIR}/src/download/*.cpp ${PROJECT_SOURCE_DIR}/src/download/*.h
  ${PROJECT_SOURCE_DIR}/src/files/*.cpp ${PROJECT_SOURCE_DIR}/src/files/*.h
  ${PROJECT_SOURCE_DIR}/src/lang/*.cpp ${PROJECT_SOURCE_DIR}/src/lang/*.h
  ${PROJECT_SOURCE_DIR}/src/panels/*.cpp ${PROJECT_SOURCE_DIR}/src/panels/*.h
  ${PROJECT_SOURCE_DIR}/src/protocol/*.cpp ${PROJECT_SOURCE_DIR}/src/protocol/*.h
  ${PROJECT_SOURCE_DIR}/src/serial/*.cpp ${PROJECT_SOURCE_DIR}/src/serial/*.h
  ${PROJECT_SOURCE_DIR}/src/trace/*.cpp ${PROJECT_SOURCE_DIR}/src/trace/*.h
  ${PROJECT_SOURCE_DIR}/src/widgets/*.cpp ${PROJECT_SOURCE_DIR}/src/widgets/*.h)

# morvane-sim's texts, in a catalogue of their own (morvane-sim_en.ts) compiled into the simulator;
# the system's reasons it shares with the program (src/files) come from the program's catalogue.
file(GLOB MORVANE_SIM_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/tools/sim/*.cpp ${PROJECT_SOURCE_DIR}/tools/sim/*.h)
