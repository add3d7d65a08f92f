// Registers the channel file type for the user on a freedesktop system: a shared-mime-info package that
// names *.si "Channel Database" and a desktop entry that opens such files with this program.
#pragma once

#include <string>

namespace vizud {

inline constexpr const char* kChannelMimeType = "application/x-vizud-channel-database";
inline constexpr const char* kDesktopFileName = "vizud.desktop";
inline constexpr const char* kMimePackageName = "vizud.xml";

// One argument of a desktop entry's Exec key, quoted and escaped as the desktop-entry format requires:
// quoted when it holds a blank or another reserved character, '%' doubled, and backslashes escaped
// once for the quoting and once more for the string value.
std::string desktopExecArgument(const std::string& argument);

std::string mimePackageXml();
// The desktop entry; `program` is written through desktopExecArgument, followed by %f.
std::string desktopEntryText(const std::string& program);

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty when neither is known.
std::string userDataHome();

// Writes <dataHome>/mime/packages/vizud.xml and <dataHome>/applications/vizud.desktop (and the icon under
// icons/hicolor/48x48/apps when `iconPng` is not empty). Returns true when any file changed. Failures
// are not reported: a user who cannot write there simply gets no registration.
bool writeFileTypeRegistration(const std::string& dataHome, const std::string& program, const std::string& iconPng);

// Runs update-mime-database and update-desktop-database on the user's folders when they are installed.
// Their results are not examined.
void runRegistrationUpdates(const std::string& dataHome);

}  // namespace vizud
