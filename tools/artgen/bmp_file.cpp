#include <cstdio>

#include "byte_writer.h"
#include "image.h"

namespace {

const uint32_t kFileHeaderSize = 14;

// Rows of a BMP are padded to whole 32-bit words.
uint32_t row_stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

void put_file_header(Bytes& out, uint32_t file_size, uint32_t bits_offset) {
    put_u8(out, 'B');
    put_u8(out, 'M');
    put_u32(out, file_size);
    put_u32(out, 0);
    put_u32(out, bits_offset);
}

}  // namespace

bool write_bmp_indexed(const std::string& path, const IndexedImage& image) {
    if (image.palette.empty() || image.palette.size() > 256) return false;
    const uint32_t stride = row_stride(image.width, 8);
    const uint32_t bits_size = stride * static_cast<uint32_t>(image.height);
    const uint32_t table_size = 4 * static_cast<uint32_t>(image.palette.size());
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + table_size;

    Bytes out;
    put_file_header(out, offset + bits_size, offset);
    put_info_header(out, image.width, image.height, 8, bits_size,
                    static_cast<uint32_t>(image.palette.size()));
    for (const Rgb& c : image.palette) {
        put_u8(out, c.b);
        put_u8(out, c.g);
        put_u8(out, c.r);
        put_u8(out, 0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) put_u8(out, image.pixels[y * image.width + x]);
        for (uint32_t pad = image.width; pad < stride; ++pad) put_u8(out, 0);
    }
    return write_file(path, out);
}

bool write_bmp_rgb(const std::string& path, const RgbaImage& image) {
    const uint32_t stride = row_stride(image.width, 24);
    const uint32_t bits_size = stride * static_cast<uint32_t>(image.height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    Bytes out;
    put_file_header(out, offset + bits_size, offset);
    put_info_header(out, image.width, image.height, 24, bits_size, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.pixels[y * image.width + x];
            put_u8(out, p.b);
            put_u8(out, p.g);
            put_u8(out, p.r);
        }
        for (uint32_t pad = 3 * image.width; pad < stride; ++pad) put_u8(out, 0);
    }
    return write_file(path, out);
}
