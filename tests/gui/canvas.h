#pragma once
// A drawing surface for the tests of the charts: a 32-bit top-down bitmap
// selected into a memory device context, first filled with magenta so that
// drawing outside a chart shows.

#include <windows.h>

#include <cstdint>

namespace gui {

const COLORREF kUntouched = RGB(255, 0, 255);

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, (void**)&bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        // A small font of known size keeps the scale labels off the pixels
        // the tests look at.
        font_ = CreateFontA(-10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial");
        oldFont_ = SelectObject(dc_, font_);
        for (int i = 0; i < width * height; ++i)
            bits_[i] = 0x00FF00FF;
    }
    ~Canvas()
    {
        SelectObject(dc_, oldFont_);
        DeleteObject(font_);
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Pixels in [left, right) x [top, bottom) that are neither background
    // nor untouched.
    int Marked(int left, int top, int right, int bottom) const
    {
        int count = 0;
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += At(x, y) != face && At(x, y) != kUntouched;
        return count;
    }

    // Pixels of one colour in [left, right) x [top, bottom).
    int CountOf(COLORREF colour, int left, int top, int right, int bottom) const
    {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += At(x, y) == colour;
        return count;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    uint32_t* bits_ = nullptr;
};

}  // namespace gui
