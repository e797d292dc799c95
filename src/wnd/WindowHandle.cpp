#include "WindowHandle.h"

CWindowHandle::CWindowHandle(HINSTANCE instance) : instance(instance), handle(nullptr) {}

CWindowHandle::~CWindowHandle() {}

bool CWindowHandle::Show(int showCommand) {
    return ::ShowWindow(handle, showCommand) != 0;
}

bool CWindowHandle::Hide() {
    return Show(SW_HIDE);
}

bool CWindowHandle::IsVisible() {
    return ::IsWindowVisible(handle) != 0;
}

bool CWindowHandle::Update() {
    return ::UpdateWindow(handle) != 0;
}

bool CWindowHandle::GetWindowRect(RECT& out) {
    RECT r;
    bool result = GetWindowRect(&r);
    out = r;
    return result;
}

bool CWindowHandle::GetWindowRect(RECT* out) {
    return ::GetWindowRect(handle, out) != 0;
}

bool CWindowHandle::GetClientRect(RECT* out) {
    RECT r;
    bool result = ::GetClientRect(handle, &r) != 0;
    *out = r;
    return result;
}

RECT CWindowHandle::GetClientRect() {
    RECT r = {0, 0, 0, 0};
    GetClientRect(&r);
    return r;
}

bool CWindowHandle::GetPlacement(WINDOWPLACEMENT* out) {
    return ::GetWindowPlacement(handle, out) != 0;
}

bool CWindowHandle::Move(int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(handle, x, y, width, height, repaint ? TRUE : FALSE) != 0;
}

bool CWindowHandle::Move(const RECT& r, bool repaint) {
    return Move(r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
}

bool CWindowHandle::SetPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(handle, insertAfter, x, y, cx, cy, flags) != 0;
}

bool CWindowHandle::SetPos(HWND insertAfter, const RECT& r, UINT flags) {
    return SetPos(insertAfter, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

bool CWindowHandle::SetForeground() {
    return ::SetForegroundWindow(handle) != 0;
}

bool CWindowHandle::SetText(const std::string& text) {
    return SetText(text.c_str());
}

bool CWindowHandle::SetText(const char* text) {
    return ::SetWindowTextA(handle, text) != 0;
}

LONG CWindowHandle::GetLong(int index) {
    return ::GetWindowLongA(handle, index);
}

LONG CWindowHandle::SetLong(int index, LONG value) {
    return ::SetWindowLongA(handle, index, value);
}

HDC CWindowHandle::GetDC() {
    return ::GetDC(handle);
}

LRESULT CWindowHandle::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(handle, msg, wParam, lParam);
}

bool CWindowHandle::Post(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(handle, msg, wParam, lParam) != 0;
}

bool CWindowHandle::Validate(const RECT* r) {
    return ::ValidateRect(handle, r) != 0;
}

bool CWindowHandle::Invalidate(const RECT* r, bool erase) {
    return ::InvalidateRect(handle, r, erase ? TRUE : FALSE) != 0;
}

HWND CWindowHandle::SetParent(HWND newParent) {
    return ::SetParent(handle, newParent);
}

HWND CWindowHandle::GetParent() {
    return ::GetParent(handle);
}

bool CWindowHandle::IsChild(HWND other) {
    return ::IsChild(handle, other) != 0;
}
