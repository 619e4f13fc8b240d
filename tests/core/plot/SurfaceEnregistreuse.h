// A surface that draws nothing and keeps the list of what it was asked to draw, with the
// pen, fill and font of each call. A byte is half the font height wide.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/plot/Surface.h"

namespace zyv {

struct Trace {
    enum class Genre { Ligne, Rectangle, Polygone, Pixel, Texte };
    Genre Type = Genre::Ligne;
    std::vector<PointPixel> Points; // line: from, to; rectangle: top-left, bottom-right
    std::string Texte;
    Stylo StyloActif;
    Remplissage RemplissageActif;
};

class SurfaceEnregistreuse : public Surface {
public:
    explicit SurfaceEnregistreuse(int dpi = 96, bool xorPossible = true)
        : dpi_(dpi), xor_(xorPossible) {}

    int Resolution() const override { return dpi_; }
    bool XorPossible() const override { return xor_; }
    int HauteurPolice() const {
        return static_cast<int>(std::min<std::int64_t>(
            std::int64_t{PoliceCourante().Taille} * dpi_ / 72, std::int64_t{1} << 20));
    }
    int LargeurTexte(std::string_view texte) override {
        const auto n = static_cast<std::int64_t>(texte.size());
        return static_cast<int>(std::min<std::int64_t>(n * HauteurPolice() / 2, 1 << 30));
    }
    int HauteurTexte(std::string_view) override { return HauteurPolice(); }

    void Rectangle(const TRect& r) override {
        Note(Trace::Genre::Rectangle, {{r.Left, r.Top}, {r.Right, r.Bottom}});
    }
    void Polygone(std::span<const PointPixel> p) override {
        Note(Trace::Genre::Polygone, {p.begin(), p.end()});
    }
    void Pixel(int x, int y, Couleur) override { Note(Trace::Genre::Pixel, {{x, y}}); }
    void Texte(int x, int y, std::string_view texte) override {
        Note(Trace::Genre::Texte, {{x, y}}).Texte = texte;
    }
    void Decoupe(const TRect&) override {}

    std::vector<Trace> Traces;
    // Only the lines, as (x0, y0, x1, y1).
    std::vector<std::array<int, 4>> Lignes() const {
        std::vector<std::array<int, 4>> l;
        for (const Trace* t : DeGenre(Trace::Genre::Ligne))
            l.push_back({t->Points[0].X, t->Points[0].Y, t->Points[1].X, t->Points[1].Y});
        return l;
    }
    std::vector<const Trace*> DeGenre(Trace::Genre g) const {
        std::vector<const Trace*> v;
        for (const Trace& t : Traces)
            if (t.Type == g) v.push_back(&t);
        return v;
    }
    void Efface() { Traces.clear(); }

protected:
    void Ligne(int x0, int y0, int x1, int y1) override {
        Note(Trace::Genre::Ligne, {{x0, y0}, {x1, y1}});
    }

private:
    Trace& Note(Trace::Genre g, std::vector<PointPixel> points) {
        return Traces.emplace_back(
            Trace{g, std::move(points), {}, StyloCourant(), RemplissageCourant()});
    }
    int dpi_;
    bool xor_;
};

} // namespace zyv
