# Compiles through ccache when it is installed. CCACHE_BASEDIR makes the
# paths under the source folder relative, and CCACHE_NOHASHDIR leaves the
# build folder out of the key, so a fresh clone in another folder (as CI
# makes for every run) reuses what an earlier clone compiled. The price: the
# compilation folder in an object's debug information may name the clone
# that compiled it first.
option(TESSELLON_CCACHE "Compile through ccache when it is installed" ON)

if(TESSELLON_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(TESSELLON_CCACHE_PROGRAM ccache)
    if(TESSELLON_CCACHE_PROGRAM)
        set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}
            CCACHE_NOHASHDIR=1 ${TESSELLON_CCACHE_PROGRAM})
        set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
        set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
    endif()
endif()
