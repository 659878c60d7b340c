// Uncompressed 8-bit AVI: the only kind the animation control plays on every
// Windows without a codec (a video stream, no sound, one key frame per
// picture, the index the control needs to find them).

#include <cstdio>

#include "byte_writer.h"
#include "image.h"

namespace {

const uint32_t kAvifHasIndex = 0x10;
const uint32_t kIndexKeyFrame = 0x10;

void put_fourcc(Bytes& out, const char* code) {
    for (int i = 0; i < 4; ++i) put_u8(out, static_cast<uint8_t>(code[i]));
}

// Appends a chunk or list: its code, its size (patched in end_chunk) and, for a
// list, its type.
size_t begin_chunk(Bytes& out, const char* code, const char* list_type = nullptr) {
    put_fourcc(out, code);
    const size_t size_at = out.size();
    put_u32(out, 0);
    if (list_type) put_fourcc(out, list_type);
    return size_at;
}

void end_chunk(Bytes& out, size_t size_at) {
    if (out.size() % 2) put_u8(out, 0);
    const uint32_t size = static_cast<uint32_t>(out.size() - size_at - 4);
    for (int i = 0; i < 4; ++i) out[size_at + i] = static_cast<uint8_t>(size >> (8 * i));
}

uint32_t row_stride(int width) { return ((width * 8 + 31) / 32) * 4; }

}  // namespace

bool write_avi(const std::string& path, const std::vector<IndexedImage>& frames, int frames_per_second) {
    if (frames.empty() || frames_per_second <= 0) return false;
    const IndexedImage& first = frames.front();
    for (const IndexedImage& f : frames) {
        if (f.width != first.width || f.height != first.height || f.palette.size() != first.palette.size())
            return false;
    }
    if (first.palette.empty() || first.palette.size() > 256) return false;
    const uint32_t frame_size = row_stride(first.width) * static_cast<uint32_t>(first.height);
    const uint32_t count = static_cast<uint32_t>(frames.size());

    Bytes out;
    const size_t riff = begin_chunk(out, "RIFF", "AVI ");
    const size_t hdrl = begin_chunk(out, "LIST", "hdrl");
    const size_t avih = begin_chunk(out, "avih");
    put_u32(out, 1000000u / frames_per_second);  // microseconds per frame
    put_u32(out, frame_size * frames_per_second);
    put_u32(out, 0);
    put_u32(out, kAvifHasIndex);
    put_u32(out, count);
    put_u32(out, 0);
    put_u32(out, 1);  // streams
    put_u32(out, frame_size);
    put_u32(out, first.width);
    put_u32(out, first.height);
    for (int i = 0; i < 4; ++i) put_u32(out, 0);
    end_chunk(out, avih);

    const size_t strl = begin_chunk(out, "LIST", "strl");
    const size_t strh = begin_chunk(out, "strh");
    put_fourcc(out, "vids");
    put_fourcc(out, "DIB ");
    put_u32(out, 0);      // flags
    put_u16(out, 0);      // priority
    put_u16(out, 0);      // language
    put_u32(out, 0);      // initial frames
    put_u32(out, 1);      // scale
    put_u32(out, frames_per_second);  // rate
    put_u32(out, 0);      // start
    put_u32(out, count);  // length
    put_u32(out, frame_size);
    put_u32(out, 0xFFFFFFFFu);  // quality: default
    put_u32(out, 0);      // sample size
    put_u16(out, 0);
    put_u16(out, 0);
    put_u16(out, first.width);
    put_u16(out, first.height);
    end_chunk(out, strh);
    const size_t strf = begin_chunk(out, "strf");
    put_info_header(out, first.width, first.height, 8, frame_size, static_cast<uint32_t>(first.palette.size()));
    for (const Rgb& c : first.palette) {
        put_u8(out, c.b);
        put_u8(out, c.g);
        put_u8(out, c.r);
        put_u8(out, 0);
    }
    end_chunk(out, strf);
    end_chunk(out, strl);
    end_chunk(out, hdrl);

    // Index offsets count from the "movi" type code.
    const size_t movi = begin_chunk(out, "LIST", "movi");
    const size_t movi_type = movi + 4;
    std::vector<uint32_t> offsets;
    for (const IndexedImage& f : frames) {
        offsets.push_back(static_cast<uint32_t>(out.size() - movi_type));
        const size_t chunk = begin_chunk(out, "00db");
        const uint32_t stride = row_stride(f.width);
        for (int y = f.height - 1; y >= 0; --y) {
            for (int x = 0; x < f.width; ++x) put_u8(out, f.pixels[y * f.width + x]);
            for (uint32_t x = f.width; x < stride; ++x) put_u8(out, 0);
        }
        end_chunk(out, chunk);
    }
    end_chunk(out, movi);

    const size_t idx1 = begin_chunk(out, "idx1");
    for (uint32_t offset : offsets) {
        put_fourcc(out, "00db");
        put_u32(out, kIndexKeyFrame);
        put_u32(out, offset);
        put_u32(out, frame_size);
    }
    end_chunk(out, idx1);
    end_chunk(out, riff);
    return write_file(path, out);
}
