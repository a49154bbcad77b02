# Installs the skin package from BUILD_DIR, builds the example host against
# the installed copy with the same toolchain, and runs its self-test under
# Wine. Run by ctest as examples.host_selftest.
set(root ${BUILD_DIR}/example-host)
file(REMOVE_RECURSE ${root}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited with ${status}:\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${root}/prefix)
foreach(file include/quillmend/skin.h share/doc/QuillmendSkin/LICENSE lib/cmake/QuillmendSkin/QuillmendSkinConfig.cmake)
  if(NOT EXISTS ${root}/prefix/${file})
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/host -B ${root}/build -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${root}/prefix)
run(${CMAKE_COMMAND} --build ${root}/build)
run(wine ${root}/build/skin-host.exe /selftest)
