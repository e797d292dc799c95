// One Direct3D 11 device per graphics adapter, found at run time.
#include "DeepDevices.h"
#include <d3d11.h>
#include <dxgi1_2.h>
#include <algorithm>

namespace {

// The adapter that shows the monitor; null (the default adapter) where DXGI does not say.
IDXGIAdapter1* AdapterOf(IDXGIFactory1* factory, HMONITOR monitor) {
    for (UINT a = 0; factory != nullptr; ++a) {
        IDXGIAdapter1* adapter = nullptr;
        if (factory->EnumAdapters1(a, &adapter) != S_OK)
            return nullptr;
        for (UINT o = 0;; ++o) {
            Released<IDXGIOutput> output;
            if (adapter->EnumOutputs(o, &output.p) != S_OK)
                break;
            DXGI_OUTPUT_DESC desc = {};
            if (SUCCEEDED(output.p->GetDesc(&desc)) && desc.Monitor == monitor)
                return adapter;
        }
        adapter->Release();
    }
    return nullptr;
}

bool SameAdapter(const LUID& a, const LUID& b) {
    return a.LowPart == b.LowPart && a.HighPart == b.HighPart;
}

} // namespace

FARPROC CDeepDevices::LookUpInD3D11(const char* name) {
    // Loaded once and kept for the run: a device may still hold it while the program ends.
    static HMODULE d3d11 = ::LoadLibraryA("d3d11.dll");
    return d3d11 != nullptr ? ::GetProcAddress(d3d11, name) : nullptr;
}

CDeepDevices::CDeepDevices(ProcLookup lookup, DWORD format) : format(format), lookup(lookup) {}

CDeepDevices::~CDeepDevices() = default;

std::shared_ptr<CDeepDevice> CDeepDevices::ForMonitor(HMONITOR monitor) {
    const auto create =
        reinterpret_cast<PFN_D3D11_CREATE_DEVICE>(reinterpret_cast<void*>(lookup("D3D11CreateDevice")));
    if (create == nullptr)
        return nullptr;
    if (dxgi.p == nullptr) {
        // Loaded once and kept: what it made may live on in the devices.
        static HMODULE library = ::LoadLibraryA("dxgi.dll");
        using Create = HRESULT(WINAPI*)(REFIID, void**);
        const Create createFactory =
            library != nullptr ? reinterpret_cast<Create>(
                                     reinterpret_cast<void*>(::GetProcAddress(library, "CreateDXGIFactory1")))
                               : nullptr;
        if (createFactory != nullptr)
            createFactory(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(&dxgi.p));
    }
    Released<IDXGIAdapter1> adapter;
    adapter.p = AdapterOf(dxgi.p, monitor);
    LUID id = {};
    DXGI_ADAPTER_DESC1 desc = {};
    if (adapter.p != nullptr && SUCCEEDED(adapter.p->GetDesc1(&desc)))
        id = desc.AdapterLuid;
    for (const auto& known : devices)
        if (SameAdapter(known->adapter, id))
            return known;
    auto made = std::make_shared<CDeepDevice>();
    made->adapter = id;
    // With an adapter of its own the driver type must be left unknown; where that adapter takes no
    // device, the system's default one.
    if (FAILED(create(adapter.p, adapter.p != nullptr ? D3D_DRIVER_TYPE_UNKNOWN : D3D_DRIVER_TYPE_HARDWARE,
                      nullptr, 0, nullptr, 0, D3D11_SDK_VERSION, &made->device.p, nullptr,
                      &made->context.p)) &&
        (adapter.p == nullptr ||
         FAILED(create(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0, nullptr, 0, D3D11_SDK_VERSION,
                       &made->device.p, nullptr, &made->context.p))))
        return nullptr;
    Released<IDXGIDevice> dxgiDevice;
    Released<IDXGIAdapter> used;
    if (FAILED(
            made->device.p->QueryInterface(__uuidof(IDXGIDevice), reinterpret_cast<void**>(&dxgiDevice.p))) ||
        FAILED(dxgiDevice.p->GetAdapter(&used.p)) ||
        FAILED(used.p->GetParent(__uuidof(IDXGIFactory2), reinterpret_cast<void**>(&made->factory.p))))
        return nullptr;
    ++devicesMade;
    devices.push_back(made);
    return made;
}

void CDeepDevices::Drop(const std::shared_ptr<CDeepDevice>& device) {
    device->lost = true;
    devices.erase(std::remove(devices.begin(), devices.end(), device), devices.end());
}
