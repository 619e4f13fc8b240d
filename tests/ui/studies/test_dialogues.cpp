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

// The checked item of each list of the dialog, Y first.
QStringList Selection(QDialog& d) {
    QStringList choix;
    for (const char* nom : {"RadioGroupY", "RadioGroupX", "RadioGroupSelect", "RadioGroupOrdre"})
        if (RadioGroup* g = Groupe(d, nom); g != nullptr)
            choix << (g->ItemIndex() < 0 ? QString() : g->Items()[g->ItemIndex()]);
    return choix;
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

} // namespace

class TestDialogues : public QObject {
    Q_OBJECT
private slots:
    // Showing refills the lists for the study open at that moment.
    void nouvelleCaracteristique() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        TNouvelCaract d(*e);
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Nouvelle caractéristique"));
        QCOMPARE(
            Groupe(d, "RadioGroupX")->Items().join('|'),
            QStringLiteral("Tension moteur|Courant moteur|Puissance électrique moteur|"
                           "Rendement moteur|Vitesse de rotation|Couple |Puissance mécanique"));
        QCOMPARE(Selection(d), (QStringList{"Vitesse de rotation", "Couple "}));
        d.hide();
        e->Travail.TypeEtude = EtudeCaractGeneratrice;
        d.show();
        QCOMPARE(Groupe(d, "RadioGroupY")->Items().join('|'),
                 QStringLiteral("Vitesse de rotation|Couple |Puissance mécanique|Tension "
                                "génératrice|Courant génératrice|Puissance électrique "
                                "génératrice|Rendement génératrice"));
        QCOMPARE(Selection(d), (QStringList{"Tension génératrice", "Courant génératrice"}));
        for (auto [type, attendu] : {std::pair{EtudeChargeMoteur, "Couple "},
                                     std::pair{EtudeChargeGeneratrice, "Courant génératrice"}}) {
            e->Travail.TypeEtude = type;
            TNouvelCaractCharge c(*e);
            c.show();
            QCOMPARE(Selection(c), QStringList{QString::fromUtf8(attendu)});
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
        QCOMPARE(c, (TCaract{.Defini = true,
                             .Affiche = true,
                             .GrandeurX = GTensionMoteur,
                             .ZoomX = 7,
                             .GrandeurY = GTensionMoteur,
                             .ZoomY = 3}));
        QVERIFY(!e->Enregistre);

        auto g = NouvelleEtude(EtudeChargeGeneratrice);
        g->Travail.Caract[1] = {.GrandeurX = GTemps, .GrandeurY = GRendementGene};
        TNouvelCaractCharge dc(*g);
        dc.ModeCaract = 1;
        QCOMPARE(Montre(dc, "BtnOK"), int(QDialog::Accepted));
        QCOMPARE(Selection(dc), QStringList{"Rendement génératrice"});
        QCOMPARE(g->Travail.Caract[1].GrandeurX, int(GTemps));
        QVERIFY(g->Travail.Caract[1].Defini);
    }

    // Cancel writes nothing; nor does OK for a slot that does not exist.
    void rienEcrit() {
        auto e = NouvelleEtude(EtudeCaractGeneratrice);
        const auto avant = e->Travail.Caract;
        TNouvelCaract d(*e);
        QCOMPARE(Montre(d, "BitBtn2", 2), int(QDialog::Rejected));
        for (int n : {0, 5}) {
            d.NumCaract = n;
            d.BtnOKClick();
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
        QVERIFY(e->Travail.Caract == avant);
        QVERIFY(e->Enregistre);
    }

    // A study file may name quantities the list does not offer.
    void quantitesHorsListe() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        e->Travail.Caract[1].GrandeurY = GTemps;
        e->Travail.Caract[1].GrandeurX = GTensionGene;
        TNouvelCaract d(*e);
        d.ModeCaract = 1;
        d.show();
        QCOMPARE(Selection(d), (QStringList{"Vitesse de rotation", "Couple "}));
    }

    void trierPoints() {
        auto e = NouvelleEtude(EtudeChargeMoteur);
        TFormTrierPoints d(*e);
        d.show();
        QCOMPARE(Groupe(d, "RadioGroupSelect")->Items().size(), 12);
        QCOMPARE(Selection(d), (QStringList{"Numéro", "Ordre croissant"}));
        Groupe(d, "RadioGroupSelect")->Bouton(11)->click();
        Groupe(d, "RadioGroupOrdre")->Bouton(1)->click();
        QCOMPARE(Selection(d), (QStringList{"Rendement génératrice", "Ordre décroissant"}));
        QCOMPARE(std::pair(d.Grandeur(), d.Ordre()), std::pair(11, 1));
        d.hide();
        d.show();
        QCOMPARE(std::pair(d.Grandeur(), d.Ordre()), std::pair(0, 0));
    }

    // Screen readers and test tools find every control by name.
    void nomsAccessibles() {
        auto e = NouvelleEtude(EtudeCaractMoteur);
        TNouvelCaract a(*e);
        TFormTrierPoints c(*e);
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
