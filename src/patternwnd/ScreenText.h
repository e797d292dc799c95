#pragma once
#include "GdiObject.h"
#include "GdiSelect.h"
#include <windows.h>
#include <string>

// The operator's text over a pattern, painted one way wherever it shows (labels, status, help): UTF-16
// at a given height, transparent, each piece in its own colour, in the system's default face where that
// has a glyph for every character of the text to come (`sample`), else in the first face of the user
// interface's Japanese faces that has (Meiryo UI, Yu Gothic UI, MS UI Gothic, and the free ones Linux
// has). The DC's font, text colour and background mode are put back when this goes.
class CScreenText {
  public:
    CScreenText(HDC dc, int height, const std::wstring& sample);
    ~CScreenText();
    CScreenText(const CScreenText&) = delete;
    CScreenText& operator=(const CScreenText&) = delete;

    int Width(const std::wstring& text) const;
    int LineHeight() const;
    void Draw(int x, int y, const std::wstring& text, COLORREF color) const;
    // Text broken into lines at spaces and line breaks to fit the box's width, from its top left;
    // nothing of it goes outside the box.
    void DrawInBox(const RECT& box, const std::wstring& text, COLORREF color) const;

    // The face chosen for the sample ("" for the default face).
    const std::wstring& Face() const { return face; }
    // Whether the font selected in dc has a glyph for every character of the text.
    static bool HasGlyphs(HDC dc, const std::wstring& text);

  private:
    static HFONT MakeFont(int height, const std::wstring& face);
    static std::wstring ChooseFace(HDC dc, int height, const std::wstring& sample);

    std::wstring face;

    HDC dc;
    CFont font;
    CGdiSelect selected;
    COLORREF previousColor;
    int previousMode;
};
