// Content of more than 8 bits on a pattern window: through a swap chain, or as 8 bits carry it.
#include "PatternWindowFixture.h"
#include "Pixels.h"
#include <dxgiformat.h>

namespace {

FARPROC NoDirect3D(const char*) {
    return nullptr;
}

// Deep content at 10 bits through a swap chain where one can be made; where Direct3D 11 is missing or
// refuses the format, the canvas shows it as 8 bits carry it and the first screen's note says so.
TEST_F(PatternWindowTest, DeepContentShowsAtTenBitsOrAsEightBitsCarryIt) {
    ScreenContent chart;
    chart.mode = patternDepthChart;
    chart.label = L"note";
    chart.outputNote = true;
    ScreenContent patch;
    patch.mode = patternRemote;
    // Codes whose 8-bit levels, round(255c / 1023) with halves up, differ from c >> 2: the patch 3, 688 and
    // 1020 show as 1, 171 and 254; the background 7, 684 and 944 as 2, 170 and 235.
    patch.params.remote = {
        RGB(0, 0, 0), RGB(0, 0, 0), 0.5, 0, 0.5, 1, DeepPixel(7, 684, 944), DeepPixel(3, 688, 1020), true};
    const struct {
        const char* what;
        CDeepDevices::ProcLookup lookup;
        DWORD format;
    } refusals[] = {
        {"no Direct3D 11", &NoDirect3D, DXGI_FORMAT_R10G10B10A2_UNORM},
        {"a format no swap chain takes", &CDeepDevices::LookUpInD3D11, DXGI_FORMAT_R32G32B32_FLOAT}};
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        CDeepDevices devices(refusal.lookup, refusal.format);
        MakeWindow(&devices);
        ScreenDescription tenBits = window->screen;
        tenBits.tenBitPatches = true;
        window->Describe(tenBits);
        window->SetContent(chart, true);
        EXPECT_FALSE(window->ShowsTenBits());
        const Pixels canvas = ReadPixels(window->canvas->memDC, 0, 0, 320, 240);
        // Band 0 at column 160: code 128; band 1 the same as 8 bits carry it; both show level 32.
        EXPECT_EQ(canvas.At(160, 0), Gray(32));
        EXPECT_EQ(canvas.At(160, 30), Gray(32));
        EXPECT_EQ(canvas.At(319, 239), Gray((255 * (768 + 255) + 511) / 1023));
        EXPECT_NE(window->ShownLabel().find(L"No 10-bit output"), std::wstring::npos);
        window->SetContent(patch, true);
        EXPECT_FALSE(window->ShowsTenBits());
        const Pixels narrowed = ReadPixels(window->canvas->memDC, 0, 0, 320, 240);
        EXPECT_TRUE(RectIs(narrowed, {160, 0, 320, 240}, RGB(1, 171, 254))) << "the patch as 8 bits carry it";
        EXPECT_TRUE(RectIs(narrowed, {0, 0, 160, 240}, RGB(2, 170, 235)))
            << "the background as 8 bits carry it";
        window.reset();
    }
    CDeepDevices devices;
    MakeWindow(&devices);
    ScreenDescription tenBits = window->screen;
    tenBits.tenBitPatches = true;
    window->Describe(tenBits);
    window->SetContent(chart, true);
    EXPECT_TRUE(window->ShowsTenBits()) << "Direct3D 11 runs on the bench";
    EXPECT_EQ(window->ShownLabel().find(L"No 10-bit output"), std::wstring::npos);
    window->SetContent(patch, true);
    EXPECT_TRUE(window->ShowsTenBits());
    tenBits.tenBitPatches = false; // at 8 bits, as every patch showed before
    window->Describe(tenBits);
    window->SetContent(patch, true);
    EXPECT_FALSE(window->ShowsTenBits());
    window->SetContent(ScreenContent(), true);
    EXPECT_FALSE(window->ShowsTenBits());
    EXPECT_EQ(devices.devicesMade, 1);
    EXPECT_EQ(devices.swapChainsMade, 1) << "the swap chain is kept between 10-bit contents";
    window.reset(); // before the devices
}

} // namespace
