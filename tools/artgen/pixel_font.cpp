#include "pixel_font.h"

#include <cstring>
#include <map>

namespace {

struct FontSheet {
    const char* chars;
    const char* rows[kFontRows];
};

const FontSheet kSheets[] = {
#include "pixel_font.inc"
};

struct Glyph {
    std::vector<std::string> rows;
    int width() const { return rows.empty() ? 0 : static_cast<int>(rows[0].size()); }
};

struct Font {
    std::map<char, Glyph> glyphs;
    std::vector<std::string> faults;
};

std::vector<std::string> split(const std::string& row) {
    std::vector<std::string> parts(1);
    for (char c : row) {
        if (c == '|') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

Font parse_font() {
    Font font;
    for (const FontSheet& sheet : kSheets) {
        const size_t count = std::strlen(sheet.chars);
        std::vector<Glyph> glyphs(count);
        for (int r = 0; r < kFontRows; ++r) {
            std::vector<std::string> parts = split(sheet.rows[r]);
            if (parts.size() != count) {
                font.faults.push_back(std::string("font sheet \"") + sheet.chars + "\" row " + std::to_string(r) +
                                      ": " + std::to_string(parts.size()) + " glyphs");
                continue;
            }
            for (size_t i = 0; i < count; ++i) glyphs[i].rows.push_back(parts[i]);
        }
        for (size_t i = 0; i < count; ++i) {
            const Glyph& g = glyphs[i];
            bool ok = g.rows.size() == static_cast<size_t>(kFontRows);
            for (const std::string& row : g.rows) {
                ok = ok && static_cast<int>(row.size()) == g.width() && row.find_first_not_of("#.") == std::string::npos;
            }
            if (!ok) {
                font.faults.push_back(std::string("font glyph '") + sheet.chars[i] + "': uneven or unknown pixels");
            } else if (!font.glyphs.emplace(sheet.chars[i], g).second) {
                font.faults.push_back(std::string("font glyph '") + sheet.chars[i] + "' twice");
            }
        }
    }
    return font;
}

const Font& font() {
    static const Font parsed = parse_font();
    return parsed;
}

const Glyph* glyph_for(char c) {
    auto it = font().glyphs.find(c);
    if (it == font().glyphs.end()) it = font().glyphs.find(' ');
    return it == font().glyphs.end() ? nullptr : &it->second;
}

}  // namespace

void check_font(std::vector<std::string>& faults) {
    faults.insert(faults.end(), font().faults.begin(), font().faults.end());
    if (!font().glyphs.count(' ')) faults.push_back("font has no blank");
}

int text_width(const std::string& text, int scale) {
    int width = 0;
    for (char c : text) {
        const Glyph* g = glyph_for(c);
        if (g) width += (g->width() + 1) * scale;
    }
    return width > 0 ? width - scale : 0;
}

void draw_text(Canvas& canvas, int x, int top, const std::string& text, int scale, const Colour& colour) {
    for (char c : text) {
        const Glyph* g = glyph_for(c);
        if (!g) continue;
        for (int r = 0; r < kFontRows; ++r) {
            for (int col = 0; col < g->width(); ++col) {
                if (g->rows[r][col] == '#') fill_pixels(canvas, x + col * scale, top + r * scale, scale, scale, colour);
            }
        }
        x += (g->width() + 1) * scale;
    }
}
