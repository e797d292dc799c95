// Ten bits where they are wanted, and the depth chart and back many times over on the bench's heads:
// the 10-bit outputs are made once.
#include "Frame.h"
#include "GdiCount.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "RemotePatch.h"
#include "TestWindow.h"
#include <d3d11.h>
#include <gtest/gtest.h>
#include <cstring>
#include <memory>

namespace {

int devicesAsked = 0; // calls of D3D11CreateDevice

HRESULT WINAPI CountedCreateDevice(IDXGIAdapter* adapter, D3D_DRIVER_TYPE type, HMODULE software, UINT flags,
                                   const D3D_FEATURE_LEVEL* levels, UINT count, UINT sdk,
                                   ID3D11Device** device, D3D_FEATURE_LEVEL* level,
                                   ID3D11DeviceContext** context) {
    ++devicesAsked;
    const auto create = reinterpret_cast<PFN_D3D11_CREATE_DEVICE>(
        reinterpret_cast<void*>(CDeepDevices::LookUpInD3D11("D3D11CreateDevice")));
    return create(adapter, type, software, flags, levels, count, sdk, device, level, context);
}

FARPROC CountingLookUp(const char* name) {
    return std::strcmp(name, "D3D11CreateDevice") == 0
               ? reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountedCreateDevice))
               : CDeepDevices::LookUpInD3D11(name);
}

struct Held {
    unsigned gdiObjects;
    size_t windows;
    SIZE_T privateBytes;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<size_t*>(count);
    return TRUE;
}

Held WhatIsHeld() {
    Held held = {CountGdiObjects(), 0, 0};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&held.windows));
    // The process's private bytes: its committed memory of its own (GetProcessMemoryInfo answers 0 for
    // them under Wine).
    MEMORY_BASIC_INFORMATION region = {};
    for (const BYTE* at = nullptr; ::VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            held.privateBytes += region.RegionSize;
        if (static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize < at)
            break; // the top of the address space
    }
    return held;
}

TEST(DeepSwitches, OneDeviceAndOneSwapChainAScreenOverHundredsOfSwitchesAndNothingLeftBehind) {
    devicesAsked = 0;
    std::unique_ptr<CFrame> frame(new CFrame(::GetModuleHandleA(nullptr)));
    frame->deepLookup = &CountingLookUp;
    frame->RegsiterClass();
    ASSERT_TRUE(frame->Create());
    // Each switch until every screen shows it (Wine presents on a thread of its own, with buffers of its
    // own in the meantime).
    auto type = [&](char key) {
        frame->windows.back()->Send(WM_CHAR, static_cast<BYTE>(key), 1);
        PumpMessages();
        for (auto& window : frame->windows)
            window->Finish();
    };
    for (char key : {'d', '1', 'd', '1', 'd'}) {
        type(key);
        for (auto& window : frame->windows)
            EXPECT_EQ(window->ShowsTenBits(), key == 'd')
                << "key " << key << ", screen " << window->screenIndex;
    }
    EXPECT_EQ(devicesAsked, 1);
    EXPECT_EQ(frame->DeepDevices()->devicesMade, 1);
    EXPECT_EQ(frame->DeepDevices()->swapChainsMade, static_cast<int>(frame->windows.size()));

    Held first = {};
    for (int i = 0; i < 200; ++i) {
        type(i % 2 == 0 ? '1' : 'd');
        if (i == 9)
            first = WhatIsHeld();
    }
    const Held last = WhatIsHeld();
    EXPECT_EQ(last.gdiObjects, first.gdiObjects);
    EXPECT_EQ(last.windows, first.windows);
    EXPECT_LE(last.privateBytes, first.privateBytes + 1024 * 1024)
        << first.privateBytes << " bytes after ten switches, " << last.privateBytes << " after 200";
    EXPECT_EQ(frame->DeepDevices()->swapChainsMade, static_cast<int>(frame->windows.size()));
    frame.reset();
    UnregisterProgramClasses();
    DropQuitMessages();
}

// Three screens whose monitors the system says take no more than 8 bits, an unknown number, and 10.
ScreenLayout ScreensOfThreeDepths() {
    return {{{0, 0, 320, 240}, {32, 60, true, 8}},
            {{320, 0, 720, 300}, {32, 60, false, 0}},
            {{720, 0, 840, 400}, {32, 60, false, 10}}};
}

// Calibration software's 10-bit patches show at 10 bits where /depth says so; left to the program,
// only where the system says the screen takes more than 8 bits, never where it does not say.
TEST(PatchDepth, TenBitPatchesShowAtTenBitsWhereChosenOrWhereTheScreenIsKnownToTakeThem) {
    const struct {
        const char* what;
        CScreenWindows::PatchDepth depth;
        std::vector<bool> tenBits; // on the screens of 8, unknown and 10 bits
    } cases[] = {{"automatic", CScreenWindows::PatchDepth::automatic, {false, false, true}},
                 {"/depth 8", CScreenWindows::PatchDepth::eight, {false, false, false}},
                 {"/depth 10", CScreenWindows::PatchDepth::ten, {true, true, true}}};
    RemotePatch patch = EightBitPatch(RGB(0, 0, 0), RGB(0, 0, 0), 0.25, 0.25, 0.5, 0.5);
    patch.color10 = DeepPixel(514, 2, 1021);
    patch.tenBits = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CFrame> frame(new CFrame(::GetModuleHandleA(nullptr)));
        frame->screenSource = &ScreensOfThreeDepths;
        frame->patchDepth = c.depth;
        frame->RegsiterClass();
        ASSERT_TRUE(frame->Create());
        frame->OnRemotePatch(patch);
        ASSERT_EQ(frame->windows.size(), 3u);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(frame->windows[i]->ShowsTenBits(), c.tenBits[i]) << "screen " << i + 1;
        frame.reset();
        UnregisterProgramClasses();
        DropQuitMessages();
    }
}

} // namespace
