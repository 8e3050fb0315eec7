# Run by the morvane_revision target at every build (cmake -P): writes OUTPUT from TEMPLATE with
# VERSION and the git revision of SOURCE_DIR. The revision is empty when SOURCE_DIR is not the top
# of a git checkout (an unpacked source archive, or one inside someone else's repository) or git
# is missing. configure_file leaves OUTPUT alone when nothing changed, so a build without a new
# commit compiles nothing again.
set(MORVANE_REVISION "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --show-toplevel
    WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE failed OUTPUT_VARIABLE top
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  get_filename_component(top "${top}" REALPATH)
  get_filename_component(source "${SOURCE_DIR}" REALPATH)
  if(NOT failed AND top STREQUAL source)
    # --long keeps the commit in the text also on a tagged commit; --dirty marks uncommitted
    # changes.
    execute_process(COMMAND "${GIT_EXECUTABLE}" describe --tags --always --long --dirty --abbrev=10
      WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE MORVANE_REVISION
      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    # It goes into a C++ string literal: nothing but the characters of a plain tag name.
    string(REGEX REPLACE "[^A-Za-z0-9._+-]" "_" MORVANE_REVISION "${MORVANE_REVISION}")
  endif()
endif()
set(MORVANE_VERSION "${VERSION}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
