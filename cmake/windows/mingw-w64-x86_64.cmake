# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# for both the Qt build and the program's. Programs built for Windows run
# under Wine, which is how CTest starts the test programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})

# Programs (moc, rcc, uic) come from the host; libraries and headers only
# from the target's tree and the prefixes named by the caller.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(VELMORRA_WINE NAMES wine NO_CMAKE_FIND_ROOT_PATH)
if(VELMORRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORRA_WINE})
endif()
