#pragma once
#include "DeepDevices.h"
#include "DeepImage.h"
#include "DeepWindow.h"
#include "ScreenOutput.h"
#include <memory>

struct IDXGISwapChain1;
struct ID3D11Query;

// A screen shown at 10 bits per colour: a DXGI swap chain of R10G10B10A2 (flip model: what Windows 10
// and 11 need to pass 10 bits from a window) in a window of its own over the pattern window. It is made
// once and kept while its screen is: hidden when the content goes back to 8 bits, its buffers resized
// when the screen's size changes. The overlay is composed into the picture only within its rectangles,
// as 8 bits show it. Where no device, window or swap chain can be made (Windows 7 has no flip model),
// Open fails and the owner shows its content at 8 bits instead.
class CDeepOutput : public CScreenOutput {
  public:
    CDeepOutput(HINSTANCE instance, HWND owner, CDeepDevices& devices);
    ~CDeepOutput() override;

    // Made where it is not yet, or followed to a screen's new rectangle (the swap chain's buffers
    // resized); hidden as it was. False where it cannot be made; the owner then shows its content at 8
    // bits.
    bool Open(const RECT& screen, HMONITOR monitor);
    // The picture the owner draws into (at the size opened).
    CDeepImage& Picture() { return picture; }

    int BitsPerColor() const override { return 10; }
    // Presents the picture with the overlay, and then shows the window if it was hidden: an old picture
    // (perhaps an earlier patch) never shows. False where the present failed; a device that reported
    // itself removed is dropped, with its swap chains, and made again by the next Open.
    bool Show(const std::vector<RECT>& changed, const Overlay& overlay) override;
    void Hide() override;
    bool Visible() const;
    // The owner's messages about its place in the stacking and its focus.
    void OnOwnerMessage(UINT msg, LPARAM lParam) { window.OnOwnerMessage(msg, lParam); }
    // Waits until the last present has reached the screen (Wine presents on a thread of its own).
    void Finish();

    // How long the making of the device, the window and the swap chain and the first present took (ms).
    struct Making {
        double device = 0, window = 0, swapChain = 0, firstPresent = 0;
    };
    Making making;

  private:
    bool MakeSwapChain(int width, int height);
    bool Present();
    void Release();

    CDeepDevices& devices;
    CDeepWindow window;
    std::shared_ptr<CDeepDevice> device;
    Released<IDXGISwapChain1> swapChain;
    Released<ID3D11Query> presented; // signalled once the last present is on the screen
    int width, height;
    CDeepImage picture; // as the owner drew it
    CDeepImage shown;   // with the overlay composed into it
    Overlay overlay;
    std::vector<OverlayArea> areas; // where the overlay lies
    bool presentedOnce;
};
