#include "byte_writer.h"

#include <cstdio>

void put_info_header(Bytes& out, int width, int height, int bits, uint32_t image_size,
                     uint32_t colours_used) {
    put_u32(out, kInfoHeaderSize);
    put_u32(out, static_cast<uint32_t>(width));
    put_u32(out, static_cast<uint32_t>(height));
    put_u16(out, 1);
    put_u16(out, static_cast<unsigned>(bits));
    put_u32(out, 0);  // BI_RGB
    put_u32(out, image_size);
    put_u32(out, 2835);  // 72 dpi
    put_u32(out, 2835);
    put_u32(out, colours_used);
    put_u32(out, 0);
}

bool write_file(const std::string& path, const Bytes& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const size_t written = std::fwrite(data.data(), 1, data.size(), f);
    const bool closed = std::fclose(f) == 0;
    return closed && written == data.size();
}

