// Names of the EUDC information file that travels with the font files.
#pragma once

namespace info_file {
constexpr const char* kFileName = "EUDC.INI";
constexpr const char* kSettingsSection = "MINAMO";
constexpr const char* kLinkSection = "EUDC932";
constexpr const char* kDefaultFontFile = "EUDC.TTE";
constexpr const char* kDefaultLinkName = "SystemDefaultEUDCFont";
// The face whose name differs by system: "ＭＳ Ｐゴシック" before Windows
// 2000, "MS PGothic" from then on.
constexpr const char* kPGothic = "MS PGothic";
constexpr const char* kPGothicJapanese = "ＭＳ Ｐゴシック";
// The companion file that travels with each EUDC font file.
constexpr const char* kCompanionExtension = ".euf";
}  // namespace info_file
