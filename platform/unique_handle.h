// Every scoped owner of a Windows handle in one place: one template, and a
// one-line type for each kind of handle the program and its tests hold. An
// owner closes its handle when it ends or takes another; it can be moved,
// never copied.
//
// On failure: a handle that a Windows call failed to give (null, or
// INVALID_HANDLE_VALUE for files and finds) is held as no handle; such an
// owner is false, get() returns that value, and nothing is ever closed.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform {

// Owns one handle of type Handle that close releases. Invalid is the value
// Windows uses for "no handle" of this kind, as a number: 0 (null), or
// kInvalidHandleValue for the handles of CreateFile and FindFirstFile.
template <typename Handle, auto close, std::uintptr_t Invalid = 0>
class UniqueAny {
public:
    UniqueAny() = default;
    explicit UniqueAny(Handle handle) : handle_(handle) {}
    ~UniqueAny() { reset(); }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : handle_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    explicit operator bool() const { return handle_ != InvalidValue(); }
    Handle get() const { return handle_; }
    // Gives the handle up without closing it.
    Handle release() {
        const Handle handle = handle_;
        handle_ = InvalidValue();
        return handle;
    }
    // Closes what is held and holds handle instead.
    void reset(Handle handle = InvalidValue()) {
        if (handle_ != InvalidValue()) close(handle_);
        handle_ = handle;
    }

private:
    static Handle InvalidValue() { return reinterpret_cast<Handle>(Invalid); }
    Handle handle_ = InvalidValue();
};

// INVALID_HANDLE_VALUE as a number.
constexpr std::uintptr_t kInvalidHandleValue = ~std::uintptr_t(0);

using UniqueKey = UniqueAny<HKEY, &::RegCloseKey>;
using UniqueFind = UniqueAny<HANDLE, &::FindClose, kInvalidHandleValue>;
using UniqueFile = UniqueAny<HANDLE, &::CloseHandle, kInvalidHandleValue>;
// Processes, threads and jobs: null when there is none.
using UniqueHandle = UniqueAny<HANDLE, &::CloseHandle>;
using UniqueLocalMemory = UniqueAny<HLOCAL, &::LocalFree>;
using UniqueModule = UniqueAny<HMODULE, &::FreeLibrary>;
using UniqueIcon = UniqueAny<HICON, &::DestroyIcon>;
using UniqueFont = UniqueAny<HFONT, &::DeleteObject>;
using UniquePen = UniqueAny<HPEN, &::DeleteObject>;
using UniqueBrush = UniqueAny<HBRUSH, &::DeleteObject>;
using UniqueBitmap = UniqueAny<HBITMAP, &::DeleteObject>;
// Memory device contexts from CreateCompatibleDC.
using UniqueMemoryDC = UniqueAny<HDC, &::DeleteDC>;
using UniqueHook = UniqueAny<HHOOK, &::UnhookWindowsHookEx>;

// The device context of a window (nullptr: the screen) from GetDC, given
// back with ReleaseDC. get() is null when GetDC failed.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace platform
