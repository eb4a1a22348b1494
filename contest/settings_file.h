#pragma once
// The plug-in's settings file, relative to the host's current folder, and its one section.
// The replay tool writes the same file before it loads the plug-in.

inline constexpr const char* kSettingsPath = "Plugins\\UK_EI.ini";
inline constexpr const char* kSettingsSection = "Settings";
