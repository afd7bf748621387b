#pragma once

#include <QImage>
#include <array>
#include <cstdint>

#include "app/WindowRules.h"

// The program's drawings, painted rather than loaded: the controller with its switch LEDs
// (91 x 91), the OBD connection pictures (135 x 48) and the splash (700 x 482).
QImage ControllerPicture(const std::array<uint32_t, 7>& leds);
QImage ObdPictureImage(ObdPicture picture);
QImage SplashPicture();
