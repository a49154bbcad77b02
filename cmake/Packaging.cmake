# Release archives, made by CPack's ZIP generator from two install components:
#   app   quillmend.exe, LICENSE and README.txt
#   skin  the skin package (rules in the top-level list) and examples/host as source
# Both are left out of a plain `cmake --install`, which installs the skin
# package alone. The dist target writes both archives and SHA256SUMS into
# <build>/dist (see make_dist.cmake).
configure_file(${CMAKE_SOURCE_DIR}/packaging/README.txt.in ${CMAKE_BINARY_DIR}/packaging/README.txt
  @ONLY NEWLINE_STYLE CRLF)
install(TARGETS quillmend RUNTIME DESTINATION . COMPONENT app EXCLUDE_FROM_ALL)
install(FILES LICENSE ${CMAKE_BINARY_DIR}/packaging/README.txt DESTINATION . COMPONENT app EXCLUDE_FROM_ALL)
install(DIRECTORY examples/host DESTINATION examples COMPONENT skin EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quillmend)
set(CPACK_PACKAGE_VENDOR Veldmoor)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/dist)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/CPackOptions.cmake)
include(CPack)

add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/make_dist.cmake
  COMMENT "Writing the release archives to ${CMAKE_BINARY_DIR}/dist")
add_dependencies(dist quillmend skin)
