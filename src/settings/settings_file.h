// The settings file on disk: the executable's full path with "_UserSettings.ini" appended.
// Loads and saves throw toolkit::UserError with the text the error box shows.
#pragma once

#include <string>

#include "settings/settings_image.h"

namespace quarnel {

// The running executable's full path, extension included, + "_UserSettings.ini".
std::wstring SettingsFileName();

// A missing file is an empty image. The file is opened for reading while others may read it
// but not write it; a file that cannot be opened or is not well-formed UTF-8 fails the load.
SettingsImage LoadSettingsFile(const std::wstring& path);

// Writes the image whole without ever leaving a torn file: the text goes to a temporary file
// in the same folder, is flushed, and then replaces the settings file in one rename, keeping
// its attributes. A short hold by another program is waited out a few times. When the save
// fails the old file is left exactly as it was and no temporary file stays behind.
void SaveSettingsFile(const std::wstring& path, const SettingsImage& image);

// The temporary file a save writes first (a save killed half-way may leave it; the next
// save takes it over).
std::wstring SettingsTempFileName(const std::wstring& path);

} // namespace quarnel
