#pragma once
#include "Palette.h"
#include "PaletteSelect.h"
#include "Surface.h"
#include <string>

// A surface with a logical palette and the pattern routines. Every routine rebuilds the palette,
// draws the whole pattern into memDC and leaves the palette for Paint, which selects and realizes it.
class CCanvas : public CSurface {
  public:
    explicit CCanvas(HWND owner);
    ~CCanvas() override;

    void PaintTo(const PAINTSTRUCT& paint) override;

    void DrawLevelRampChart();
    // One labelled patch: filled (but where `fill` is CLR_INVALID: filled already), its level written
    // and its edge outlined.
    void DrawLevelPatch(HDC dc, const RECT& rect, COLORREF fill, COLORREF entry);
    void DrawDisc(HDC dc, const RECT& rect, COLORREF color);
    void DrawBorder(COLORREF color);

    void DrawGrayRingChart();
    void DrawGratingBlock(int u, int left, int top, bool mirrorX, bool mirrorY);
    // The block's twelve squares as layers, for a chart that composes it with the rest.
    std::vector<Layer> GratingBlockLayers(int u, int left, int top, bool mirrorX, bool mirrorY) const;
    static int MirrorCoordinate(bool flag, int extent, int v);

    void DrawGrayStepBands();

    void DrawCentreSquare(const RECT& square, COLORREF squareColor, COLORREF backgroundColor);
    // A patch on a background, each pixel written once (an empty patch leaves the background alone).
    void DrawPatchOnBackground(const RECT& patch, COLORREF patchColor, COLORREF backgroundColor);

    // The whole canvas in one colour, the palette's only entry: a single fill.
    void DrawField(COLORREF color);

    // Four bands (gray, red, green, blue) of a reference lit on every second row, with a patch and its
    // gamma in each of seven columns: where patch and reference look alike, that is the gamma.
    void DrawGammaChart();
    // Twelve tiles of pixel walks at a mid gray, each tile's two phases lighting opposite pixels.
    void DrawInversionChart();
    // 4 x 4 rectangles, white at the top left (black when inverted).
    void DrawCheckerboard(bool inverted);
    // A field at a gray level divided into regions x regions by one-pixel lines.
    void DrawUniformityGrid(int level, int regions);
    // The depth chart as a path of 8 bits shows it (see DepthChart.h): the two bands of a pair alike.
    void DrawDepthChart();

    CPalette palette;
    COLORREF lightColor;

    // The pixel a fill with PALETTEINDEX(index) writes into the surface: the index itself where the
    // surface holds palette indices, else the entry's colour.
    UINT32 PalettePixel(int index) const;
    // Builds the logical palette from the colour list, lets the surface's colour table follow it, and
    // selects it in memDC until the returned guard goes. It is realized only where it is shown (Paint):
    // realized in a memory DC it takes system palette entries in the background, and the window's own
    // realization then finds its colours already mapped to whatever was left.
    CPaletteSelect UsePalette();

  private:
    // The pixel a solid brush of this colour writes into the surface, found by letting GDI write one
    // (and putting back the pixel it wrote over).
    UINT32 BrushPixel(COLORREF color);
    // Fills a rectangle of memDC with a brush made for it and deleted right after.
    void FillSolid(const RECT& rect, COLORREF color);
    // The font of captions in boxes of this height; made once for all the boxes of a chart.
    static HFONT CreateCaptionFont(int boxHeight);
    // Writes text with the font selected in memDC, in a palette colour, into a box of memDC: clipped to
    // the box and vertically centred in it, and centred across it or from its left edge.
    void DrawCaption(const RECT& box, const std::string& text, int colorIndex, bool centred);
};
