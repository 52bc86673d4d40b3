// The window's faces, from the fonts bundled with the program, so that the
// look does not depend on what the user has installed.
#pragma once

#include <QFont>
#include <QString>

#include "window/elements.hpp"

namespace ringcoil {

// Registers the bundled faces with Qt; call once before the window is built.
void registerBundledFonts();

// The bundled face standing in for a named one, at the size it has on a
// 96 dots-per-inch screen, set in pixels so that the layout does not move
// with the screen's resolution.
QFont fontFor(const FontDef& def);

// A caption of the core (UTF-8) as Qt text.
QString qText(std::string_view text);

// The text as a face with the given character set shows it
// (captionAsShown: in the symbol face "m" is mu and "w" is omega).
QString displayText(std::string_view caption, Charset charset);

}  // namespace ringcoil
