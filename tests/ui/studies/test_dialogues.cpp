// The characteristic dialogs and the sort dialog, driven through their forms.
#include "core/data/Operations.h"
#include "ui/app/Modal.h"
#include "ui/studies/RadioGroup.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"
#include "ui/studies/TNouvelCaractCharge.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace zyv;

namespace {

std::unique_ptr<Etude> NouvelleEtude(int type) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    e->Travail.TypeEtude = type;
    return e;
}

RadioGroup* Groupe(QDialog& d, const char* nom) {
    return d.findChild<RadioGroup*>(nom);
}

QString Choix(QDialog& d, const char* nom) {
    RadioGroup* g = Groupe(d, nom);
    return g->ItemIndex() < 0 ? QString() : g->Items()[g->ItemIndex()];
}

// Shows the dialog modally over a window, as the study windows do, and presses a button.
int Montre(QDialog& d, const char* bouton, int choixY = -1) {
    QWidget fenetre;
    fenetre.show();
    QTimer::singleShot(0, &d, [&d, bouton, choixY] {
        if (choixY >= 0) Groupe(d, "RadioGroupY")->Bouton(choixY)->click();
        d.findChild<QPushButton*>(bouton)->click();
    });
    const int resultat = ExecModal(d, &fenetre);
    d.setParent(nullptr);
    return resultat;
}

const QStringList ListeMoteur{
    "Tension moteur",      "Courant moteur", "Puissance électrique moteur", "Rendement moteur",
    "Vitesse de rotation", "Couple ",        "Puissance mécanique"};
const QStringList ListeGeneratrice{"Vitesse de rotation",  "Couple ",
                                   "Puissance mécanique",  "Tension génératrice",
                                   "Courant génératrice",  "Puissance électrique génératrice",
                                   "Rendement génératrice"};

} // namespace

