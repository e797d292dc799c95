// A 10-bit swap chain in a window of its own over a pattern window, kept while its screen is.
#include "DeepOutput.h"
#include "PaintOverDeep.h"
#include <d3d11.h>
#include <dxgi1_2.h>
#include <cstring>

namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void CopyRect(CDeepImage& to, const CDeepImage& from, const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
        std::memcpy(to.Row(y) + r.left, from.Row(y) + r.left, static_cast<size_t>(r.right - r.left) * 4);
}

} // namespace

CDeepOutput::CDeepOutput(HINSTANCE instance, HWND owner, CDeepDevices& devices)
    : devices(devices), window(instance, owner, [this] { Present(); }), width(0), height(0),
      presentedOnce(false) {}

CDeepOutput::~CDeepOutput() {
    Release();
}

void CDeepOutput::Release() {
    presented.Reset();
    swapChain.Reset();
    device.reset();
    presentedOnce = false;
}

bool CDeepOutput::Open(const RECT& screen, HMONITOR monitor) {
    if (device && device->lost)
        Release();
    double start = Milliseconds();
    if (!device) {
        device = devices.ForMonitor(monitor);
        if (!device)
            return false;
        making.device = Milliseconds() - start;
        start = Milliseconds();
    }
    const bool made = window.handle != nullptr;
    if (!window.Place(screen))
        return false;
    if (!made)
        making.window = Milliseconds() - start;
    start = Milliseconds();
    const bool hadChain = swapChain.p != nullptr;
    if (!MakeSwapChain(screen.right - screen.left, screen.bottom - screen.top)) {
        Release();
        window.Show(SW_HIDE);
        return false;
    }
    if (!hadChain)
        making.swapChain = Milliseconds() - start;
    return true;
}

bool CDeepOutput::MakeSwapChain(int w, int h) {
    if (swapChain.p != nullptr && w == width && h == height)
        return true;
    picture.Resize(w, h);
    shown.Resize(w, h);
    overlay = Overlay();
    areas.clear();
    if (swapChain.p != nullptr) {
        if (FAILED(swapChain.p->ResizeBuffers(2, static_cast<UINT>(w), static_cast<UINT>(h),
                                              static_cast<DXGI_FORMAT>(devices.format), 0)))
            return false;
        width = w;
        height = h;
        return true;
    }
    DXGI_SWAP_CHAIN_DESC1 desc = {};
    desc.Width = static_cast<UINT>(w);
    desc.Height = static_cast<UINT>(h);
    desc.Format = static_cast<DXGI_FORMAT>(devices.format);
    desc.SampleDesc.Count = 1;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = 2;
    desc.Scaling = DXGI_SCALING_STRETCH; // the buffers are the window's size: nothing is scaled
    desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL;
    desc.AlphaMode = DXGI_ALPHA_MODE_IGNORE;
    if (FAILED(device->factory.p->CreateSwapChainForHwnd(device->device.p, window.handle, &desc, nullptr,
                                                         nullptr, &swapChain.p)))
        return false;
    ++devices.swapChainsMade;
    // Alt+Enter is no business of a pattern
    device->factory.p->MakeWindowAssociation(window.handle,
                                             DXGI_MWA_NO_ALT_ENTER | DXGI_MWA_NO_WINDOW_CHANGES);
    D3D11_QUERY_DESC query = {D3D11_QUERY_EVENT, 0};
    device->device.p->CreateQuery(&query, &presented.p);
    width = w;
    height = h;
    return true;
}

bool CDeepOutput::Show(const std::vector<RECT>& changed, const Overlay& next) {
    if (swapChain.p == nullptr)
        return false;
    if (changed.empty() && next == overlay && Visible())
        return true;
    // Where the pattern changed and where the overlay was, the picture as drawn; then the overlay, only
    // within its rectangles.
    const RECT whole = {0, 0, width, height};
    std::vector<RECT> refresh = changed;
    if (next != overlay) {
        for (const OverlayArea& area : areas)
            refresh.push_back(area.rect);
        overlay = next;
        areas = OverlayAreas(overlay);
    }
    for (const OverlayArea& area : areas)
        refresh.push_back(area.rect);
    for (RECT r : MergedRects(refresh))
        if (::IntersectRect(&r, &r, &whole))
            CopyRect(shown, picture, r);
    for (const OverlayArea& area : areas)
        PaintOverDeep(
            picture, shown, area.rect, [this](HDC dc) { PaintOverlay(dc, overlay); }, area.opaque);
    const double start = Milliseconds();
    const bool first = !presentedOnce;
    if (!Present())
        return false;
    if (first)
        making.firstPresent = Milliseconds() - start;
    window.ShowOver();
    return true;
}

bool CDeepOutput::Present() {
    if (swapChain.p == nullptr || shown.width != width || shown.height != height)
        return false;
    Released<ID3D11Texture2D> back;
    if (FAILED(swapChain.p->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&back.p))))
        return false;
    device->context.p->UpdateSubresource(back.p, 0, nullptr, shown.pixels.data(),
                                         static_cast<UINT>(width) * 4, 0);
    const HRESULT result = swapChain.p->Present(0, 0);
    if (result == DXGI_ERROR_DEVICE_REMOVED || result == DXGI_ERROR_DEVICE_RESET) {
        devices.Drop(device);
        Release();
        window.Show(SW_HIDE);
        return false;
    }
    if (presented.p != nullptr)
        device->context.p->End(presented.p);
    presentedOnce = true;
    return SUCCEEDED(result);
}

void CDeepOutput::Hide() {
    window.Show(SW_HIDE);
}

bool CDeepOutput::Visible() const {
    return window.handle != nullptr && ::IsWindowVisible(window.handle);
}

void CDeepOutput::Finish() {
    if (presented.p == nullptr || device == nullptr)
        return;
    BOOL done = FALSE;
    const DWORD start = ::GetTickCount();
    while (device->context.p->GetData(presented.p, &done, sizeof done, 0) == S_FALSE &&
           ::GetTickCount() - start < 5000)
        ::Sleep(0);
}
