# The version comes from project() alone. The resource script includes the
# generated quillmend_version.h for its version block, and the manifest is
# written from its template with the same four-part number.
set(QM_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
string(REPLACE . , QM_VERSION_COMMAS ${QM_VERSION_QUAD})
set(QM_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/resources/quillmend.manifest ${QM_GENERATED_DIR}/quillmend.manifest @ONLY)
file(CONFIGURE OUTPUT ${QM_GENERATED_DIR}/quillmend_version.h @ONLY CONTENT
"#pragma once
#define QM_VERSION_NUMBERS @QM_VERSION_COMMAS@
#define QM_VERSION_TEXT \"@QM_VERSION_QUAD@\"
#define QM_MANIFEST_FILE \"@QM_GENERATED_DIR@/quillmend.manifest\"
")
include_directories(${QM_GENERATED_DIR})
