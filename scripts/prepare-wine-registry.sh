#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes values of the wrong type or size into a scratch key of the tests' Wine
# registry for the Windows store tests (tests/win32/PreparedRegistryTest.cpp).
set -euo pipefail
source "$(dirname "$0")/lib/wine.sh"
wine_test_prefix
WINELOADER=$(wine_default_loader)
export WINELOADER
key='HKCU\Software\EmberluxTests\Prepared\Presets'
reg delete 'HKCU\Software\EmberluxTests\Prepared' /f || true
reg add "$key" /v XRes /t REG_SZ /d hello /f
reg add "$key" /v SparklesCount /t REG_BINARY /d 0102 /f
reg add "$key" /v FireWorkCount /t REG_BINARY /d 0102030405060708 /f
reg add "$key" /v FireText /t REG_DWORD /d 42 /f
reg add "$key" /v Palette /t REG_SZ /d "$(printf 'p%.0s' $(seq 400))" /f
