#include "pixel_art.h"

#include <cstring>
#include <iterator>
#include <set>

namespace {

struct LegendEntry {
    char key;
    Rgb colour;
};

// The classic 16-colour table first (the order toolbars and 16-colour displays know),
// then the additions.
const LegendEntry kLegend[] = {
    {'K', {0, 0, 0}},       {'r', {128, 0, 0}},     {'g', {0, 128, 0}},     {'y', {128, 128, 0}},
    {'b', {0, 0, 128}},     {'m', {128, 0, 128}},   {'c', {0, 128, 128}},   {'.', {192, 192, 192}},
    {'D', {128, 128, 128}}, {'R', {255, 0, 0}},     {'G', {0, 255, 0}},     {'Y', {255, 255, 0}},
    {'B', {0, 0, 255}},     {'M', {255, 0, 255}},   {'C', {0, 255, 255}},   {'W', {255, 255, 255}},
    {'s', {255, 204, 153}}, {'o', {255, 128, 0}},
};

const Picture kPictures[] = {
#include "command_pictures.inc"
#include "format_pictures.inc"
};

int picture_pixel(const Picture& picture, int x, int y) {
    if (picture.over[0] && picture.over[y][x] != '.') return picture_palette_index(picture.over[y][x]);
    return picture_palette_index(picture.rows[y][x]);
}

void check_rows(const char* name, const char* const* rows, const char* layer,
                std::vector<std::string>& faults) {
    for (int y = 0; y < kPictureHeight; ++y) {
        std::string where = std::string(name) + ", " + layer + " row " + std::to_string(y) + ": ";
        if (!rows[y]) {
            faults.push_back(where + "missing");
            continue;
        }
        if (std::strlen(rows[y]) != static_cast<size_t>(kPictureWidth)) {
            faults.push_back(where + "width " + std::to_string(std::strlen(rows[y])) + ", not 16");
        }
        for (const char* p = rows[y]; *p; ++p) {
            if (picture_palette_index(*p) < 0) faults.push_back(where + "unknown key '" + *p + "'");
        }
    }
}

}  // namespace

const std::vector<Rgb>& picture_palette() {
    static const std::vector<Rgb> palette = [] {
        std::vector<Rgb> colours;
        for (const LegendEntry& e : kLegend) colours.push_back(e.colour);
        return colours;
    }();
    return palette;
}

int picture_palette_index(char key) {
    for (size_t i = 0; i < sizeof kLegend / sizeof kLegend[0]; ++i) {
        if (kLegend[i].key == key) return static_cast<int>(i);
    }
    return -1;
}

int picture_background_index() { return picture_palette_index('.'); }

const std::vector<Picture>& all_pictures() {
    static const std::vector<Picture> pictures(std::begin(kPictures), std::end(kPictures));
    return pictures;
}

const Picture* find_picture(const std::string& name) {
    for (const Picture& p : all_pictures()) {
        if (name == p.name) return &p;
    }
    return nullptr;
}

void check_pictures(std::vector<std::string>& faults) {
    // Menus make every pixel of the background's colour transparent, so no drawing
    // colour may share it.
    const Rgb bg = picture_palette()[picture_background_index()];
    for (const LegendEntry& e : kLegend) {
        if (e.key != '.' && e.colour.r == bg.r && e.colour.g == bg.g && e.colour.b == bg.b) {
            faults.push_back(std::string("legend key '") + e.key + "' has the background colour");
        }
    }
    std::set<std::string> names;
    for (const Picture& p : all_pictures()) {
        if (!names.insert(p.name).second) faults.push_back(std::string(p.name) + ": duplicate name");
        check_rows(p.name, p.rows, "drawing", faults);
        if (p.over[0]) check_rows(p.name, p.over, "overlay", faults);
    }
}

IndexedImage picture_strip(const std::vector<const Picture*>& pictures) {
    IndexedImage strip;
    strip.width = kPictureWidth * static_cast<int>(pictures.size());
    strip.height = kPictureHeight;
    strip.palette = picture_palette();
    strip.pixels.assign(strip.width * strip.height, static_cast<uint8_t>(picture_background_index()));
    for (size_t i = 0; i < pictures.size(); ++i) {
        for (int y = 0; y < kPictureHeight; ++y) {
            for (int x = 0; x < kPictureWidth; ++x) {
                strip.pixels[y * strip.width + i * kPictureWidth + x] =
                    static_cast<uint8_t>(picture_pixel(*pictures[i], x, y));
            }
        }
    }
    return strip;
}

IndexedImage menu_bitmap(const Picture& picture) {
    IndexedImage image;
    image.width = kPictureWidth;
    image.height = kPictureHeight + 1;
    image.palette = picture_palette();
    image.pixels.assign(image.width * image.height, static_cast<uint8_t>(picture_background_index()));
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            image.pixels[y * image.width + x] = static_cast<uint8_t>(picture_pixel(picture, x, y));
        }
    }
    return image;
}
