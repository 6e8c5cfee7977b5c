#pragma once
// Twips (1/1440 inch), the unit the window's layout is given in, and screen pixels.

namespace veltrin::ui {

class Twips {
  public:
    Twips(int dpiX = 96, int dpiY = 96)
        : dpiX_(dpiX > 0 ? dpiX : 96), dpiY_(dpiY > 0 ? dpiY : 96) {}

    int X(double twips) const { return static_cast<int>(twips * dpiX_ / 1440); }
    int Y(double twips) const { return static_cast<int>(twips * dpiY_ / 1440); }
    double FromX(int pixels) const { return static_cast<double>(pixels) * 1440 / dpiX_; }
    double FromY(int pixels) const { return static_cast<double>(pixels) * 1440 / dpiY_; }
    // Twips per pixel, as a whole number.
    int PerPixelY() const { return 1440 / dpiY_; }

  private:
    int dpiX_, dpiY_;
};

}  // namespace veltrin::ui
