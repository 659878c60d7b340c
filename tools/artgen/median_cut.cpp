// A drawn picture reduced to a colour table by median cut, without dithering.
#include <algorithm>
#include <map>

#include "image.h"

namespace {

struct Colour {
    int c[3];
    long count;
};

// The colours of one box of the colour cube: [begin, end) of the sorted list.
struct Box {
    size_t begin, end;
    int axis;   // the axis of the widest range
    int range;  // that range
};

Box measure(const std::vector<Colour>& colours, size_t begin, size_t end) {
    Box box{begin, end, 0, -1};
    for (int axis = 0; axis < 3; ++axis) {
        int low = 255, high = 0;
        for (size_t i = begin; i < end; ++i) {
            low = std::min(low, colours[i].c[axis]);
            high = std::max(high, colours[i].c[axis]);
        }
        if (high - low > box.range) {
            box.axis = axis;
            box.range = high - low;
        }
    }
    return box;
}

}  // namespace

IndexedImage median_cut(const RgbaImage& image, int table_size) {
    std::map<int, long> histogram;
    for (const Rgba& p : image.pixels) ++histogram[(p.r << 16) | (p.g << 8) | p.b];
    std::vector<Colour> colours;
    for (const auto& [rgb, count] : histogram) colours.push_back({{rgb >> 16, (rgb >> 8) & 255, rgb & 255}, count});

    // The widest box is split at the median of its pixels along its widest axis.
    std::vector<Box> boxes{measure(colours, 0, colours.size())};
    while (static_cast<int>(boxes.size()) < table_size) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box& a, const Box& b) { return a.range < b.range; });
        if (widest->range <= 0) break;
        Box box = *widest;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [&](const Colour& a, const Colour& b) { return a.c[box.axis] < b.c[box.axis]; });
        long total = 0, below = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
        size_t cut = box.begin;
        while (cut + 1 < box.end && below + colours[cut].count <= total / 2) below += colours[cut++].count;
        cut = std::max(cut, box.begin + 1);
        *widest = measure(colours, box.begin, cut);
        boxes.push_back(measure(colours, cut, box.end));
    }

    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    for (const Box& box : boxes) {
        long sum[3] = {0, 0, 0}, total = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            for (int axis = 0; axis < 3; ++axis) sum[axis] += colours[i].c[axis] * colours[i].count;
            total += colours[i].count;
        }
        out.palette.push_back({static_cast<uint8_t>((sum[0] + total / 2) / total),
                               static_cast<uint8_t>((sum[1] + total / 2) / total),
                               static_cast<uint8_t>((sum[2] + total / 2) / total)});
    }
    // Each colour takes the nearest entry of the table.
    std::map<int, uint8_t> index;
    for (const auto& [rgb, count] : histogram) {
        int best = 0;
        long best_distance = -1;
        for (size_t k = 0; k < out.palette.size(); ++k) {
            long dr = (rgb >> 16) - out.palette[k].r, dg = ((rgb >> 8) & 255) - out.palette[k].g,
                 db = (rgb & 255) - out.palette[k].b;
            long distance = dr * dr + dg * dg + db * db;
            if (best_distance < 0 || distance < best_distance) {
                best = static_cast<int>(k);
                best_distance = distance;
            }
        }
        index[rgb] = static_cast<uint8_t>(best);
    }
    for (const Rgba& p : image.pixels) out.pixels.push_back(index[(p.r << 16) | (p.g << 8) | p.b]);
    return out;
}
