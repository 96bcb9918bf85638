// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The arithmetic of the sheet's shared background picture.

struct TintColour {
    int red, green, blue;
};

// Colour-table entry `index` (0..255) of the grey picture tinted with the
// button-face colour `face`: entries 0..191 run from black to the face
// colour, 192..255 from the face colour to white.
TintColour TintedEntry(int index, const TintColour& face);

// The size of one painted tile for a picture side of `pixels` stretched by
// `scale`: trunc(pixels * scale), never less than 1 so that tiling advances.
// A product that falls short of a whole number only by rounding counts as
// that number, so a picture fitted to a side covers it exactly.
int TileSide(int pixels, double scale);

// The stretch factor that fits a picture side of `pictureSide` pixels to
// `areaSide` pixels.
double FitScale(int areaSide, int pictureSide);

// The first tile position of a tiling that puts the picture's corner at
// -origin: rectStart - origin, moved back by whole tiles until it is at or
// before rectStart (so a large origin does not need thousands of copies).
int FirstTile(int rectStart, int origin, int tile);

// The brush origin, within 0..tile-1, of a pattern brush of one tile that
// paints a window whose client corner lies at `origin` in the anchor window,
// so that the pattern joins the picture painted there.
int BrushOrigin(int origin, int tile);
