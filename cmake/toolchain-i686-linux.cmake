# Native 32-bit build on x86-64 Linux (g++ -m32, Debian's g++-multilib): the shipping instruction set,
# for the benchmark binary beside GMP's i386 package and Google Benchmark's (libgmp-dev:i386,
# libbenchmark-dev:i386).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32")
set(CMAKE_CXX_FLAGS_INIT "-m32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")

# Libraries and package files of the i386 architecture, never the x86-64 ones beside them.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
