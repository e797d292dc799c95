#include "PatternFixture.h"

TestWindow* PatternFixture::owner = nullptr;

void PatternFixture::SetUpTestSuite() {
    owner = new TestWindow("tessaryn test pattern owner");
    owner->Register();
    owner->Create(WS_POPUP, 0, nullptr, nullptr, nullptr);
}

void PatternFixture::TearDownTestSuite() {
    delete owner;
    owner = nullptr;
}

std::unique_ptr<CCanvas> PatternFixture::MakeCanvas(int width, int height, int displayBits) {
    std::unique_ptr<CCanvas> canvas(new CCanvas(owner->handle));
    canvas->readDisplayBits = displayBits == 8 ? [](HWND) { return 8; } : [](HWND) { return 32; };
    // An 8-bit display works through a palette: the canvas then holds palette indices, as on one.
    canvas->readPaletteDisplay = displayBits == 8 ? [](HWND) { return true; } : [](HWND) { return false; };
    canvas->Create(width, height);
    canvas->lightColor = 0x00FFFFFF;
    canvas->darkColor = 0x00000000;
    return canvas;
}

Pixels PatternFixture::Read(const CCanvas& canvas) {
    return ReadPixels(canvas.memDC, 0, 0, canvas.width, canvas.height);
}

testing::AssertionResult HoldsStockObjects(HDC dc) {
    if (::GetCurrentObject(dc, OBJ_PEN) != ::GetStockObject(BLACK_PEN))
        return testing::AssertionFailure() << "a pen is left selected";
    if (::GetCurrentObject(dc, OBJ_BRUSH) != ::GetStockObject(WHITE_BRUSH))
        return testing::AssertionFailure() << "a brush is left selected";
    if (::GetCurrentObject(dc, OBJ_FONT) != ::GetStockObject(SYSTEM_FONT))
        return testing::AssertionFailure() << "a font is left selected";
    if (::GetCurrentObject(dc, OBJ_PAL) != ::GetStockObject(DEFAULT_PALETTE))
        return testing::AssertionFailure() << "a palette is left selected";
    return testing::AssertionSuccess();
}
