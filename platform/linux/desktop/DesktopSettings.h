#pragma once

#include <QString>

// The desktop's wallpaper in GSettings, read and written through GIO. Every schema is
// looked up before use: GSettings ends the process for a schema that is not installed.
namespace desktopsettings {

inline constexpr int NotFound = 2;   // no such schema or key, as the registry says it
inline constexpr int MoreData = 234; // the value does not fit the reader's 512 bytes
inline constexpr int BadValue = 5;   // the value is no local file's address
inline constexpr int ValueBytes = 511;

inline const char* const BackgroundSchema = "org.gnome.desktop.background";
inline const char* const PictureKey = "picture-uri";
inline const char* const DarkPictureKey = "picture-uri-dark";

// The file that key of schema names, as a local path, into result: 0, or NotFound,
// MoreData, or BadValue with failure set to GIO's words; result is then untouched. An empty
// value gives an empty path. Text after an encoded NUL is cut off.
int readPath(const char* schema, const char* key, QString& result, QString& failure);

// Points the wallpaper keys of schema that exist at path's address (empty: none); false
// when the schema or its picture key is missing or a key cannot be written.
bool writePath(const char* schema, const QString& path);

} // namespace desktopsettings
