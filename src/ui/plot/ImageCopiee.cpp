#include "ui/plot/ImageCopiee.h"

#include "ui/plot/SurfacePeintre.h"
#include "ui/socle/Services.h"

#include <QImage>

namespace zyv {

TailleImage TailleImagePressePapiers(int dpi) {
    return {dpi * 19000 / 2540, (dpi * 28000 / 2540) / 2};
}

void CopieImage(Services& services, int dpi, const std::function<void(Surface&)>& dessin) {
    const TailleImage t = TailleImagePressePapiers(dpi);
    const TRect tout{0, 0, t.Largeur, t.Hauteur};
    QByteArray svg;
    {
        SurfaceVectorielle vecteur(t.Largeur, t.Hauteur, dpi);
        vecteur.Decoupe(tout);
        dessin(vecteur);
        svg = vecteur.Termine();
    }
    QImage png(t.Largeur, t.Hauteur, QImage::Format_RGB32);
    png.fill(Qt::white);
    {
        SurfaceImage image(png, dpi);
        image.Decoupe(tout);
        dessin(image);
        image.Vide();
    }
    services.CopieImage(svg, png);
}

} // namespace zyv
