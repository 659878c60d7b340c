// Little-endian byte packing shared by the BMP and ICO encoders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void put_u8(Bytes& out, unsigned v) { out.push_back(static_cast<uint8_t>(v)); }

inline void put_u16(Bytes& out, unsigned v) {
    put_u8(out, v & 0xFF);
    put_u8(out, (v >> 8) & 0xFF);
}

inline void put_u32(Bytes& out, uint32_t v) {
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

const uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER

// BITMAPINFOHEADER without compression; a positive height means bottom-up.
void put_info_header(Bytes& out, int width, int height, int bits, uint32_t image_size,
                     uint32_t colours_used);

bool write_file(const std::string& path, const Bytes& data);
