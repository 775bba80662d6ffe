// Names of the EUDC information file that travels with the font files.
#pragma once

namespace info_file {
constexpr const char* kFileName = "EUDC.INI";
constexpr const char* kSettingsSection = "MINAMO";
constexpr const char* kLinkSection = "EUDC932";
constexpr const char* kDefaultFontFile = "EUDC.TTE";
constexpr const char* kDefaultLinkName = "SystemDefaultEUDCFont";
}  // namespace info_file
