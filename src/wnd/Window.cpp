#include "Window.h"

CWindow* CWindow::creating = nullptr;
std::exception_ptr CWindow::kept;

CWindow::CWindow(HINSTANCE instance) : CWindowHandle(instance), classInfo() {
    classInfo.cbSize = sizeof(WNDCLASSEXA);
    classInfo.style = 0;
    classInfo.lpfnWndProc = nullptr;
    classInfo.cbClsExtra = 0;
    classInfo.cbWndExtra = 0;
    classInfo.hInstance = instance;
    classInfo.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    classInfo.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    classInfo.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_SCROLLBAR + 1));
    classInfo.lpszMenuName = nullptr;
    classInfo.lpszClassName = "defalut window class name";
    classInfo.hIconSm = ::LoadIconA(nullptr, IDI_APPLICATION);
}

CWindow::~CWindow() {
    Destroy();
}

bool CWindow::Register() {
    classInfo.lpfnWndProc = &CWindow::InitialWindowProc;
    return ::RegisterClassExA(&classInfo) != 0;
}

bool CWindow::Create(DWORD style, DWORD exStyle, HWND parent, HMENU menu, void* param) {
    creating = this;
    handle = ::CreateWindowExA(exStyle, classInfo.lpszClassName, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, parent, menu, instance, param);
    return handle != nullptr;
}

bool CWindow::Destroy() {
    bool result = ::DestroyWindow(handle) != 0;
    handle = nullptr;
    return result;
}

LRESULT CWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(handle, msg, wParam, lParam);
}

LRESULT CALLBACK CWindow::InitialWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* window = creating;
    window->handle = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindow::StaticWindowProc));
    return Deliver(window, msg, wParam, lParam);
}

LRESULT CALLBACK CWindow::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* window = reinterpret_cast<CWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (window == nullptr)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    const LRESULT result = Deliver(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The window is gone, whoever destroyed it: its object must not keep a handle that a later
        // window may be given.
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (window->handle == hwnd)
            window->handle = nullptr;
    }
    return result;
}

LRESULT CWindow::Deliver(CWindow* window, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        return window->WindowProc(msg, wParam, lParam);
    } catch (...) {
        // Keep the first exception only: later ones are usually its consequences.
        if (!kept) {
            kept = std::current_exception();
            ::PostQuitMessage(0);
        }
        return 0;
    }
}

void CWindow::RethrowKeptException() {
    if (kept) {
        std::exception_ptr e = kept;
        kept = nullptr;
        std::rethrow_exception(e);
    }
}

bool CWindow::HasKeptException() {
    return static_cast<bool>(kept);
}
