# The sources whose texts are translated, for lupdate and for the completeness check
# (scripts/check-translations). Every Chinese text in these files is marked for translation and
# has its English form in morvane_en.ts. morvane-cli's and morvane-sim's texts (src/cli, tools)
# come next; until then they stay out of this list.
set(MORVANE_TRANSLATED_SOURCES
  ${PROJECT_SOURCE_DIR}/src/app/about_dialog.cpp
  ${PROJECT_SOURCE_DIR}/src/app/comm_log_dock.cpp
  ${PROJECT_SOURCE_DIR}/src/app/comm_log_view.cpp
  ${PROJECT_SOURCE_DIR}/src/app/help_window.cpp
  ${PROJECT_SOURCE_DIR}/src/app/language_menu.cpp
  ${PROJECT_SOURCE_DIR}/src/app/lock_key_indicators.cpp
  ${PROJECT_SOURCE_DIR}/src/app/main_frame.cpp
  ${PROJECT_SOURCE_DIR}/src/app/reply_wait_status.cpp
  ${PROJECT_SOURCE_DIR}/src/console/long_captions.cpp
  ${PROJECT_SOURCE_DIR}/src/console/module_test_layout.cpp
  ${PROJECT_SOURCE_DIR}/src/download/bin_writer.cpp
  ${PROJECT_SOURCE_DIR}/src/download/dat_reader.cpp
  ${PROJECT_SOURCE_DIR}/src/download/download_exchange.cpp
  ${PROJECT_SOURCE_DIR}/src/download/download_files.cpp
  ${PROJECT_SOURCE_DIR}/src/download/download_panel.cpp
  ${PROJECT_SOURCE_DIR}/src/download/download_texts.h
  ${PROJECT_SOURCE_DIR}/src/download/half_loader.cpp
  ${PROJECT_SOURCE_DIR}/src/protocol/command_catalogue.cpp
  ${PROJECT_SOURCE_DIR}/src/protocol/payloads.cpp
  ${PROJECT_SOURCE_DIR}/src/protocol/reply_texts.cpp
  ${PROJECT_SOURCE_DIR}/src/serial/comm_setup_panel.cpp
  ${PROJECT_SOURCE_DIR}/src/serial/comm_setup_texts.h)
