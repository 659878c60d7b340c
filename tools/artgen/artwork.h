// The drawn (not pixel-art) pictures.
#pragma once

#include "image.h"

// The program icon at size x size pixels (16, 32, 48).
RgbaImage draw_program_icon(int size);
// The splash picture, 480x280.
RgbaImage draw_splash();
