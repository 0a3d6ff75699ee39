// The desktop's colours follow the system's light or dark preference: where the platform theme
// already gives a dark palette nothing changes; where the system prefers dark and Qt's palette is
// light, the program takes the Fusion style with a dark palette of its own.
#pragma once

class QApplication;
class QPalette;

namespace zorva::ui {

// Whether the system asks for dark colours: Qt's colour scheme where Qt reports it (Qt 6.5 and
// later); before, the GTK theme named in GTK_THEME ("Adwaita:dark") or the platform palette.
bool system_prefers_dark();

// A dark palette for the Fusion style: light text on dark windows, consoles and lists.
QPalette dark_palette();

// Applies the system's preference now, and again whenever Qt reports that it changed.
void follow_system_theme(QApplication& app);

}  // namespace zorva::ui
