// The picture put on the clipboard: 190 mm x 140 mm at the screen's resolution, drawn once on a
// vector surface and once on a white image, so that every application can paste it.
#pragma once

#include "core/plot/Surface.h"

#include <functional>

namespace zyv {

class Services;

struct TailleImage {
    int Largeur = 0;
    int Hauteur = 0;
};

TailleImage TailleImagePressePapiers(int dpi);

// dessin draws the whole picture on the surface it is given (0, 0, w, h); it is called twice.
void CopieImage(Services& services, int dpi, const std::function<void(Surface&)>& dessin);

} // namespace zyv
