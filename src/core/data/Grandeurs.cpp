#include "core/data/Cp1252.h"
#include "core/data/Operations.h"

namespace zyv {

namespace {

TGrandeur Descripteur(std::string_view nom, std::string_view symbole, std::string_view unite,
                      int decimales, std::int32_t pleineEchelle) {
    TGrandeur g;
    g.Nom.Affecte(Utf8VersCp1252(nom));
    g.Symbole.Affecte(Utf8VersCp1252(symbole));
    g.Unite.Affecte(Utf8VersCp1252(unite));
    g.PleineEchelle = pleineEchelle;
    g.Exposant = -decimales;
    g.Decimales = decimales;
    return g;
}

} // namespace

const std::array<TGrandeur, NbGrandeurs>& TableGrandeurs() {
    static const std::array<TGrandeur, NbGrandeurs> table = {
        Descripteur("Numéro", "N°", "", 0, 4000),
        Descripteur("Vitesse de rotation", "N", "tr/min", 0, 7500),
        Descripteur("Couple ", "C", "mN.m", 1, 700),
        Descripteur("Puissance mécanique", "PM", "W", 2, 5000),
        Descripteur("Tension moteur", "Um", "V", 2, 3500),
        Descripteur("Courant moteur", "Im", "A", 3, 2500),
        Descripteur("Puissance électrique moteur", "PEm", "W", 2, 6000),
        Descripteur("Rendement moteur", "Rd", "%", 1, 1000),
        Descripteur("Tension génératrice", "Ug", "V", 2, 4000),
        Descripteur("Courant génératrice", "Ig", "A", 3, 2500),
        Descripteur("Puissance électrique génératrice", "PEg", "W", 2, 4000),
        Descripteur("Rendement génératrice", "Rd", "%", 1, 1000),
        Descripteur("Temps", "t", "s", 2, 7300),
    };
    return table;
}

const TGrandeur& GrandeurEnergie() {
    static const TGrandeur g = Descripteur("Energie", "E", "J", 1, 50000);
    return g;
}

const TGrandeur& GrandeurCourant() {
    static const TGrandeur g = Descripteur("Courant", "I", "A", 3, 3000);
    return g;
}

} // namespace zyv
