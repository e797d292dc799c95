#include "RunApplication.h"
#include "AppBase.h"
#include <exception>
#include <memory>

int RunApplication(HINSTANCE instance, const char* commandLine, int showCommand, AppFactory makeApp,
                   MessageBoxFunction showBox) {
    try {
        std::unique_ptr<CAppBase> app(makeApp(instance));
        return app->Run(showCommand, commandLine);
    } catch (const std::exception& e) {
        showBox(nullptr, e.what(), "Tessaryn - Top level exception handler", MB_ICONERROR);
        // A failure is no success: a script that starts the program must be able to tell.
        return 1;
    }
}
