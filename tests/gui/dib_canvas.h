#pragma once
// A 32-bit top-down DIB section selected into a memory device context, for
// the tests of the charts: painters draw into it and the tests read back the
// pixels where the drawing rules put them.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace gui {

class Canvas {
public:
    // Filled with fill first, so that drawing where nothing should be shows;
    // the font (face, height) is selected, as the caller of a painter does.
    Canvas(int width, int height, COLORREF fill = RGB(255, 0, 255), const char* face = "Arial",
           int fontHeight = -10);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF At(int x, int y) const;
    void Fill(COLORREF colour);

    // Pixels in [left, right) x [top, bottom) that are neither the button
    // face colour nor the fill.
    int Marked(int left, int top, int right, int bottom) const;
    // Pixels of the colour in [left, right) x [top, bottom).
    int Count(COLORREF colour, int left, int top, int right, int bottom) const;
    // Every pixel, row by row.
    std::vector<uint32_t> Picture() const;

private:
    // A pixel once drawing is flushed; outside the bitmap, the fill.
    COLORREF Pixel(int x, int y) const;

    int width_, height_;
    COLORREF fill_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    uint32_t* bits_ = nullptr;
};

}  // namespace gui
