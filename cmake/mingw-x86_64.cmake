# SPDX-License-Identifier: GPL-2.0-or-later
set(EMBERLUX_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
