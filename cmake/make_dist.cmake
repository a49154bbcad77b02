# Writes the release archives and their SHA256SUMS into BUILD_DIR/dist:
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -P make_dist.cmake
# The same commit gives the same bytes: CPack lists a component's files in
# sorted order, every entry carries the commit's time (SOURCE_DATE_EPOCH,
# which CMake's archiver applies to all of an entry's times), and the DOS time
# in a ZIP entry is a local time, so the zone is fixed too.
set(ENV{TZ} UTC)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
  if(failed OR NOT epoch)
    set(epoch 315532800) # outside a git clone: 1980-01-01, the earliest time a ZIP entry holds
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()

set(dist ${BUILD_DIR}/dist)
file(REMOVE_RECURSE ${dist})
foreach(archive app skin)
  execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config CPackConfig.cmake -D QM_ARCHIVE=${archive}
    WORKING_DIRECTORY ${BUILD_DIR} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack (${archive}) failed:\n${out}")
  endif()
endforeach()

file(GLOB zips RELATIVE ${dist} ${dist}/*.zip)
set(sums "")
foreach(zip IN LISTS zips)
  file(SHA256 ${dist}/${zip} hash)
  string(APPEND sums "${hash}  ${zip}\n")
endforeach()
file(WRITE ${dist}/SHA256SUMS "${sums}")
