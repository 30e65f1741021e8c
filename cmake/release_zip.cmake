# Read by cpack before it writes the release zip. Every entry gets the time of the commit
# the zip is made from (SOURCE_DATE_EPOCH, unless it is given), written as UTC, so that the
# same commit gives the same zip, byte for byte, wherever and whenever it is packed.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY "${CPACK_FANDREL_SOURCE_DIR}"
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT commit_time MATCHES "^[0-9]+$")
    set(commit_time 315532800)  # sources without their history: 1980-01-01, a zip's first day
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
endif()
set(ENV{TZ} UTC)
