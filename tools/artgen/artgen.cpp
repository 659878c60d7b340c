// artgen OUTDIR: writes the program's icon, toolbar strips, menu bitmaps and splash
// picture, and the installer's icon and animation, into OUTDIR, then the empty file OUTDIR/artgen.stamp.

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "artwork.h"
#include "pixel_font.h"
#include "pixel_art.h"

namespace {

// Image order of bitmap 144, the main toolbar.
const char* const kMainToolbar[] = {
    "new",          "open",         "save",        "print",          "cut",
    "copy",         "paste",        "graph",       "audiogram",      "table",
    "lepd",         "error",        "damage",      "risk",           "help",
    "predictions",  "evolution",    "nipts",       "htla",           "htlan",
    "noise_spectrum", "protector_selection", "protector_computation", "protector_spectrum",
    "group_leq",    "lepw",         "document",    "uncertainty",
};

// Image order of bitmap 168, the formatting toolbar.
const char* const kFormatToolbar[] = {
    "bold",       "italic",       "underline",   "text_colour", "align_left",  "align_centre",
    "align_right", "bullets",     "superscript", "subscript",   "font",        "word_wrap",
};

struct MenuBitmap {
    const char* resource;  // the file is this name in lower case + ".bmp"
    const char* picture;
};

const MenuBitmap kMenuBitmaps[] = {
    {"APRI", "open"},
    {"SALVA", "save"},
    {"STAMPA", "print"},
    {"NUOVO", "new"},
    {"COPIA", "copy"},
    {"GRAFICO", "graph"},
    {"TABELLA", "table"},
    {"AUDIOGRAMMA", "audiogram"},
    {"HELP", "help"},
    {"CUR_FILE", "current_file"},
    {"CUFFIA", "headphone"},
    {"LEPD", "lepd"},
    {"ERRORE", "error"},
    {"ILG", "damage"},
    {"RISCHIO", "risk"},
    {"PREVISIONI", "predictions"},
    {"EVOLUZIONE", "evolution"},
    {"NIPTS", "nipts"},
    {"HTLA", "htla"},
    {"HTLAN", "htlan"},
    {"SPETTRORUM", "noise_spectrum"},
    {"SCELTADPI", "protector_selection"},
    {"CALCOLODPI", "protector_computation"},
    {"SPETTRODPI", "protector_spectrum"},
    {"LEQGRUPPI", "group_leq"},
    {"LEPW", "lepw"},
    {"INCOLLA", "paste"},
    {"TAGLIA", "cut"},
    {"DOCUMENTO", "document"},
    {"INCERTEZZA", "uncertainty"},
};

const int kIconSizes[] = {16, 32, 48};
const int kDownloadFramesPerSecond = 12;

std::string lower_case(const char* text) {
    std::string out;
    for (const char* p = text; *p; ++p) out += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return out;
}

template <size_t N>
void resolve(const char* const (&names)[N], std::vector<const Picture*>& out, std::vector<std::string>& faults) {
    for (const char* name : names) {
        const Picture* p = find_picture(name);
        if (!p) faults.push_back(std::string("no picture named ") + name);
        out.push_back(p);
    }
}

bool report(bool ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";

    std::vector<std::string> faults;
    check_pictures(faults);
    check_font(faults);
    std::vector<const Picture*> main_toolbar, format_toolbar;
    resolve(kMainToolbar, main_toolbar, faults);
    resolve(kFormatToolbar, format_toolbar, faults);
    for (const MenuBitmap& m : kMenuBitmaps) {
        if (!find_picture(m.picture)) faults.push_back(std::string("no picture named ") + m.picture);
    }
    if (!faults.empty()) {
        for (const std::string& f : faults) std::fprintf(stderr, "artgen: %s\n", f.c_str());
        return 1;
    }

    std::error_code ignored;
    std::filesystem::create_directories(argv[1], ignored);  // if this fails, the writes below say so
    bool ok = true;
    std::vector<RgbaImage> icon;
    for (int size : kIconSizes) icon.push_back(draw_program_icon(size));
    ok = report(write_ico(dir + "fonexa.ico", icon), dir + "fonexa.ico") && ok;
    ok = report(write_bmp_indexed(dir + "toolbar144.bmp", picture_strip(main_toolbar)), dir + "toolbar144.bmp") && ok;
    ok = report(write_bmp_indexed(dir + "toolbar168.bmp", picture_strip(format_toolbar)), dir + "toolbar168.bmp") && ok;
    for (const MenuBitmap& m : kMenuBitmaps) {
        const std::string path = dir + lower_case(m.resource) + ".bmp";
        ok = report(write_bmp_indexed(path, menu_bitmap(*find_picture(m.picture))), path) && ok;
    }
    // 256 colours keep the splash's gradients, at a third of the 24-bit size.
    ok = report(write_bmp_indexed(dir + "fonexa.bmp", median_cut(draw_splash(), 256)), dir + "fonexa.bmp") && ok;
    std::vector<RgbaImage> setup_icon;
    for (int size : kIconSizes) setup_icon.push_back(draw_setup_icon(size));
    ok = report(write_ico(dir + "setup.ico", setup_icon), dir + "setup.ico") && ok;
    ok = report(write_avi(dir + "download.avi", draw_download_animation(), kDownloadFramesPerSecond),
                dir + "download.avi") && ok;
    if (!ok) return 1;

    // Written last, so that a build step can depend on it for all the files above.
    const std::string stamp = dir + "artgen.stamp";
    FILE* f = std::fopen(stamp.c_str(), "wb");
    if (!f || std::fclose(f) != 0) {
        report(false, stamp);
        return 1;
    }
    return 0;
}
