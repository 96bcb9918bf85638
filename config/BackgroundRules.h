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
int TileSide(int pixels, double scale);

// The first tile position of a tiling that puts the picture's corner at
// -origin: rectStart - origin, moved back by whole tiles until it is at or
// before rectStart (so a large origin does not need thousands of copies).
int FirstTile(int rectStart, int origin, int tile);
