// The measuring cursor: its figures, drawn in XOR where the surface allows.
#include "core/plot/UniteGraphe.h"

#include <algorithm>

#include "core/plot/UniteGrapheInterne.h"

namespace zyv {

using namespace graphe;

namespace {

bool AttacheA(const TCurseur& c, const Surface* s) {
    return s != nullptr && c.Surface == s && c.IdentiteSurface == s->Identite();
}

// Drawing the figure again takes it away only in XOR.
bool Effacable(const TCurseur& c) {
    return c.Style != 6 && c.Surface != nullptr && c.Surface->XorPossible();
}

} // namespace

void graphe::DetacheSiAutre(TCurseur& c, const Surface* s) {
    if (AttacheA(c, s)) return;
    c.Surface = nullptr;
    c.IdentiteSurface = 0;
    c.Dessine = false;
}

void CurseurInit(TCurseur& c, int style, const TRect& cadre, Surface* surface, Couleur fond,
                 Couleur couleur) {
    DetacheSiAutre(c, surface);
    CurseurEfface(c);
    c.Surface = surface;
    c.IdentiteSurface = surface != nullptr ? surface->Identite() : 0;
    c.CouleurXor = couleur ^ fond;
    c.CouleurUnie = couleur;
    c.Style = style;
    c.Cadre = cadre;
    c.X = 0;
    c.Y = 0;
    c.Dessine = false;
    switch (style) {
    case 1:
    case 4:
    case 5:
        c.TypeTrait = StyleTrait::Pointilles;
        break;
    case 6:
        c.TypeTrait = StyleTrait::TiretPoint;
        break;
    default:
        c.TypeTrait = StyleTrait::Plein;
        break;
    }
}

void CurseurDessine(TCurseur& c) {
    if (!c.Actif || c.Style < 0 || c.Style > 6 || c.Surface == nullptr) return;
    Surface& s = *c.Surface;
    if (Effacable(c))
        s.ChoisitStylo({c.CouleurXor, c.TypeTrait, 1, ModeTrait::Xor});
    else
        s.ChoisitStylo({c.CouleurUnie, c.TypeTrait, 1, ModeTrait::Copie});
    s.ChoisitRemplissage({s.RemplissageCourant().Couleur, StyleRemplissage::Transparent});
    const int x = c.X, y = c.Y;
    const TRect& k = c.Cadre;
    auto horizontale = [&](int h) {
        s.DeplaceVers(k.Left, h);
        s.TraceVers(k.Right, h);
    };
    auto verticale = [&](int v) {
        s.DeplaceVers(v, k.Top);
        s.TraceVers(v, k.Bottom);
    };
    switch (c.Style) {
    case 0: {
        Stylo gros = s.StyloCourant();
        gros.Largeur = 5;
        s.ChoisitStylo(gros);
        s.DeplaceVers(x, y);
        s.TraceVers(x, y);
        break;
    }
    case 1:
        horizontale(y);
        verticale(x);
        break;
    case 2:
        s.DeplaceVers(x - 20, y);
        s.TraceVers(x + 20, y);
        s.DeplaceVers(x, y - 20);
        s.TraceVers(x, y + 20);
        break;
    case 3:
        s.DeplaceVers(x - 20, y - 20);
        s.TraceVers(x + 20, y + 20);
        // The rising stroke from its lower-left end, as for the cross marker.
        s.DeplaceVers(x - 19, y + 19);
        s.TraceVers(x + 21, y - 21);
        break;
    case 4:
        s.Rectangle({std::min(c.Ancre.X, x), std::min(c.Ancre.Y, y), std::max(c.Ancre.X, x),
                     std::max(c.Ancre.Y, y)});
        break;
    case 5:
        horizontale(c.Ancre.Y);
        verticale(c.Ancre.X);
        if (y != c.Ancre.Y) horizontale(y);
        if (x != c.Ancre.X) verticale(x);
        break;
    case 6:
        s.ChoisitStylo(
            {0x000000, StyleTrait::TiretPoint, std::max(1, Dixiemes(s, 2)), ModeTrait::Copie});
        horizontale(y);
        verticale(x);
        break;
    default:
        break;
    }
}

void CurseurDeplace(TCurseur& c, int x, int y) {
    if (!c.Actif) return;
    if (c.Dessine) {
        if (Effacable(c))
            CurseurDessine(c);
        else if (x == c.X && y == c.Y)
            return; // already there, once
    }
    c.X = x;
    c.Y = y;
    CurseurDessine(c);
    c.Dessine = true;
}

void CurseurEfface(TCurseur& c) {
    if (c.Actif && c.Dessine && Effacable(c)) CurseurDessine(c);
    c.Dessine = false;
}

void CurseurStyle(TGraphe& g, int style, int indiceCouleur) {
    CurseurInit(g.CurseurGraphe, style, g.Cadre, g.Surface, g.Couleurs[0],
                CouleurIndice(g, indiceCouleur));
}

void CurseurPlace(TGraphe& g, i64 x, i64 y) {
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    g.CurseurGraphe.Actif = true;
    g.CurseurX = x;
    g.CurseurY = y;
    if (g.Valide) CurseurDeplace(g.CurseurGraphe, PixelDessinX(g, x), PixelDessinY(g, y));
}

void CurseurRafraichit(TGraphe& g) {
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    if (g.Valide)
        CurseurDeplace(g.CurseurGraphe, PixelDessinX(g, g.CurseurX), PixelDessinY(g, g.CurseurY));
}

void CurseurCache(TGraphe& g) {
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    CurseurEfface(g.CurseurGraphe);
}

void CurseurRaz(TGraphe& g) {
    CurseurCache(g);
    g.CurseurX = 0;
    g.CurseurY = 0;
    g.CurseurGraphe.Actif = false;
}

void CurseurOublie(TGraphe& g) {
    DetacheSiAutre(g.CurseurGraphe, nullptr);
}

} // namespace zyv
