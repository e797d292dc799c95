// The bits per colour of a monitor's output, as DXGI tells them.
#include "OutputDepth.h"
#include "Released.h"
#include <dxgi1_6.h>
#include <map>

namespace {

std::map<HMONITOR, int>& Answers() {
    static std::map<HMONITOR, int> answers;
    return answers;
}

int AskDxgi(HMONITOR monitor) {
    // Loaded once and kept: what it made may live on in other parts of the program.
    static HMODULE dxgi = ::LoadLibraryA("dxgi.dll");
    using Create = HRESULT(WINAPI*)(REFIID, void**);
    const Create create =
        dxgi != nullptr ? reinterpret_cast<Create>(reinterpret_cast<void*>(::GetProcAddress(dxgi, "CreateDXGIFactory1")))
                        : nullptr;
    Released<IDXGIFactory1> factory;
    if (create == nullptr || FAILED(create(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(&factory.p))))
        return 0;
    for (UINT a = 0;; ++a) {
        Released<IDXGIAdapter1> adapter;
        if (factory.p->EnumAdapters1(a, &adapter.p) != S_OK)
            return 0;
        for (UINT o = 0;; ++o) {
            Released<IDXGIOutput> output;
            if (adapter.p->EnumOutputs(o, &output.p) != S_OK)
                break;
            DXGI_OUTPUT_DESC desc = {};
            if (FAILED(output.p->GetDesc(&desc)) || desc.Monitor != monitor)
                continue;
            Released<IDXGIOutput6> output6;
            DXGI_OUTPUT_DESC1 desc1 = {};
            if (FAILED(output.p->QueryInterface(__uuidof(IDXGIOutput6), reinterpret_cast<void**>(&output6.p))) ||
                FAILED(output6.p->GetDesc1(&desc1)))
                return 0;
            return static_cast<int>(desc1.BitsPerColor);
        }
    }
}

} // namespace

int OutputBitsPerColor(HMONITOR monitor) {
    auto known = Answers().find(monitor);
    if (known != Answers().end())
        return known->second;
    const int bits = AskDxgi(monitor);
    Answers()[monitor] = bits;
    return bits;
}

void ForgetOutputDepths() {
    Answers().clear();
}
