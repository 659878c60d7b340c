#pragma once
// The layout of an uncompressed ".bmp" file (file header, info header,
// colour table, bottom-up rows padded to 4 bytes), all numbers little-endian.

#include <cstddef>
#include <cstdint>

enum { kBitmapHeadersSize = 14 + 40 };

// A display's bits per pixel times its planes, rounded up to a depth a
// device-independent bitmap can have: 1, 4, 8, 16, 24 or 32.
int BitmapDepth(int bitsPerPixel, int planes);

struct BitmapLayout {
    int width;
    int height;
    int depth;
    uint32_t rowBytes;     // (width * depth + 31) / 32 * 4
    uint32_t imageSize;    // rowBytes * height
    uint32_t colours;      // 2^depth up to 8 bits per pixel, else 0
    uint32_t pixelOffset;  // 14 + 40 + 4 * colours
    uint32_t fileSize;     // pixelOffset + imageSize
};

// False when the picture is empty or too large for a file of this kind.
bool LayOutBitmap(int width, int height, int depth, BitmapLayout* layout);

// The 14-byte file header and the 40-byte info header: planes 1, no
// compression, no resolution, "important colours" 0.
void WriteBitmapHeaders(const BitmapLayout& layout, unsigned char out[kBitmapHeadersSize]);
