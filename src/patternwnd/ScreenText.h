#pragma once
#include "GdiObject.h"
#include "GdiSelect.h"
#include <windows.h>
#include <string>

// The operator's text over a pattern, painted one way wherever it shows (labels, status, help): UTF-16
// in the system's default face at a given height, transparent, each piece in its own colour. The DC's
// font, text colour and background mode are put back when this goes.
class CScreenText {
  public:
    CScreenText(HDC dc, int height);
    ~CScreenText();
    CScreenText(const CScreenText&) = delete;
    CScreenText& operator=(const CScreenText&) = delete;

    int Width(const std::wstring& text) const;
    int LineHeight() const;
    void Draw(int x, int y, const std::wstring& text, COLORREF color) const;

  private:
    static HFONT MakeFont(int height);

    HDC dc;
    CFont font;
    CGdiSelect selected;
    COLORREF previousColor;
    int previousMode;
};
