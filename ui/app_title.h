// The names the desktop face shows and stores its settings under.
#pragma once

namespace zorva::ui {

inline constexpr const char* kAppTitle = "Zorva";  // title of plain message boxes
inline constexpr const char* kProductTitle = "Kolvo Router Simulator";  // the product's own name
inline constexpr const char* kMainCaptionPrefix = "Kolvo Router Simulator ";  // + version_text
inline constexpr const char* kSettingsOrganization = "Zorva";  // per-user settings store owner
inline constexpr const char* kSettingsApplication = "Zorva";   // per-user settings store name

}  // namespace zorva::ui
