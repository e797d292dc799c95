// A monitor's EDID from the registry, through SetupAPI loaded at run time.
#include "MonitorEdid.h"
#include <windows.h>
#include <setupapi.h>
#include <map>
#include <string>
#include <vector>

namespace {

// The device interface class of monitors: {E6F07B5F-EE97-4A90-B076-33F57BF4EAA7}.
const GUID monitorInterface = {0xE6F07B5F, 0xEE97, 0x4A90, {0xB0, 0x76, 0x33, 0xF5, 0x7B, 0xF4, 0xEA, 0xA7}};

template <class Function> Function Find(HMODULE module, const char* name) {
    return module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                             : nullptr;
}

struct SetupApi {
    decltype(&::SetupDiGetClassDevsA) getClassDevs;
    decltype(&::SetupDiEnumDeviceInterfaces) enumInterfaces;
    decltype(&::SetupDiGetDeviceInterfaceDetailA) interfaceDetail;
    decltype(&::SetupDiOpenDevRegKey) openDevRegKey;
    decltype(&::SetupDiDestroyDeviceInfoList) destroyList;

    bool Complete() const {
        return getClassDevs && enumInterfaces && interfaceDetail && openDevRegKey && destroyList;
    }
    static const SetupApi& Loaded() {
        static const SetupApi api = [] {
            HMODULE setupapi = ::LoadLibraryA("setupapi.dll"); // kept for the run
            return SetupApi{Find<decltype(&::SetupDiGetClassDevsA)>(setupapi, "SetupDiGetClassDevsA"),
                            Find<decltype(&::SetupDiEnumDeviceInterfaces)>(setupapi, "SetupDiEnumDeviceInterfaces"),
                            Find<decltype(&::SetupDiGetDeviceInterfaceDetailA)>(setupapi,
                                                                                  "SetupDiGetDeviceInterfaceDetailA"),
                            Find<decltype(&::SetupDiOpenDevRegKey)>(setupapi, "SetupDiOpenDevRegKey"),
                            Find<decltype(&::SetupDiDestroyDeviceInfoList)>(setupapi, "SetupDiDestroyDeviceInfoList")};
        }();
        return api;
    }
};

// The monitor interface's path of the monitor on a display device; empty where there is none.
std::string MonitorInterface(const char* displayDevice) {
    using EnumDevices = BOOL(WINAPI*)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);
    const EnumDevices enumDevices = Find<EnumDevices>(::GetModuleHandleA("USER32"), "EnumDisplayDevicesA");
    DISPLAY_DEVICEA monitor = {};
    monitor.cb = sizeof monitor;
    if (enumDevices == nullptr || !enumDevices(displayDevice, 0, &monitor, EDD_GET_DEVICE_INTERFACE_NAME))
        return std::string();
    return monitor.DeviceID;
}

std::vector<unsigned char> EdidBytes(const std::string& interfacePath) {
    const SetupApi& api = SetupApi::Loaded();
    std::vector<unsigned char> edid;
    if (!api.Complete() || interfacePath.empty())
        return edid;
    HDEVINFO set = api.getClassDevs(&monitorInterface, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE)
        return edid;
    SP_DEVICE_INTERFACE_DATA item = {};
    item.cbSize = sizeof item;
    for (DWORD i = 0; edid.empty() && api.enumInterfaces(set, nullptr, &monitorInterface, i, &item); ++i) {
        DWORD size = 0;
        api.interfaceDetail(set, &item, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
            continue;
        std::vector<unsigned char> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        SP_DEVINFO_DATA device = {};
        device.cbSize = sizeof device;
        if (!api.interfaceDetail(set, &item, detail, size, nullptr, &device) ||
            ::lstrcmpiA(detail->DevicePath, interfacePath.c_str()) != 0)
            continue;
        HKEY key = api.openDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        DWORD type = 0, length = 0;
        if (::RegQueryValueExA(key, "EDID", nullptr, &type, nullptr, &length) == ERROR_SUCCESS && length > 0 &&
            length <= 32768) {
            edid.resize(length);
            if (::RegQueryValueExA(key, "EDID", nullptr, &type, edid.data(), &length) != ERROR_SUCCESS)
                edid.clear();
            else
                edid.resize(length);
        }
        ::RegCloseKey(key);
    }
    api.destroyList(set);
    return edid;
}

std::map<std::string, EdidFacts>& Known() {
    static std::map<std::string, EdidFacts> known;
    return known;
}

} // namespace

EdidFacts MonitorEdid(const char* displayDevice) {
    const std::string device = displayDevice != nullptr ? displayDevice : "";
    auto found = Known().find(device);
    if (found != Known().end())
        return found->second;
    const EdidFacts facts = ReadEdid(EdidBytes(MonitorInterface(displayDevice)));
    Known()[device] = facts;
    return facts;
}

void ForgetMonitorEdids() {
    Known().clear();
}
