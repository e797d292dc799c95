#pragma once
#include "Released.h"
#include <windows.h>
#include <dxgiformat.h>
#include <memory>
#include <vector>

struct ID3D11Device;
struct ID3D11DeviceContext;
struct IDXGIFactory1;
struct IDXGIFactory2;

// A Direct3D 11 device of one graphics adapter, which every swap chain of that adapter's screens comes
// from; `lost` once a present reported it removed or reset.
struct CDeepDevice {
    LUID adapter = {};
    Released<ID3D11Device> device;
    Released<ID3D11DeviceContext> context;
    Released<IDXGIFactory2> factory;
    bool lost = false;
};

// The program's Direct3D 11 devices: one per graphics adapter (on most machines one in all), made the
// first time a screen of that adapter needs 10 bits per colour, kept for the run. Direct3D 11 is found
// at run time; where it is missing or no device can be made, there is none and the screens show their
// content at 8 bits. Tests choose how D3D11CreateDevice is found (missing, or counted) and the swap
// chains' format (one no device takes); how many devices and swap chains were made is counted.
class CDeepDevices {
  public:
    using ProcLookup = FARPROC (*)(const char* name);
    static FARPROC LookUpInD3D11(const char* name);

    explicit CDeepDevices(ProcLookup lookup = &LookUpInD3D11, DWORD format = DXGI_FORMAT_R10G10B10A2_UNORM);
    ~CDeepDevices();
    CDeepDevices(const CDeepDevices&) = delete;
    CDeepDevices& operator=(const CDeepDevices&) = delete;

    // The device of the adapter that shows this monitor; null where none can be made.
    std::shared_ptr<CDeepDevice> ForMonitor(HMONITOR monitor);
    // A device that reported itself removed: forgotten, and marked lost for the swap chains it made.
    void Drop(const std::shared_ptr<CDeepDevice>& device);

    const DWORD format;
    int devicesMade = 0;
    int swapChainsMade = 0;

  private:
    ProcLookup lookup;
    Released<IDXGIFactory1> dxgi; // which adapter shows which monitor
    std::vector<std::shared_ptr<CDeepDevice>> devices;
};
