// Raster images and the two file formats the resources need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

struct Rgba {
    uint8_t r, g, b, a;
};

// Pixels index a colour table; row 0 is the top row.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> pixels;
};

// Straight (not premultiplied) alpha; row 0 is the top row.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
};

// The picture with a colour table of at most table_size entries (median cut,
// each colour mapped to the nearest entry, no dithering).
IndexedImage median_cut(const RgbaImage& image, int table_size);

// 8 bits per pixel with the image's colour table, stored bottom-up.
bool write_bmp_indexed(const std::string& path, const IndexedImage& image);
// 24 bits per pixel, stored bottom-up; alpha is ignored.
bool write_bmp_rgb(const std::string& path, const RgbaImage& image);
// One 32-bit entry with alpha and AND mask per image (each at most 256x256).
bool write_ico(const std::string& path, const std::vector<RgbaImage>& sizes);
// Uncompressed 8-bit AVI, one key frame per image; every frame has the first
// frame's size and colour table.
bool write_avi(const std::string& path, const std::vector<IndexedImage>& frames, int frames_per_second);
