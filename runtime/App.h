#pragma once
// The application object: what the program knows about itself.
#include <windows.h>

#include <string>

namespace rt::App {

// The application title, "tarnwicket" (also the settings key's last name).
std::wstring title();

// The folder of the executable, without a trailing "\" (a drive root keeps its "\").
std::wstring path();

// The executable's file name without folder and extension.
std::wstring exeName();

// Version numbers from the program's VERSIONINFO resource (0 when it has none).
int major();
int minor();
int revision();

HINSTANCE hInstance();
DWORD threadId();

}  // namespace rt::App
