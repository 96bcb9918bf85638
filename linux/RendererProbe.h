// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Whether the renderer SDL chooses for a window draws on a graphics card:
// neither SDL's software renderer nor OpenGL through a rasteriser on the
// processor. Finds out on a hidden window of its own, which it destroys.
bool RendererUsesGraphicsCard();
