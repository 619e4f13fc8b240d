// The study windows' exports: values as text, the shown characteristics as one
// picture, and the printed page with title, legend and plots.
#include "core/analysis/ExportTexte.h"
#include "core/data/Cp1252.h"
#include "core/data/Fichiers.h"
#include "core/plot/UniteGraphe.h"
#include "ui/plot/CadreTrace.h"
#include "ui/plot/ImageCopiee.h"
#include "ui/plot/SurfacePeintre.h"
#include "ui/socle/Services.h"
#include "ui/studies/TFormEtude.h"

#include <QPrinter>

#include <algorithm>

namespace zyv {

namespace {

// Sets a graph for an export: white scheme, Arial, on the given surface and rectangle.
void PrepareGraphe(TGraphe& g, Surface& s, const TRectDim& r, int taillePolice) {
    g.Surface = &s;
    g.Cadre = r.Cadre();
    g.Couleurs = TableCouleurs[0];
    g.Police = "arial";
    g.TaillePolice = taillePolice;
}

} // namespace

void TFormEtude::PourChaqueAffichee(
    const TRectDim& zone, const std::function<void(CadreTrace&, const TRectDim&)>& dessin) {
    const auto places = calculposition(zone);
    std::size_t k = 0;
    for (int n = 1; n <= NbCaractMax; ++n)
        if (Affichee(n)) dessin(*CaractMachine[static_cast<std::size_t>(n - 1)], places[k++]);
}

void TFormEtude::Copiervaleurs(int essai) {
    services_.CopieTexte(TexteValeurs(etude_, essai));
}

void TFormEtude::Copierlescaractristiques1Click() {
    const int dpi = logicalDpiX();
    CopieImage(services_, dpi, [this, dpi](Surface& s) {
        const TailleImage t = TailleImagePressePapiers(dpi);
        PourChaqueAffichee({0, 0, t.Largeur, t.Hauteur},
                           [&s](CadreTrace& cadre, const TRectDim& r) {
                               s.Decoupe(r.Cadre());
                               PrepareGraphe(cadre.GrapheImage, s, r, 0);
                               cadre.Copiercaract();
                           });
    });
}

void TFormEtude::Configurationimprimante1Click() {
    services_.ConfigurationImprimante(Imprimante(), this);
}

void TFormEtude::Imprimer1Click() {
    QPrinter& imprimante = Imprimante();
    ProposeFichierPdf(imprimante, FichierPdfPropose(etude_));
    if (!services_.DialogueImpression(imprimante, this)) return;
    SurfacePage page(imprimante);
    const auto [w, l, h] = MiseEnPageImpression(imprimante.width(), imprimante.height());

    const std::string titre = ChampEcrit(Cp1252VersUtf8(etude_.Travail.Titre.Texte()), false);
    page.ChoisitPolice({"arial", 12, 0});
    page.Texte((w - page.LargeurTexte(titre)) / 2, page.HauteurTexte(titre), titre);

    const TCouleurs& blanc = TableCouleurs[0];
    for (int t = 1; t <= etude_.Travail.NbEssais && t <= NbEssaisMax; ++t) {
        page.ChoisitPolice({"arial", 9, blanc[static_cast<std::size_t>(IndiceAxes + t)]});
        const int x = ((t - 1) * w) / 5 + l;
        page.Texte(x, (h * 37 / 20) / 2, "Essai " + std::to_string(t));
        page.Texte(x, h * 19 / 20,
                   ChampEcrit(Cp1252VersUtf8(etude_.Travail.Essai(t).Commentaire.Texte()), false));
    }

    // Frames with results of their own (the load study's means) print them in a column right
    // of their plots.
    bool lectures = false;
    for (int n = 1; n <= NbCaractMax; ++n)
        lectures |= Affichee(n) &&
                    !CaractMachine[static_cast<std::size_t>(n - 1)]->LecturesImprimees().empty();
    const int colonne = lectures ? w / 5 : 0;
    const TRect feuille{0, 0, imprimante.width(), imprimante.height()};
    const int ecart = l / 2; // captured below: clang 14 cannot capture a structured binding
    PourChaqueAffichee({l, h / 20, w - colonne, h * 17 / 20},
                       [&](CadreTrace& cadre, const TRectDim& r) {
                           page.Decoupe(r.Cadre());
                           PrepareGraphe(cadre.GraphePage, page, r, 8);
                           cadre.Imprimercaract();
                           if (colonne == 0) return;
                           page.Decoupe(feuille);
                           page.ChoisitPolice({"arial", 9, 0});
                           int y = r.Top + r.Height / 4;
                           for (const std::string& ligne : cadre.LecturesImprimees()) {
                               page.Texte(r.Left + r.Width + ecart, y, ligne);
                               y += page.HauteurTexte(ligne) * 3 / 2;
                           }
                       });
    page.Vide();
}

} // namespace zyv
