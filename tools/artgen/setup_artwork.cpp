// The installer's artwork: its icon (the program icon with a green arrow
// pointing down into it) and the "DOWNLOAD" animation of the progress dialog
// (a sheet flying from a disc to a folder).

#include <cmath>
#include <vector>

#include "artwork.h"
#include "vector_canvas.h"

namespace {

const double kPi = 3.14159265358979323846;
const int kFrameWidth = 240;
const int kFrameHeight = 50;
const int kFrames = 16;
// The dialog face: the animation control paints the top-left pixel's colour
// transparent, so the frames blend into any dialog background.
const Rgb kFace = {240, 240, 240};

// Straight-alpha "over" of the drawing onto the image.
void compose(RgbaImage& image, const RgbaImage& over) {
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        Rgba& d = image.pixels[i];
        const Rgba& s = over.pixels[i];
        const double sa = s.a / 255.0, da = d.a / 255.0;
        const double a = sa + da * (1 - sa);
        if (a <= 0) continue;
        auto channel = [&](uint8_t sc, uint8_t dc) {
            return static_cast<uint8_t>(std::lround((sc * sa + dc * da * (1 - sa)) / a));
        };
        d = {channel(s.r, d.r), channel(s.g, d.g), channel(s.b, d.b), static_cast<uint8_t>(std::lround(a * 255))};
    }
}

// 6x6x6 colour cube, 23 greys and the dialog face.
std::vector<Rgb> animation_palette() {
    std::vector<Rgb> palette = {kFace};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51),
                                   static_cast<uint8_t>(b * 51)});
    for (int k = 1; k <= 23; ++k) {
        const uint8_t v = static_cast<uint8_t>(k * 255 / 24);
        palette.push_back({v, v, v});
    }
    return palette;
}

uint8_t nearest(const std::vector<Rgb>& palette, int r, int g, int b) {
    int best = 0;
    long best_distance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const long dr = r - palette[i].r, dg = g - palette[i].g, db = b - palette[i].b;
        const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (best_distance < 0 || d < best_distance) {
            best_distance = d;
            best = static_cast<int>(i);
        }
    }
    return static_cast<uint8_t>(best);
}

// The canvas flattened onto the dialog face and mapped to the palette.
IndexedImage flatten(const Canvas& canvas, const std::vector<Rgb>& palette) {
    const RgbaImage image = to_image(canvas);
    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.palette = palette;
    for (const Rgba& p : image.pixels) {
        const double a = p.a / 255.0;
        if (a < 0.5) {
            // Half-covered edge pixels would come out as a shade near the face
            // and make a fringe; they stay background.
            out.pixels.push_back(0);
            continue;
        }
        out.pixels.push_back(nearest(palette, static_cast<int>(std::lround(p.r * a + kFace.r * (1 - a))),
                                     static_cast<int>(std::lround(p.g * a + kFace.g * (1 - a))),
                                     static_cast<int>(std::lround(p.b * a + kFace.b * (1 - a)))));
    }
    return out;
}

void draw_disc(Canvas& canvas, Point centre) {
    fill(canvas, {circle(centre, 19)}, [&](double x, double y) {
        const double t = std::fmod(std::atan2(y - centre.y, x - centre.x) / kPi + 2, 1.0);
        return mix(rgb(175, 205, 235), rgb(235, 200, 240), t);
    });
    fill(canvas, {ellipse_ring(centre, 19, 19, 1.2)}, rgb(90, 100, 120));
    fill(canvas, {circle(centre, 6)}, rgb(225, 228, 232));
    fill(canvas, {ellipse_ring(centre, 6, 6, 1.2)}, rgb(90, 100, 120));
    fill(canvas, {circle(centre, 2.5)}, rgb(240, 240, 240));
}

