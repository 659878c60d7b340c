// A small proportional pixel font (pixel_font.inc) drawn at whole-pixel scales.
#pragma once

#include <string>
#include <vector>

#include "vector_canvas.h"

const int kFontRows = 9;  // 7 above the baseline, 2 below

// Appends one line per fault in the font sheets.
void check_font(std::vector<std::string>& faults);
// Width in pixels, one empty column between glyphs; characters without a glyph count as blanks.
int text_width(const std::string& text, int scale);
// `top` is the top of the glyph cells.
void draw_text(Canvas& canvas, int x, int top, const std::string& text, int scale, const Colour& colour);
