#pragma once
// Who makes the game and where to find them: one place for every window that names them.

namespace platform::maker {

inline constexpr char kName[] = "The Quorbix developers";
inline constexpr char kWebAddress[] = "https://quorbix.example.org";
inline constexpr char kWebCaption[] = "quorbix.example.org";
inline constexpr char kMailAddress[] = "quorbix@example.org";
// Our web address reversed: the name of the desktop entry, the metainfo, the icons and the
// Wayland application id, so the desktop matches the running window to its entry.
inline constexpr char kAppId[] = "org.example.quorbix";

}  // namespace platform::maker
