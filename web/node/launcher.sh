#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the WebAssembly emberlux-frames under Node with the arguments given.
# Node 18 and later would fetch the .wasm beside it through its fetch, which
# takes no file names: the module is read from the file system instead.
exec node --no-experimental-fetch "$(dirname "$0")/emberlux-frames.js" "$@"
