#pragma once
// Start-up and shutdown, and the four shared support objects (each made on
// first use, replaced by a fresh one when the main window unloads).
#include <string>

class cPathExt;
class cFileFunctions;
class cTextFiles;
class cRegistry;

namespace modMain {

// The program's start: records folder and version in the settings key,
// shows the main window, then initialises the common controls.
void Main();

// `s` with exactly one trailing "\" (an empty text stays empty).
std::wstring addBackslash(const std::wstring& s);

// The main window's last step: releases the shared objects.
void unloadApp();

// The application folder with its trailing "\", as Main recorded it.
const std::wstring& sAppPath();
bool ccInit();

cPathExt& oPathExt();
cFileFunctions& oFileFunctions();
cTextFiles& oTextFiles();
cRegistry& oRegistry();

// The version as the registry and the donation page get it: Major.Minor.0.Revision.
std::wstring versionText();

// "Software\mornveldt\tools\tarnwicket" under HKEY_CURRENT_USER.
std::wstring settingsKeyPath();

}  // namespace modMain
