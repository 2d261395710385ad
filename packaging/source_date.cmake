# The moment every time stamp of a package takes: SOURCE_DATE_EPOCH when the builder gives one,
# else the time of the last commit, so that two builds of one commit agree; only outside a git
# checkout, the time of the configuration. Sets kalvora_source_date (seconds since 1970) and
# kalvora_changelog_date (the Debian changelog's form of it).
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(kalvora_source_date "$ENV{SOURCE_DATE_EPOCH}")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE kalvora_source_date
      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_result)
    if(NOT git_result EQUAL 0)
      set(kalvora_source_date "")
    endif()
  endif()
  if(NOT kalvora_source_date MATCHES "^[0-9]+$")
    string(TIMESTAMP kalvora_source_date "%s" UTC)
  endif()
endif()
if(NOT kalvora_source_date MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: '${kalvora_source_date}'")
endif()
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} "${kalvora_source_date}")
string(TIMESTAMP kalvora_changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
# Steps of the build that stamp their output with a time (Qt's resource compiler writes each
# file's time into the program) take the same moment, not the files' times on this disk.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${kalvora_source_date}")
