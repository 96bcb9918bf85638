# SPDX-License-Identifier: GPL-2.0-or-later
set(EMBERLUX_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# Real arithmetic rounds as on x86_64 only with SSE2 instead of the x87 unit.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
