// Small pictures drawn as text, one string per pixel row.
#pragma once

#include <string>
#include <vector>

#include "image.h"

const int kPictureWidth = 16;
const int kPictureHeight = 15;

// `rows` is the drawing; `over`, if its first row is not null, is drawn on top of it
// and its '.' pixels leave `rows` showing. Colours are given by the legend below.
struct Picture {
    const char* name;
    const char* rows[kPictureHeight];
    const char* over[kPictureHeight] = {};
};

// Legend of the picture texts. '.' is the background, light grey 192: toolbars map it to
// the button face and menus make it transparent, so no drawing may use that grey.
//   K black      D grey 128   W white
//   r dark red   R red        o orange
//   g dark green G green      s skin
//   y olive      Y yellow
//   b navy       B blue
//   c teal       C cyan
//   m purple     M magenta
const std::vector<Rgb>& picture_palette();
int picture_background_index();
int picture_palette_index(char key);  // -1 if the key is not in the legend

// Every picture of the program (command_pictures.inc, format_pictures.inc).
const std::vector<Picture>& all_pictures();
const Picture* find_picture(const std::string& name);

// Appends one line per fault (row count, row width, unknown key, duplicate name).
void check_pictures(std::vector<std::string>& faults);

// The pictures side by side, 16x15 each.
IndexedImage picture_strip(const std::vector<const Picture*>& pictures);
// 16x16: the picture over one more background row at the bottom, so that the first
// pixel of the bottom-up file (bottom left) is always the background.
IndexedImage menu_bitmap(const Picture& picture);
