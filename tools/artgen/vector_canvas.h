// Anti-aliased drawing of simple shapes, for the icon and the splash picture.
// Coordinates are in pixels, y downwards; pixel (x, y) covers [x, x+1) x [y, y+1).
#pragma once

#include <functional>
#include <vector>

#include "image.h"

struct Colour {
    double r, g, b, a;  // 0..1, straight alpha
};

Colour rgb(int r, int g, int b, double a = 1.0);
Colour mix(const Colour& from, const Colour& to, double t);

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // premultiplied by alpha
};

Canvas make_canvas(int width, int height);  // fully transparent
RgbaImage to_image(const Canvas& canvas);

struct Point {
    double x, y;
};

// A region: its bounding box and a test for a point inside it.
struct Shape {
    double x0, y0, x1, y1;
    std::function<bool(double, double)> contains;
};

Shape circle(Point centre, double radius);
// The band between two ellipses with the same centre (rx, ry outer, thickness inward).
Shape ellipse_ring(Point centre, double rx, double ry, double thickness);
// Part of the band between radius-thickness/2 and radius+thickness/2, from angle `from`
// to angle `to` (degrees, 0 = right, growing clockwise on screen), with round ends.
Shape arc(Point centre, double radius, double thickness, double from, double to);
// A segment thickened to `width`, with round ends.
Shape stroke(Point a, Point b, double width);
Shape rounded_rect(double x0, double y0, double x1, double y1, double radius);

// Paints the union of the shapes: each pixel gets the colour of `paint` at its centre,
// weighted by the share of 4x4 samples that fall inside.
void fill(Canvas& canvas, const std::vector<Shape>& shapes, const std::function<Colour(double, double)>& paint);
void fill(Canvas& canvas, const std::vector<Shape>& shapes, const Colour& colour);
// A polyline of strokes painted as one shape.
std::vector<Shape> polyline(const std::vector<Point>& points, double width);
// Whole pixels, no anti-aliasing (for pixel fonts).
void fill_pixels(Canvas& canvas, int x, int y, int w, int h, const Colour& colour);
