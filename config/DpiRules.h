// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Pixel sizes of the configuration dialogs at the DPI of their monitor. The
// dialogs are laid out in dialog units, which follow the font and so the DPI;
// these rules serve the few sizes that are given in pixels at 96 DPI.

constexpr int kDefaultDpi = 96;

// `pixels` at 96 DPI scaled to `dpi`, rounded to the nearest pixel; a DPI of
// 0 or less (not known) counts as 96.
int ScaleToDpi(int pixels, int dpi);

// Of the `count` image sides on offer (in any order), the largest that is not
// above `wanted`, so that an image is never blown up; the smallest when all
// are above it; 0 when none is on offer.
int PickImageSide(const int* sides, int count, int wanted);

// Side lengths of the tool strips' images: 16 pixels at 96 DPI and larger
// drawings for higher DPIs.
constexpr int kToolImageSides[] = {16, 20, 24, 32, 40, 48};
constexpr int kToolImageSideCount = sizeof kToolImageSides / sizeof kToolImageSides[0];

// The resource of a tool strip whose images are `side` pixels: the 16-pixel
// strip keeps its own number `baseId`, a larger one is baseId * 100 + side.
int ToolStripResource(int baseId, int side);
