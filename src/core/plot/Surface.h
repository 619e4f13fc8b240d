// The drawing surface the graph engine draws on: a screen image, a vector picture, a printed
// page or a recorder. Pen, fill and font are plain state read by the primitives.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zyv {

using Couleur = std::uint32_t; // 0xRRGGBB

enum class StyleTrait : int { Plein, Tirets, Pointilles, TiretPoint, TiretPointPoint };
enum class ModeTrait : int { Copie, Xor };
enum class StyleRemplissage : int {
    Transparent,
    Plein,
    DiagonaleMontante,    // rising left to right: /
    DiagonaleDescendante, // falling left to right: \ (backslash)
    Horizontal,
    Vertical,
    Croix,
    CroixDiagonale,
};

struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const TRect&) const = default;
};

struct PointPixel {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const PointPixel&) const = default;
};

struct Stylo {
    zyv::Couleur Couleur = 0;
    StyleTrait Style = StyleTrait::Plein;
    std::int32_t Largeur = 1; // device pixels
    ModeTrait Mode = ModeTrait::Copie;
    bool operator==(const Stylo&) const = default;
};

struct Remplissage {
    zyv::Couleur Couleur = 0xFFFFFF;
    StyleRemplissage Style = StyleRemplissage::Plein;
    bool operator==(const Remplissage&) const = default;
};

struct Police {
    std::string Nom = "arial";
    std::int32_t Taille = 8; // points
    zyv::Couleur Couleur = 0;
    bool operator==(const Police&) const = default;
};

// Conventions: a line from A to B colours A but not B (a one-pixel line that is neither
// horizontal, vertical nor diagonal may colour B as well); a zero-length line colours nothing
// with a one-pixel pen and a round dot with a wider one. A rectangle (left, top, right,
// bottom) covers left..right - 1 and top..bottom - 1, outlined with the pen and filled with
// the fill. A polygon is outlined with the pen and filled. Text is drawn with its top-left
// corner at the given point, in the font colour, on a transparent background. Texts are
// UTF-8.
class Surface {
public:
    Surface();
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Unique over the run: tells a new surface from a destroyed one at the same address.
    std::uint64_t Identite() const { return identite_; }
    // Whether XOR drawing reaches the device: false for vector pictures and pages, whose
    // engines ignore raster operations.
    virtual bool XorPossible() const { return true; }

    // Horizontal resolution in pixels per inch.
    virtual int Resolution() const = 0;
    virtual int LargeurTexte(std::string_view texte) = 0;
    virtual int HauteurTexte(std::string_view texte) = 0;

    void ChoisitStylo(const Stylo& s);
    void ChoisitRemplissage(const Remplissage& r);
    void ChoisitPolice(const Police& p);
    const Stylo& StyloCourant() const { return stylo_; }
    const Remplissage& RemplissageCourant() const { return remplissage_; }
    const zyv::Police& PoliceCourante() const { return police_; }

    void DeplaceVers(int x, int y) { position_ = {x, y}; }
    void TraceVers(int x, int y);
    PointPixel Position() const { return position_; }

    virtual void Rectangle(const TRect& r) = 0;
    virtual void Polygone(std::span<const PointPixel> sommets) = 0;
    virtual void Pixel(int x, int y, Couleur c) = 0;
    virtual void Texte(int x, int y, std::string_view texte) = 0;
    virtual void Decoupe(const TRect& r) = 0;

    // Point marker of the given shape (0 pixel, 1 plus, 2 diagonal cross, 3 square, 4 diamond,
    // 5 downward triangle) and half-size r, in the current pen and fill. Adapters may cache
    // it, as long as the pixels are those of the figure drawn here from the primitives.
    virtual void Marqueur(int forme, int x, int y, int r);
    // The same marker at each point in turn.
    virtual void Marqueurs(int forme, std::span<const PointPixel> centres, int r);
    // The pen moved to the first point, then a line to each next one in turn; adapters may
    // draw the whole line at once.
    virtual void Polyligne(std::span<const PointPixel> sommets);

    // Draws whatever is held back; called by the owner before reading the result.
    virtual void Vide() {}

protected:
    virtual void Ligne(int x0, int y0, int x1, int y1) = 0;
    // Called before the pen, fill or font changes.
    virtual void EtatModifie() {}

private:
    std::uint64_t identite_;
    Stylo stylo_;
    Remplissage remplissage_;
    zyv::Police police_;
    PointPixel position_;
};

} // namespace zyv
