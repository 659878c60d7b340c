#include "vector_canvas.h"

#include <algorithm>
#include <cmath>

namespace {

const int kSamples = 4;  // per axis
const double kPi = 3.14159265358979323846;

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

double segment_distance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = clamp01(t);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Blends `c` over the pixel with weight `coverage`.
void blend(Colour& dst, const Colour& c, double coverage) {
    const double a = c.a * coverage;
    dst.r = c.r * a + dst.r * (1 - a);
    dst.g = c.g * a + dst.g * (1 - a);
    dst.b = c.b * a + dst.b * (1 - a);
    dst.a = a + dst.a * (1 - a);
}

}  // namespace

Colour rgb(int r, int g, int b, double a) { return {r / 255.0, g / 255.0, b / 255.0, a}; }

Colour mix(const Colour& from, const Colour& to, double t) {
    t = clamp01(t);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Canvas make_canvas(int width, int height) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.pixels.assign(static_cast<size_t>(width) * height, Colour{0, 0, 0, 0});
    return c;
}

RgbaImage to_image(const Canvas& canvas) {
    RgbaImage image;
    image.width = canvas.width;
    image.height = canvas.height;
    for (const Colour& p : canvas.pixels) {
        auto byte = [](double v) { return static_cast<uint8_t>(std::lround(clamp01(v) * 255)); };
        if (p.a <= 0) {
            image.pixels.push_back({0, 0, 0, 0});
        } else {
            image.pixels.push_back({byte(p.r / p.a), byte(p.g / p.a), byte(p.b / p.a), byte(p.a)});
        }
    }
    return image;
}

Shape circle(Point c, double r) {
    return {c.x - r, c.y - r, c.x + r, c.y + r,
            [c, r](double x, double y) { return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) <= r * r; }};
}

Shape ellipse_ring(Point c, double rx, double ry, double thickness) {
    const double ix = rx - thickness, iy = ry - thickness;
    return {c.x - rx, c.y - ry, c.x + rx, c.y + ry, [c, rx, ry, ix, iy](double x, double y) {
                const double u = (x - c.x) / rx, v = (y - c.y) / ry;
                const double iu = (x - c.x) / ix, iv = (y - c.y) / iy;
                return u * u + v * v <= 1 && iu * iu + iv * iv > 1;
            }};
}

Shape arc(Point c, double radius, double thickness, double from, double to) {
    const double half = thickness / 2;
    const double a0 = from * kPi / 180, a1 = to * kPi / 180;
    const Point end0{c.x + radius * std::cos(a0), c.y + radius * std::sin(a0)};
    const Point end1{c.x + radius * std::cos(a1), c.y + radius * std::sin(a1)};
    const double outer = radius + half;
    return {c.x - outer, c.y - outer, c.x + outer, c.y + outer,
            [=](double x, double y) {
                if (std::hypot(x - end0.x, y - end0.y) <= half || std::hypot(x - end1.x, y - end1.y) <= half) return true;
                const double d = std::hypot(x - c.x, y - c.y);
                if (d < radius - half || d > radius + half) return false;
                double a = std::atan2(y - c.y, x - c.x);
                while (a < a0) a += 2 * kPi;
                while (a > a0 + 2 * kPi) a -= 2 * kPi;
                return a <= a1;
            }};
}

Shape stroke(Point a, Point b, double width) {
    const double h = width / 2;
    return {std::min(a.x, b.x) - h, std::min(a.y, b.y) - h, std::max(a.x, b.x) + h, std::max(a.y, b.y) + h,
            [a, b, h](double x, double y) { return segment_distance({x, y}, a, b) <= h; }};
}

Shape rounded_rect(double x0, double y0, double x1, double y1, double r) {
    return {x0, y0, x1, y1, [=](double x, double y) {
                if (x < x0 || x > x1 || y < y0 || y > y1) return false;
                const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
                return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
            }};
}

std::vector<Shape> polyline(const std::vector<Point>& points, double width) {
    std::vector<Shape> shapes;
    for (size_t i = 1; i < points.size(); ++i) shapes.push_back(stroke(points[i - 1], points[i], width));
    return shapes;
}

void fill(Canvas& canvas, const std::vector<Shape>& shapes, const std::function<Colour(double, double)>& paint) {
    if (shapes.empty()) return;
    double bx0 = 1e9, by0 = 1e9, bx1 = -1e9, by1 = -1e9;
    for (const Shape& s : shapes) {
        bx0 = std::min(bx0, s.x0);
        by0 = std::min(by0, s.y0);
        bx1 = std::max(bx1, s.x1);
        by1 = std::max(by1, s.y1);
    }
    const int px0 = std::max(0, static_cast<int>(std::floor(bx0)));
    const int py0 = std::max(0, static_cast<int>(std::floor(by0)));
    const int px1 = std::min(canvas.width - 1, static_cast<int>(std::ceil(bx1)));
    const int py1 = std::min(canvas.height - 1, static_cast<int>(std::ceil(by1)));
    for (int py = py0; py <= py1; ++py) {
        for (int px = px0; px <= px1; ++px) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = px + (sx + 0.5) / kSamples, y = py + (sy + 0.5) / kSamples;
                    for (const Shape& s : shapes) {
                        if (x >= s.x0 && x <= s.x1 && y >= s.y0 && y <= s.y1 && s.contains(x, y)) {
                            ++hits;
                            break;
                        }
                    }
                }
            }
            if (hits) {
                blend(canvas.pixels[static_cast<size_t>(py) * canvas.width + px], paint(px + 0.5, py + 0.5),
                      static_cast<double>(hits) / (kSamples * kSamples));
            }
        }
    }
}

void fill(Canvas& canvas, const std::vector<Shape>& shapes, const Colour& colour) {
    fill(canvas, shapes, [colour](double, double) { return colour; });
}

void fill_pixels(Canvas& canvas, int x, int y, int w, int h, const Colour& colour) {
    for (int py = std::max(0, y); py < std::min(canvas.height, y + h); ++py) {
        for (int px = std::max(0, x); px < std::min(canvas.width, x + w); ++px) {
            blend(canvas.pixels[static_cast<size_t>(py) * canvas.width + px], colour, 1.0);
        }
    }
}
