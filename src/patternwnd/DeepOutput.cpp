// A 10-bit swap chain in a window of its own over a pattern window.
#include "DeepOutput.h"
#include <d3d11.h>
#include <dxgi1_2.h>

const char* const CDeepOutput::className = "tessaryn deep output wndclass";
CDeepOutput::ProcLookup CDeepOutput::lookup = &CDeepOutput::LookUpInD3D11;
DWORD CDeepOutput::format = DXGI_FORMAT_R10G10B10A2_UNORM;

FARPROC CDeepOutput::LookUpInD3D11(const char* name) {
    // Loaded once and kept for the run: a device may still hold it while the program ends.
    static HMODULE d3d11 = ::LoadLibraryA("d3d11.dll");
    return d3d11 != nullptr ? ::GetProcAddress(d3d11, name) : nullptr;
}

CDeepOutput::CDeepOutput(HINSTANCE instance, HWND owner)
    : CWindow(instance), owner(owner), width(0), height(0), shown(nullptr) {
    classInfo.lpszClassName = className;
    classInfo.hbrBackground = nullptr;
    classInfo.hCursor = nullptr; // the pattern window's own shows
}

CDeepOutput::~CDeepOutput() {
    Release();
    // Its WM_DESTROY must reach this class, not the base's default, which would end the program.
    Destroy();
}

void CDeepOutput::Release() {
    swapChain.Reset();
    context.Reset();
    device.Reset();
    shown = nullptr;
}

bool CDeepOutput::Open(const RECT& rect) {
    if (handle == nullptr) {
        WNDCLASSEXA existing = {};
        existing.cbSize = sizeof existing;
        if (!::GetClassInfoExA(instance, className, &existing) && !Register())
            return false;
        if (!Create(WS_POPUP, WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, owner, nullptr, nullptr))
            return false;
    }
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    Move(rect.left, rect.top, w, h, false);
    if (!MakeSwapChain(w, h)) {
        Release();
        Show(SW_HIDE);
        return false;
    }
    Show(SW_SHOWNOACTIVATE);
    KeepAbove(::GetFocus() == owner);
    return true;
}

bool CDeepOutput::MakeSwapChain(int w, int h) {
    if (swapChain.p != nullptr && w == width && h == height)
        return true;
    if (swapChain.p != nullptr) {
        shown = nullptr;
        if (FAILED(swapChain.p->ResizeBuffers(2, static_cast<UINT>(w), static_cast<UINT>(h),
                                              static_cast<DXGI_FORMAT>(format), 0)))
            return false;
        width = w;
        height = h;
        return true;
    }
    const auto create =
        reinterpret_cast<PFN_D3D11_CREATE_DEVICE>(reinterpret_cast<void*>(lookup("D3D11CreateDevice")));
    if (create == nullptr || FAILED(create(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0, nullptr, 0,
                                           D3D11_SDK_VERSION, &device.p, nullptr, &context.p)))
        return false;
    Released<IDXGIDevice> dxgiDevice;
    Released<IDXGIAdapter> adapter;
    Released<IDXGIFactory2> factory;
    if (FAILED(device.p->QueryInterface(__uuidof(IDXGIDevice), reinterpret_cast<void**>(&dxgiDevice.p))) ||
        FAILED(dxgiDevice.p->GetAdapter(&adapter.p)) ||
        FAILED(adapter.p->GetParent(__uuidof(IDXGIFactory2), reinterpret_cast<void**>(&factory.p))))
        return false;
    DXGI_SWAP_CHAIN_DESC1 desc = {};
    desc.Width = static_cast<UINT>(w);
    desc.Height = static_cast<UINT>(h);
    desc.Format = static_cast<DXGI_FORMAT>(format);
    desc.SampleDesc.Count = 1;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = 2;
    desc.Scaling = DXGI_SCALING_STRETCH; // the buffers are the window's size: nothing is scaled
    desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL;
    desc.AlphaMode = DXGI_ALPHA_MODE_IGNORE;
    if (FAILED(factory.p->CreateSwapChainForHwnd(device.p, handle, &desc, nullptr, nullptr, &swapChain.p)))
        return false;
    // Alt+Enter is no business of a pattern
    factory.p->MakeWindowAssociation(handle, DXGI_MWA_NO_ALT_ENTER | DXGI_MWA_NO_WINDOW_CHANGES);
    width = w;
    height = h;
    return true;
}

bool CDeepOutput::Present(const CDeepImage& image) {
    if (swapChain.p == nullptr || image.width != width || image.height != height)
        return false;
    Released<ID3D11Texture2D> back;
    if (FAILED(swapChain.p->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&back.p))))
        return false;
    context.p->UpdateSubresource(back.p, 0, nullptr, image.pixels.data(), static_cast<UINT>(image.width) * 4, 0);
    shown = &image;
    return SUCCEEDED(swapChain.p->Present(0, 0));
}

void CDeepOutput::KeepAbove(bool foreground) {
    if (handle == nullptr)
        return;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (foreground) {
        // The owner has the focus, so both belong on top. Wine without a window manager raises a window
        // it gives the focus to past the windows it owns, and skips a move to where the window already
        // is: the round through the topmost band makes it restack for certain.
        ::SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, flags);
        ::SetWindowPos(handle, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    } else {
        // Right above the owner, not above every window: another program's window over it stays.
        HWND above = ::GetWindow(owner, GW_HWNDPREV);
        if (above != handle)
            ::SetWindowPos(handle, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0, flags);
    }
    // Uncovered, the window may have lost its picture.
    if (shown != nullptr)
        Present(*shown);
}

LRESULT CDeepOutput::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks and the pointer belong to the pattern window under it
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        ::BeginPaint(handle, &paint);
        ::EndPaint(handle, &paint);
        // The other buffer of the flip chain holds an older picture: the image goes in again.
        if (shown != nullptr)
            Present(*shown);
        return 0;
    }
    case WM_DESTROY:
        return 0;
    default:
        return ::DefWindowProcA(handle, msg, wParam, lParam);
    }
}