class TestDialogues : public QObject {
    Q_OBJECT
private slots:
    void nouvelleCaracteristique() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        TNouvelCaract d(*e);
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Nouvelle caractéristique"));
        QCOMPARE(Groupe(d, "RadioGroupY")->Items(), ListeMoteur);
        QCOMPARE(Groupe(d, "RadioGroupX")->Items(), ListeMoteur);
        QCOMPARE(Choix(d, "RadioGroupY"), QStringLiteral("Vitesse de rotation"));
        QCOMPARE(Choix(d, "RadioGroupX"), QStringLiteral("Couple "));
        d.hide();
        // Showing again refills for the study now open.
        e->Travail.TypeEtude = EtudeCaractGeneratrice;
        d.show();
        QCOMPARE(Groupe(d, "RadioGroupX")->Items(), ListeGeneratrice);
        QCOMPARE(Choix(d, "RadioGroupY"), QStringLiteral("Tension génératrice"));
        QCOMPARE(Choix(d, "RadioGroupX"), QStringLiteral("Courant génératrice"));
    }

    void nouvelleCaracteristiqueCharge() {
        for (auto [type, attendu] : {std::pair{EtudeChargeMoteur, "Couple "},
                                     std::pair{EtudeChargeGeneratrice, "Courant génératrice"}}) {
            auto e = NouvelleEtude(type);
            TNouvelCaractCharge d(*e);
            d.show();
            QCOMPARE(Choix(d, "RadioGroupY"), QString::fromUtf8(attendu));
            QCOMPARE(Groupe(d, "RadioGroupY")->Items().size(), 7);
        }
    }

    // Modify preselects the current quantities; OK writes them, axes back to the first quadrant.
    void modificationEtValidation() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        TCaract& c = e->Travail.Caract[2];
        c = {.GrandeurX = GTensionMoteur,
             .ZoomX = 7,
             .GrandeurY = GPuissanceMeca,
             .ZoomY = 3,
             .Quadrants = 5};
        TNouvelCaract d(*e);
        d.ModeCaract = 1;
        d.NumCaract = 2;
        // The same quantity on both axes is accepted.
        QCOMPARE(Montre(d, "BtnOK", 0), int(QDialog::Accepted));
        QCOMPARE(d.windowTitle(), QStringLiteral("Modification d'une caractéristique"));
        QCOMPARE(Choix(d, "RadioGroupX"), QStringLiteral("Tension moteur"));
        TCaract attendu{.Defini = true,
                        .Affiche = true,
                        .GrandeurX = GTensionMoteur,
                        .ZoomX = 7,
                        .GrandeurY = GTensionMoteur,
                        .ZoomY = 3,
                        .Quadrants = 1};
        QCOMPARE(c, attendu);
        QVERIFY(!e->Enregistre);

        auto g = NouvelleEtude(EtudeChargeGeneratrice);
        g->Travail.Caract[1] = {.GrandeurX = GTemps, .GrandeurY = GRendementGene};
        TNouvelCaractCharge dc(*g);
        dc.ModeCaract = 1;
        QCOMPARE(Montre(dc, "BtnOK"), int(QDialog::Accepted));
        QCOMPARE(Choix(dc, "RadioGroupY"), QStringLiteral("Rendement génératrice"));
        QCOMPARE(g->Travail.Caract[1].GrandeurX, int(GTemps));
        QVERIFY(g->Travail.Caract[1].Defini);
    }

    void annulation() {
        auto e = NouvelleEtude(EtudeCaractGeneratrice);
        const TCaract avant = e->Travail.Caract[1];
        TNouvelCaract d(*e);
        QCOMPARE(Montre(d, "BitBtn2", 2), int(QDialog::Rejected));
        QCOMPARE(e->Travail.Caract[1], avant);
        QVERIFY(e->Enregistre);
    }

    // A file may name a quantity the list lacks, a caller a slot that does not exist.
    void entreesHorsListe() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        e->Travail.Caract[1].GrandeurY = GTemps;
        e->Travail.Caract[1].GrandeurX = GTensionGene;
        TNouvelCaract d(*e);
        d.ModeCaract = 1;
        d.show();
        QCOMPARE(Choix(d, "RadioGroupY"), QStringLiteral("Vitesse de rotation"));
        QCOMPARE(Choix(d, "RadioGroupX"), QStringLiteral("Couple "));
        const auto avant = e->Travail.Caract;
        for (int n : {0, 5}) {
            d.NumCaract = n;
            d.BtnOKClick();
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
        QVERIFY(e->Travail.Caract == avant);
        QVERIFY(e->Enregistre);
    }

    void trierPoints() {
        auto e = NouvelleEtude(EtudeChargeMoteur);
        TFormTrierPoints d(*e);
        d.show();
        auto* select = Groupe(d, "RadioGroupSelect");
        QCOMPARE(select->Items().size(), 12);
        QCOMPARE(select->Items().first(), QStringLiteral("Numéro"));
        QCOMPARE(select->Items().last(), QStringLiteral("Rendement génératrice"));
        QCOMPARE(Groupe(d, "RadioGroupOrdre")->Items(),
                 (QStringList{"Ordre croissant", "Ordre décroissant"}));
        select->Bouton(1)->click();
        Groupe(d, "RadioGroupOrdre")->Bouton(1)->click();
        QCOMPARE(std::pair(d.Grandeur(), d.Ordre()), std::pair(1, 1));
        d.hide();
        d.show();
        QCOMPARE(std::pair(d.Grandeur(), d.Ordre()), std::pair(0, 0));
        QCOMPARE(select->Items().size(), 12);
    }

    void formes() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        TNouvelCaract a(*e);
        TNouvelCaractCharge b(*e);
        TFormTrierPoints c(*e);
        QCOMPARE(a.minimumSize(), QSize(504, 446));
        QCOMPARE(a.maximumSize(), QSize(504, 446));
        QCOMPARE(b.maximumSize(), QSize(258, 446));
        QCOMPARE(c.maximumSize(), QSize(442, 361));
        QCOMPARE(c.windowTitle(), QStringLiteral("Trier les points"));
        QCOMPARE(a.findChild<QPushButton*>("BtnOK")->width(), 241);
        QCOMPARE(b.findChild<QPushButton*>("BitBtn2")->width(), 121);
        QCOMPARE(Groupe(a, "RadioGroupY")->toolTip(),
                 QStringLiteral("Sélection de la grandeur à afficher en ordonnée"));
        QCOMPARE(Groupe(a, "RadioGroupX")->title(), QStringLiteral("Variable en abscisse X"));
        QCOMPARE(Groupe(b, "RadioGroupY")->title(), QStringLiteral("Variable"));
        QCOMPARE(a.findChild<QPushButton*>("BitBtn2")->toolTip(), QStringLiteral("Annulation"));
        a.show();
        c.show();
        for (QDialog* d : {static_cast<QDialog*>(&a), static_cast<QDialog*>(&c)})
            for (QWidget* w : d->findChildren<QWidget*>())
                if (qobject_cast<QAbstractButton*>(w) || qobject_cast<RadioGroup*>(w))
                    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }

    // The windows name their pictures; a missing or unreadable one would leave a blank button.
    void icones() {
        for (const char* nom :
             {"enregistrer", "nouveau", "imprimer", "caract-nouvelle", "caract-modifier",
              "caract-supprimer", "essai-nouveau", "essai-supprimer", "modelisation",
              "copier-image", "copier-valeurs", "trier", "interpolation", "connexion",
              "point-supprimer", "points-supprimer", "affichage", "titre", "fond"}) {
            QSvgRenderer r(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(nom)));
            QVERIFY2(r.isValid(), nom);
            const QSize attendue = qstrcmp(nom, "fond") == 0 ? QSize(1024, 640) : QSize(24, 24);
            QCOMPARE(r.viewBox().size(), attendue);
        }
    }
};

QTEST_MAIN(TestDialogues)
#include "test_dialogues.moc"
