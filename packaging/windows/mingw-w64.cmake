# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the -posix
# compilers, whose C++ threads Qt needs). Used for Qt itself and, through the
# Qt build's own toolchain file, for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Hardened as Debian builds its own programs: canaries on the stack and the C
# library's calls checked against the sizes the compiler knows. The checks
# come from MinGW-w64's own runtime, linked in: GCC's driver adds libssp,
# which would bring libssp-0.dll or GCC's copy of the same code, so empty
# archives of those names come first on the library path.
set(hardening "-fstack-protector-strong -D_FORTIFY_SOURCE=2")
set(CMAKE_C_FLAGS_INIT "${hardening}")
set(CMAKE_CXX_FLAGS_INIT "${hardening}")
# No link time in the headers: the same source makes the same files.
set(linking "-L\"${CMAKE_CURRENT_LIST_DIR}/no-libssp\" -Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${linking}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${linking}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${linking}")
