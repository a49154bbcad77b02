# Cross-compiles for 64-bit Windows with clang and the MinGW-w64 headers and
# libraries, so that code only GCC accepts is caught. Debian's clang does not
# find the MinGW-w64 GCC's own folder (named "12-posix", not a bare version),
# which holds libstdc++ and libgcc: ask that GCC where it is.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})

execute_process(COMMAND ${triple}-g++-posix -print-file-name=include
  OUTPUT_VARIABLE gcc_include OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(GET gcc_include PARENT_PATH gcc_lib)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_include}/c++ ${gcc_include}/c++/${triple})
# The POSIX-thread libstdc++ needs winpthreads, which GCC's driver adds by
# itself; lld searches libraries wherever they stand on the command line.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -fuse-ld=lld -L${gcc_lib} -lpthread")
