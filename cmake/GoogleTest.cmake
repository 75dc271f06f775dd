# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# GoogleTest for the tests, the same way for every compiler: the
# distribution's library where there is one for this compiler, otherwise the
# distribution's sources built with it (MinGW-w64, emscripten). Either way
# the targets are GTest::gtest and GTest::gtest_main.
find_package(GTest QUIET)
if(NOT GTest_FOUND)
    set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    # WebAssembly here runs on one thread.
    if(EMSCRIPTEN)
        set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    endif()
    add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest
        EXCLUDE_FROM_ALL SYSTEM)
endif()
