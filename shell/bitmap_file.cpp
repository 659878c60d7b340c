#include "shell/bitmap_file.h"

namespace {

void Put16(unsigned char* at, uint32_t value)
{
    at[0] = (unsigned char)(value & 0xFF);
    at[1] = (unsigned char)((value >> 8) & 0xFF);
}

void Put32(unsigned char* at, uint32_t value)
{
    Put16(at, value & 0xFFFF);
    Put16(at + 2, value >> 16);
}

}  // namespace

int BitmapDepth(int bitsPerPixel, int planes)
{
    static const int kDepths[] = {1, 4, 8, 16, 24, 32};
    long bits = (long)bitsPerPixel * (long)planes;
    for (int depth : kDepths)
        if (bits <= depth)
            return depth;
    return 32;
}

bool LayOutBitmap(int width, int height, int depth, BitmapLayout* layout)
{
    if (width <= 0 || height <= 0 || depth <= 0 || depth > 32)
        return false;
    uint64_t rowBytes = ((uint64_t)width * (uint64_t)depth + 31) / 32 * 4;
    uint64_t imageSize = rowBytes * (uint64_t)height;
    uint32_t colours = depth <= 8 ? 1u << depth : 0;
    uint64_t pixelOffset = kBitmapHeadersSize + 4u * (uint64_t)colours;
    // The file size field has 32 bits.
    if (pixelOffset + imageSize > 0x7FFFFFFFu)
        return false;
    layout->width = width;
    layout->height = height;
    layout->depth = depth;
    layout->rowBytes = (uint32_t)rowBytes;
    layout->imageSize = (uint32_t)imageSize;
    layout->colours = colours;
    layout->pixelOffset = (uint32_t)pixelOffset;
    layout->fileSize = (uint32_t)(pixelOffset + imageSize);
    return true;
}

void WriteBitmapHeaders(const BitmapLayout& layout, unsigned char out[kBitmapHeadersSize])
{
    for (int i = 0; i < kBitmapHeadersSize; ++i)
        out[i] = 0;
    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, layout.fileSize);
    Put32(out + 10, layout.pixelOffset);
    unsigned char* info = out + 14;
    Put32(info + 0, 40);
    Put32(info + 4, (uint32_t)layout.width);
    Put32(info + 8, (uint32_t)layout.height);
    Put16(info + 12, 1);
    Put16(info + 14, (uint32_t)layout.depth);
    Put32(info + 20, layout.imageSize);
    Put32(info + 32, layout.colours);
}
