// SPDX-License-Identifier: GPL-2.0-or-later
// Numbers of the Windows resources: dialogs, their controls and the strings.
#pragma once

#define IDI_EMBERLUX 1

#define IDD_PASSWORD 145
#define IDD_CHANGE_PASSWORD 146
#define IDD_PROGRESS 149

#define IDC_CHANGE_NEW 1031
#define IDC_CHANGE_CONFIRM 1032
#define IDC_PASSWORD 1033
#define IDC_PROGRESS 1045

#define IDS_DESCRIPTION 1
#define IDS_TURBULENCE_CACHE 14
#define IDS_PALETTE_PATTERN 16
#define IDS_PALETTE_FOLDER 19
