// The splash picture: the name drawn with round strokes over an audiogram grid,
// octave-band bars and a hearing-level curve.

#include <cmath>
#include <string>
#include <vector>

#include "artwork.h"
#include "pixel_font.h"
#include "vector_canvas.h"

namespace {

const int kWidth = 480;
const int kHeight = 280;
const double kPi = 3.14159265358979323846;

// Plot area of the grid, bars and curve.
const double kPlotLeft = 36;
const double kPlotRight = 444;
const double kPlotTop = 166;
const double kPlotBottom = 258;
const int kBands = 9;  // octaves 63 Hz .. 16 kHz

double band_centre(int band) { return kPlotLeft + (band + 0.5) * (kPlotRight - kPlotLeft) / kBands; }

void draw_background(Canvas& canvas) {
    const Colour top = rgb(12, 30, 74);
    const Colour bottom = rgb(14, 92, 112);
    const Colour glow = rgb(70, 130, 200);
    fill(canvas, {rounded_rect(0, 0, kWidth, kHeight, 0)}, [&](double x, double y) {
        Colour c = mix(top, bottom, y / kHeight);
        const double d = std::hypot((x - kWidth / 2.0) / 1.6, y - 80) / 190;
        return mix(c, glow, 0.45 * (1 - d));
    });
}

// Two faint sine waves across the whole picture.
void draw_waves(Canvas& canvas) {
    for (int k = 0; k < 2; ++k) {
        std::vector<Point> points;
        for (double x = -10; x <= kWidth + 10; x += 2) {
            const double y = 150 + (k ? 14 : 22) * std::sin(x / (k ? 31.0 : 47.0) + k * 1.7) *
                                       std::sin(x / 480.0 * kPi);
            points.push_back({x, y});
        }
        fill(canvas, polyline(points, 2.0), rgb(150, 210, 255, k ? 0.18 : 0.25));
    }
}

void draw_grid(Canvas& canvas) {
    const Colour line = rgb(255, 255, 255, 0.13);
    std::vector<Shape> lines;
    for (int i = 0; i <= kBands; ++i) {
        const double x = kPlotLeft + i * (kPlotRight - kPlotLeft) / kBands;
        lines.push_back(stroke({x, kPlotTop}, {x, kPlotBottom}, 1));
    }
    for (double y = kPlotTop; y <= kPlotBottom + 0.5; y += (kPlotBottom - kPlotTop) / 4) {
        lines.push_back(stroke({kPlotLeft, y}, {kPlotRight, y}, 1));
    }
    fill(canvas, lines, line);
}

// A typical workplace noise spectrum, fraction of the plot height per octave band.
void draw_bars(Canvas& canvas) {
    const double level[kBands] = {0.42, 0.55, 0.66, 0.78, 0.88, 0.84, 0.72, 0.56, 0.38};
    const double half = (kPlotRight - kPlotLeft) / kBands * 0.34;
    const Colour low = rgb(60, 200, 130, 0.55);
    const Colour mid = rgb(240, 210, 60, 0.55);
    const Colour high = rgb(235, 80, 60, 0.6);
    for (int b = 0; b < kBands; ++b) {
        const double x = band_centre(b);
        const double top = kPlotBottom - level[b] * (kPlotBottom - kPlotTop);
        fill(canvas, {rounded_rect(x - half, top, x + half, kPlotBottom + 3, 3)}, [&](double, double y) {
            const double t = (kPlotBottom - y) / (kPlotBottom - kPlotTop);
            return t < 0.5 ? mix(low, mid, t * 2) : mix(mid, high, (t - 0.5) * 2);
        });
    }
}

// Hearing levels of a noise-exposed ear: the dip at 4 kHz, partial recovery at 8 kHz.
void draw_audiogram(Canvas& canvas) {
    const double loss[kBands] = {0.10, 0.10, 0.12, 0.16, 0.26, 0.48, 0.74, 0.52, 0.40};
    std::vector<Point> points;
    for (int b = 0; b < kBands; ++b) points.push_back({band_centre(b), kPlotTop + 6 + loss[b] * (kPlotBottom - kPlotTop - 12)});
    fill(canvas, polyline(points, 3.0), rgb(255, 255, 255, 0.95));
    for (const Point& p : points) {
        fill(canvas, {circle(p, 6.5)}, rgb(255, 255, 255));
        fill(canvas, {arc(p, 4.5, 2.6, 0, 360)}, rgb(215, 30, 40));
    }
}

// The letters of the name as round strokes in a box of the given width and height.
std::vector<Shape> letter(char c, double x, double top, double w, double h, double sw) {
    const double l = x + sw / 2, r = x + w - sw / 2, t = top + sw / 2, b = top + h - sw / 2;
    const double mid = top + h * 0.5;
    switch (c) {
    case 'F':
        return {stroke({l, t}, {l, b}, sw), stroke({l, t}, {r, t}, sw), stroke({l, mid}, {r - w * 0.12, mid}, sw)};
    case 'E':
        return {stroke({l, t}, {l, b}, sw), stroke({l, t}, {r, t}, sw), stroke({l, mid}, {r - w * 0.12, mid}, sw),
                stroke({l, b}, {r, b}, sw)};
    case 'N':
        return polyline({{l, b}, {l, t}, {r, b}, {r, t}}, sw);
    case 'X':
        return {stroke({l, t}, {r, b}, sw), stroke({r, t}, {l, b}, sw)};
    case 'A': {
        const double apex = x + w / 2, bar = top + h * 0.66, k = (bar - t) / (b - t);
        return {stroke({l, b}, {apex, t}, sw), stroke({apex, t}, {r, b}, sw),
                stroke({apex + (l - apex) * k, bar}, {apex + (r - apex) * k, bar}, sw)};
    }
    case 'O':
        return {ellipse_ring({x + w / 2, top + h / 2}, w / 2, h / 2, sw)};
    default:
        return {};
    }
}

double letter_width(char c, double h) {
    switch (c) {
    case 'O': return 0.92 * h;
    case 'N': case 'X': return 0.78 * h;
    case 'A': return 0.86 * h;
    default: return 0.62 * h;
    }
}

void draw_title(Canvas& canvas) {
    const std::string name = "FONEXA";
    const double h = 72, sw = 13, gap = 15, top = 34;
    double total = -gap;
    for (char c : name) total += letter_width(c, h) + gap;
    std::vector<Shape> shapes, shadow;
    double x = (kWidth - total) / 2;
    for (char c : name) {
        for (const Shape& s : letter(c, x, top, letter_width(c, h), h, sw)) shapes.push_back(s);
        for (const Shape& s : letter(c, x + 4, top + 4, letter_width(c, h), h, sw)) shadow.push_back(s);
        x += letter_width(c, h) + gap;
    }
    fill(canvas, shadow, rgb(0, 10, 30, 0.45));
    const Colour light = rgb(255, 255, 255), tint = rgb(190, 225, 255);
    fill(canvas, shapes, [&](double, double y) { return mix(light, tint, (y - top) / h); });
}

void draw_subtitle(Canvas& canvas) {
    const std::string text = "Rischio, danno e protezione dal rumore";
    const int scale = 2;
    const int x = (kWidth - text_width(text, scale)) / 2;
    draw_text(canvas, x + 2, 124 + 2, text, scale, rgb(0, 10, 30, 0.5));
    draw_text(canvas, x, 124, text, scale, rgb(255, 226, 140));
}

}  // namespace

RgbaImage draw_splash() {
    Canvas canvas = make_canvas(kWidth, kHeight);
    draw_background(canvas);
    draw_waves(canvas);
    draw_grid(canvas);
    draw_bars(canvas);
    draw_audiogram(canvas);
    draw_title(canvas);
    draw_subtitle(canvas);
    return to_image(canvas);
}
