// The program icon: a headphone with a sound wave on a rounded blue tile, drawn in a
// 48x48 design space and scaled.

#include <cmath>
#include <vector>

#include "artwork.h"
#include "vector_canvas.h"

namespace {

const double kDesign = 48.0;
const double kPi = 3.14159265358979323846;

// At 16x16 the scaled drawing blurs, so the headphone is placed pixel by pixel over
// the tile: W band, R/r cup, K cushion, Y wave, '.' tile.
const char* const kSmallHeadphone[16] = {
    "................",
    "................",
    ".....WWWWWW.....",
    "...WWWWWWWWWW...",
    "..WWW......WWW..",
    ".WW..........WW.",
    ".WW..........WW.",
    ".RRRK......KRRR.",
    ".RRRK......KRRR.",
    ".RRRK.Y...YKRRR.",
    ".RRRKY.Y.Y.KRRR.",
    ".rrrK...Y..Krrr.",
    ".rrrK......Krrr.",
    ".rrrK......Krrr.",
    "................",
    "................",
};

Colour small_headphone_colour(char key) {
    switch (key) {
    case 'W': return rgb(250, 250, 250);
    case 'R': return rgb(245, 95, 50);
    case 'r': return rgb(205, 45, 30);
    case 'K': return rgb(40, 30, 40);
    case 'Y': return rgb(255, 214, 64);
    default: return rgb(0, 0, 0, 0);
    }
}

}  // namespace

RgbaImage draw_program_icon(int size) {
    Canvas canvas = make_canvas(size, size);
    const double u = size / kDesign;
    auto at = [u](double x, double y) { return Point{x * u, y * u}; };

    const Colour tile_top = rgb(60, 150, 225);
    const Colour tile_bottom = rgb(16, 58, 138);
    const Colour tile_edge = rgb(10, 36, 92);
    const Colour band = rgb(250, 250, 250);
    const Colour cup_light = rgb(250, 110, 60);
    const Colour cup_dark = rgb(200, 40, 30);
    const Colour cushion = rgb(40, 30, 40);
    const Colour wave = rgb(255, 214, 64);

    fill(canvas, {rounded_rect(0.5 * u, 0.5 * u, 47.5 * u, 47.5 * u, 9 * u)}, tile_edge);
    fill(canvas, {rounded_rect(1.5 * u, 1.5 * u, 46.5 * u, 46.5 * u, 8 * u)},
         [&](double, double y) { return mix(tile_top, tile_bottom, y / size); });

    if (size == 16) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const char key = kSmallHeadphone[y][x];
                if (key != '.') fill_pixels(canvas, x, y, 1, 1, small_headphone_colour(key));
            }
        }
        return to_image(canvas);
    }

    // Head band, then the two ear cups hanging from its ends.
    const double band_radius = 15.5;
    fill(canvas, {arc(at(24, 25), band_radius * u, 4.5 * u, 180, 360)}, band);
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 4.5 : 33.5;
        fill(canvas, {rounded_rect(x0 * u, 21 * u, (x0 + 10) * u, 41 * u, 3.5 * u)},
             [&](double, double y) { return mix(cup_light, cup_dark, (y / u - 21) / 20); });
        const double cx0 = side == 0 ? x0 + 8 : x0 - 1;
        fill(canvas, {rounded_rect(cx0 * u, 24 * u, (cx0 + 3) * u, 38 * u, 1.5 * u)}, cushion);
    }

    // A sound wave travelling between the cups.
    std::vector<Point> wave_points;
    for (double x = 16.5; x <= 31.5; x += 0.25) {
        wave_points.push_back(at(x, 31 - 5.5 * std::sin((x - 16.5) / 15 * 3 * kPi)));
    }
    fill(canvas, polyline(wave_points, 3.2 * u), wave);

    return to_image(canvas);
}
