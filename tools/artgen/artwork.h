// The drawn (not pixel-art) pictures.
#pragma once

#include "image.h"

// The program icon at size x size pixels (16, 32, 48).
RgbaImage draw_program_icon(int size);
// The splash picture, 480x280.
RgbaImage draw_splash();
// The installer's icon at size x size pixels (16, 32, 48).
RgbaImage draw_setup_icon(int size);
// The installer's "DOWNLOAD" animation: 16 frames of 240x50 on the dialog face.
std::vector<IndexedImage> draw_download_animation();
