// The program's icon, drawn in code so the window, the installed PNG and the About window share
// one picture: a dark disc (a shadow planet) passing over a golden Sun on a night-blue tile.
#pragma once

#include <QIcon>
#include <QImage>

namespace vela::desktop {

QImage DrawAppIcon(int sizePixels);
QIcon AppIcon();

}  // namespace vela::desktop
