#pragma once
#include "DeepImage.h"
#include "Released.h"
#include "Window.h"
#include <windows.h>

struct ID3D11Device;
struct ID3D11DeviceContext;
struct IDXGISwapChain1;

// Shows a 10-bit image over a pattern window: a borderless window of its own exactly over it, owned by
// it (so always above it), with a DXGI swap chain of 10 bits per colour (R10G10B10A2, flip model: what
// Windows 10 and 11 need to pass 10 bits from a window). A window of its own rather than a child: the
// pattern window goes back to GDI as it was once the 10 bits go, and Wine shows a swap chain only in a
// top-level window. The image is copied into the back buffer and presented once per change, and again
// when the window system asks for a repaint. The pointer and clicks pass through to the pattern window;
// this one is never activated and never takes the focus. Direct3D 11 is found at run time: where it is
// missing, or the swap chain cannot be made (Windows 7 has no flip model), Open fails and the owner
// shows its content at 8 bits instead.
class CDeepOutput : public CWindow {
  public:
    // How D3D11CreateDevice is found: in d3d11.dll by default; tests make it missing, or answer with a
    // device maker of their own. Likewise the swap chain's format (tests ask for one no device takes).
    using ProcLookup = FARPROC (*)(const char* name);
    static FARPROC LookUpInD3D11(const char* name);
    static ProcLookup lookup;
    static DWORD format;

    CDeepOutput(HINSTANCE instance, HWND owner);
    ~CDeepOutput() override;

    static const char* const className;
    // Makes (or moves and resizes) the window over the rectangle and its swap chain; false where either
    // cannot be made, and then nothing of it shows.
    bool Open(const RECT& rect);
    // Shows the image (of the size opened); it must live until the next Present. False where it failed.
    bool Present(const CDeepImage& image);
    // Puts the window right above its owner again (Windows keeps an owned window there; Wine does not
    // always when the owner is activated), on top of all where the owner has the focus.
    void KeepAbove(bool foreground);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    bool MakeSwapChain(int width, int height);
    void Release();

    HWND owner;
    Released<ID3D11Device> device;
    Released<ID3D11DeviceContext> context;
    Released<IDXGISwapChain1> swapChain;
    int width, height;
    const CDeepImage* shown; // presented last, for repaints
};
