# SPDX-License-Identifier: GPL-2.0-or-later
# WebAssembly through Debian's emscripten package (no ports, nothing fetched
# while building): its own toolchain file, found beside emcc. The optimiser
# that runs when linking is a Node program that needs Debian's acorn module.
find_program(EMBERLUX_EMCC emcc REQUIRED)
get_filename_component(EMBERLUX_EMSCRIPTEN_ROOT "${EMBERLUX_EMCC}" REALPATH)
get_filename_component(EMBERLUX_EMSCRIPTEN_ROOT "${EMBERLUX_EMSCRIPTEN_ROOT}" DIRECTORY)
include("${EMBERLUX_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake")

set(CMAKE_C_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