void draw_folder(Canvas& canvas, double x0, double y0) {
    const Colour edge = rgb(150, 110, 20);
    fill(canvas, {rounded_rect(x0, y0, x0 + 18, y0 + 8, 2)}, edge);
    fill(canvas, {rounded_rect(x0, y0 + 4, x0 + 44, y0 + 36, 2.5)}, edge);
    fill(canvas, {rounded_rect(x0 + 1.2, y0 + 5.2, x0 + 42.8, y0 + 34.8, 2)},
         [&](double, double y) { return mix(rgb(255, 226, 120), rgb(235, 180, 40), (y - y0) / 36); });
}

// A sheet of paper at (x, y), its top-left corner, tilted by `angle` degrees.
void draw_sheet(Canvas& canvas, double x, double y, double angle) {
    const double c = std::cos(angle * kPi / 180), s = std::sin(angle * kPi / 180);
    auto at = [&](double u, double v) { return Point{x + u * c - v * s, y + u * s + v * c}; };
    const std::vector<Point> outline = {at(0, 0), at(12, 0), at(16, 4), at(16, 20), at(0, 20), at(0, 0)};
    Shape paper{x - 25, y - 25, x + 25, y + 25, [&](double px, double py) {
                    // Inside the tilted rectangle, less the folded corner.
                    const double u = (px - x) * c + (py - y) * s;
                    const double v = -(px - x) * s + (py - y) * c;
                    return u >= 0 && u <= 16 && v >= 0 && v <= 20 && !(u > 12 && v < u - 12);
                }};
    fill(canvas, {paper}, rgb(252, 252, 252));
    fill(canvas, polyline(outline, 1.1), rgb(70, 70, 90));
    for (int line = 0; line < 4; ++line) {
        fill(canvas, {stroke(at(3, 7 + 3.5 * line), at(13, 7 + 3.5 * line), 0.9)}, rgb(60, 110, 200));
    }
}

}  // namespace

std::vector<IndexedImage> draw_download_animation() {
    const std::vector<Rgb> palette = animation_palette();
    std::vector<IndexedImage> frames;
    for (int i = 0; i < kFrames; ++i) {
        Canvas canvas = make_canvas(kFrameWidth, kFrameHeight);
        draw_disc(canvas, {30, 26});
        draw_folder(canvas, 186, 8);
        // The sheet rises out of the disc, flies over in an arc and drops
        // into the folder, turning once.
        const double t = static_cast<double>(i) / kFrames;
        const double x = 24 + t * 172;
        const double y = 22 - 20 * std::sin(t * kPi);
        draw_sheet(canvas, x, y, -20 + 40 * t);
        frames.push_back(flatten(canvas, palette));
    }
    return frames;
}

RgbaImage draw_setup_icon(int size) {
    RgbaImage icon = draw_program_icon(size);
    Canvas arrow = make_canvas(size, size);
    const double u = size / 48.0;
    const Colour edge = rgb(0, 70, 0);
    const Colour green = rgb(60, 200, 60);
    // Shaft and head, outlined so that the arrow stands out on the tile.
    std::vector<Shape> shape = {rounded_rect(30 * u, 22 * u, 40 * u, 36 * u, 1 * u)};
    Shape head{24 * u, 34 * u, 46 * u, 48 * u, [u](double x, double y) {
                   const double cx = 35 * u, top = 34 * u, tip = 47 * u;
                   return y >= top && y <= tip && std::fabs(x - cx) <= (tip - y) * (11.0 / 13.0);
               }};
    shape.push_back(head);
    Shape outline{22 * u, 20 * u, 48 * u, 48 * u, [&](double x, double y) {
                      const double d = 1.6 * u;
                      for (const Shape& s : shape)
                          if (s.contains(x, y) || s.contains(x - d, y) || s.contains(x + d, y) ||
                              s.contains(x, y - d) || s.contains(x, y + d))
                              return true;
                      return false;
                  }};
    fill(arrow, {outline}, edge);
    fill(arrow, shape, green);
    compose(icon, to_image(arrow));
    return icon;
}
