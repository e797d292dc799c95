#include "App.h"
#include "RunApplication.h"

namespace {

CAppBase* MakeApp(HINSTANCE instance) {
    return new CApp(instance);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    return RunApplication(instance, commandLine, showCommand, &MakeApp, &::MessageBoxA);
}
