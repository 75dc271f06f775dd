# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Building for the browser with the distribution's emscripten: the logic in
# WebAssembly, with C++ exceptions as WebAssembly has them (emscripten's
# default would end the program at a throw instead of catching it). Tests
# and their discovery run under node, with fetch off, which the loader of
# this emscripten would otherwise take for reading the .wasm file.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch)
