#include "byte_writer.h"
#include "image.h"

namespace {

const uint32_t kDirHeaderSize = 6;
const uint32_t kDirEntrySize = 16;

uint32_t mask_stride(int width) { return ((width + 31) / 32) * 4; }

uint32_t entry_size(const RgbaImage& image) {
    return kInfoHeaderSize + 4u * image.width * image.height + mask_stride(image.width) * image.height;
}

// The entry as a DIB: 32-bit colour rows, then the AND mask rows, both bottom-up;
// the header's height counts both halves.
void put_entry_bits(Bytes& out, const RgbaImage& image) {
    const uint32_t colour_size = 4u * image.width * image.height;
    const uint32_t mask_size = mask_stride(image.width) * image.height;
    put_info_header(out, image.width, 2 * image.height, 32, colour_size + mask_size, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.pixels[y * image.width + x];
            put_u8(out, p.b);
            put_u8(out, p.g);
            put_u8(out, p.r);
            put_u8(out, p.a);
        }
    }
    // Systems that ignore alpha fall back on the mask: set bits are see-through.
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(mask_stride(image.width), 0);
        for (int x = 0; x < image.width; ++x) {
            if (image.pixels[y * image.width + x].a < 128) row[x / 8] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

bool write_ico(const std::string& path, const std::vector<RgbaImage>& sizes) {
    if (sizes.empty()) return false;
    for (const RgbaImage& image : sizes) {
        if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256) return false;
    }
    Bytes out;
    put_u16(out, 0);
    put_u16(out, 1);  // icon, not cursor
    put_u16(out, static_cast<unsigned>(sizes.size()));
    uint32_t offset = kDirHeaderSize + kDirEntrySize * static_cast<uint32_t>(sizes.size());
    for (const RgbaImage& image : sizes) {
        put_u8(out, image.width == 256 ? 0 : image.width);
        put_u8(out, image.height == 256 ? 0 : image.height);
        put_u8(out, 0);  // no colour table
        put_u8(out, 0);
        put_u16(out, 1);
        put_u16(out, 32);
        put_u32(out, entry_size(image));
        put_u32(out, offset);
        offset += entry_size(image);
    }
    for (const RgbaImage& image : sizes) put_entry_bits(out, image);
    return write_file(path, out);
}
