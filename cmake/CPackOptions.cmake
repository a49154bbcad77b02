# Read by cpack on every run. One run makes one archive, chosen by
# -D QM_ARCHIVE=app (the program) or skin (the skin package for MinGW-w64);
# each archive holds a single top folder named as the archive.
if(QM_ARCHIVE STREQUAL "app")
  set(CPACK_PACKAGE_FILE_NAME quillmend-${CPACK_PACKAGE_VERSION}-win64)
elseif(QM_ARCHIVE STREQUAL "skin")
  set(CPACK_PACKAGE_FILE_NAME quillmend-skin-${CPACK_PACKAGE_VERSION}-win64-mingw)
else()
  message(FATAL_ERROR "Make the release archives with the dist target (scripts/package.sh).")
endif()
set(CPACK_COMPONENTS_ALL ${QM_ARCHIVE})
string(TOUPPER ${QM_ARCHIVE} component)
set(CPACK_ARCHIVE_${component}_FILE_NAME ${CPACK_PACKAGE_FILE_NAME})
