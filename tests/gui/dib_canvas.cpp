#include "tests/gui/dib_canvas.h"

namespace gui {

Canvas::Canvas(int width, int height, COLORREF fill, const char* face, int fontHeight)
    : width_(width), height_(height), fill_(fill)
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
    font_ = CreateFontA(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, face);
    oldFont_ = SelectObject(dc_, font_);
    Fill(fill);
}

Canvas::~Canvas()
{
    SelectObject(dc_, oldFont_);
    DeleteObject(font_);
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::Fill(COLORREF colour)
{
    GdiFlush();
    uint32_t pixel = (uint32_t)GetRValue(colour) << 16 | (uint32_t)GetGValue(colour) << 8 | GetBValue(colour);
    for (int i = 0; i < width_ * height_; ++i)
        bits_[i] = pixel;
}

COLORREF Canvas::At(int x, int y) const
{
    GdiFlush();
    return Pixel(x, y);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return fill_;
    uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Canvas::Marked(int left, int top, int right, int bottom) const
{
    GdiFlush();
    int count = 0;
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += Pixel(x, y) != face && Pixel(x, y) != fill_;
    return count;
}

int Canvas::Count(COLORREF colour, int left, int top, int right, int bottom) const
{
    GdiFlush();
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += Pixel(x, y) == colour;
    return count;
}

std::vector<uint32_t> Canvas::Picture() const
{
    GdiFlush();
    return std::vector<uint32_t>(bits_, bits_ + width_ * height_);
}

}  // namespace gui
