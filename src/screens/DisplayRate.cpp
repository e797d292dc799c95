// A display's refresh rate as a fraction, through QueryDisplayConfig where the system has it.
#include "DisplayRate.h"
#include <windows.h>
#include <string>
#include <vector>

namespace {

struct DisplayConfig {
    LONG(WINAPI* sizes)(UINT32, UINT32*, UINT32*) = nullptr;
    LONG(WINAPI* query)
    (UINT32, UINT32*, DISPLAYCONFIG_PATH_INFO*, UINT32*, DISPLAYCONFIG_MODE_INFO*,
     DISPLAYCONFIG_TOPOLOGY_ID*) = nullptr;
    LONG(WINAPI* info)(DISPLAYCONFIG_DEVICE_INFO_HEADER*) = nullptr;

    static const DisplayConfig& Loaded() {
        static const DisplayConfig config = [] {
            DisplayConfig c;
            HMODULE user32 = ::GetModuleHandleA("USER32");
            if (user32 != nullptr) {
                c.sizes = reinterpret_cast<decltype(c.sizes)>(
                    reinterpret_cast<void*>(::GetProcAddress(user32, "GetDisplayConfigBufferSizes")));
                c.query = reinterpret_cast<decltype(c.query)>(
                    reinterpret_cast<void*>(::GetProcAddress(user32, "QueryDisplayConfig")));
                c.info = reinterpret_cast<decltype(c.info)>(
                    reinterpret_cast<void*>(::GetProcAddress(user32, "DisplayConfigGetDeviceInfo")));
            }
            return c;
        }();
        return config;
    }
};

// The GDI name of a path's source ("\\.\DISPLAY1"), narrowed.
std::string SourceName(const DisplayConfig& config, const DISPLAYCONFIG_PATH_INFO& path) {
    DISPLAYCONFIG_SOURCE_DEVICE_NAME name = {};
    name.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
    name.header.size = sizeof name;
    name.header.adapterId = path.sourceInfo.adapterId;
    name.header.id = path.sourceInfo.id;
    if (config.info(&name.header) != ERROR_SUCCESS)
        return std::string();
    std::string narrow;
    for (const WCHAR* c = name.viewGdiDeviceName; *c != 0; ++c)
        narrow += static_cast<char>(*c);
    return narrow;
}

} // namespace

RefreshRate DisplayRate(const char* device, int wholeHz) {
    const DisplayConfig& config = DisplayConfig::Loaded();
    if (device != nullptr && config.sizes != nullptr && config.query != nullptr && config.info != nullptr) {
        UINT32 pathCount = 0, modeCount = 0;
        if (config.sizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) == ERROR_SUCCESS && pathCount > 0) {
            std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
            std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
            if (config.query(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(),
                             nullptr) == ERROR_SUCCESS)
                for (UINT32 i = 0; i < pathCount; ++i) {
                    const DISPLAYCONFIG_RATIONAL rate = paths[i].targetInfo.refreshRate;
                    // A rate below 24 Hz, like none, is not a display's: the whole number decides then.
                    if (rate.Denominator != 0 && rate.Numerator >= 24ull * rate.Denominator &&
                        SourceName(config, paths[i]) == device)
                        return {rate.Numerator, rate.Denominator};
                }
        }
    }
    return WholeRate(wholeHz);
}
