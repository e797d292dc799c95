#include "App.h"
#include "Frame.h"

CApp::CApp(HINSTANCE instance) : CAppBase(instance), frame(nullptr) {}

CApp::~CApp() {}

bool CApp::Init(int, const char*) {
    try {
        frame = new CFrame(instance);
        frame->RegsiterClass();
        if (!frame->Create()) {
            Exit();
            return false;
        }
    } catch (...) {
        // Whatever stopped the start-up, no window of ours stays on screen over the report.
        delete frame;
        frame = nullptr;
        throw;
    }
    frame->Show(SW_HIDE);
    return true;
}

bool CApp::Exit() {
    delete frame;
    frame = nullptr;
    return true;
}
