// The characteristic dialogs and the sort dialog, driven through their forms.
#include "core/data/Operations.h"
#include "ui/studies/RadioGroup.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"
#include "ui/studies/TNouvelCaractCharge.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace zyv;

namespace {

// The checked item of each list of the dialog, Y first.
QStringList Selection(QDialog& d) {
    QStringList choix;
    for (const char* nom : {"RadioGroupY", "RadioGroupX", "RadioGroupSelect", "RadioGroupOrdre"})
        if (auto* g = d.findChild<RadioGroup*>(nom); g != nullptr)
            choix << (g->ItemIndex() < 0 ? QString() : g->Items()[g->ItemIndex()]);
    return choix;
}

// Shows the dialog, checks item y of the Y list (when y >= 0) and presses a button.
int Presse(QDialog& d, const char* bouton, int y = -1) {
    d.show();
    if (y >= 0) d.findChild<RadioGroup*>("RadioGroupY")->Bouton(y)->click();
    d.findChild<QPushButton*>(bouton)->click();
    return d.result();
}

} // namespace

class TestDialogues : public QObject {
    Q_OBJECT
private slots:
    // Showing refills the lists for the study open at that moment; a quantity the list does
    // not offer (a study file may name any) falls back to the default.
    void listesPreselectionValidationEtNoms() {
        auto e = std::make_unique<Etude>();
        NouveauTravail(*e);
        e->Travail.TypeEtude = EtudeCaractMoteur;
        e->Travail.Caract[1] = {.GrandeurX = GTensionGene, .GrandeurY = GTemps};
        TNouvelCaract d(*e);
        d.ModeCaract = 1;
        d.show();
        QCOMPARE(
            d.findChild<RadioGroup*>("RadioGroupX")->Items().join('|'),
            QStringLiteral("Tension moteur|Courant moteur|Puissance électrique moteur|"
                           "Rendement moteur|Vitesse de rotation|Couple |Puissance mécanique"));
        QCOMPARE(Selection(d), (QStringList{"Vitesse de rotation", "Couple "}));
        d.hide();
        e->Travail.TypeEtude = EtudeCaractGeneratrice;
        d.ModeCaract = 0;
        d.show();
        QCOMPARE(Selection(d), (QStringList{"Tension génératrice", "Courant génératrice"}));
        for (auto [type, attendu] : {std::pair{EtudeChargeMoteur, "Couple "},
                                     std::pair{EtudeChargeGeneratrice, "Courant génératrice"}}) {
            e->Travail.TypeEtude = type;
            TNouvelCaractCharge c(*e);
            c.show();
            QCOMPARE(Selection(c), QStringList{QString::fromUtf8(attendu)});
        }

        // Modify preselects the current quantities; OK writes them, axes back to the first
        // quadrant. Cancel writes nothing.
        e->Travail.TypeEtude = EtudeCaractMoteur;
        TCaract& c = e->Travail.Caract[2];
        c = {.GrandeurX = GTensionMoteur, .ZoomX = 7, .GrandeurY = GPuissanceMeca, .Quadrants = 5};
        const auto avant = e->Travail.Caract;
        d.hide();
        d.ModeCaract = 1;
        d.NumCaract = 2;
        QCOMPARE(Presse(d, "BitBtn2", 2), int(QDialog::Rejected));
        QVERIFY(e->Travail.Caract == avant && e->Enregistre);
        QCOMPARE(Presse(d, "BtnOK", 0), int(QDialog::Accepted)); // the same quantity on both axes
        QCOMPARE(d.windowTitle(), QStringLiteral("Modification d'une caractéristique"));
        QCOMPARE(c, (TCaract{true, true, {}, GTensionMoteur, 7, {}, GTensionMoteur}));
        QVERIFY(!e->Enregistre);

        e->Travail.TypeEtude = EtudeChargeGeneratrice;
        e->Travail.Caract[1] = {.GrandeurX = GTemps, .GrandeurY = GRendementGene};
        TNouvelCaractCharge dc(*e);
        dc.ModeCaract = 1;
        QCOMPARE(Presse(dc, "BtnOK"), int(QDialog::Accepted));
        QCOMPARE(Selection(dc), QStringList{"Rendement génératrice"}); // not the default
        // Its caption is not cut in the title bar: the narrow form widens for it.
        QFont gras = dc.font();
        gras.setBold(true);
        QVERIFY(dc.width() > QFontMetrics(gras).horizontalAdvance(dc.windowTitle()) + 60);
        QVERIFY(e->Travail.Caract[1].Defini && e->Travail.Caract[1].GrandeurX == GTemps);

        // The sort dialog starts from the number, ascending, at each showing.
        TFormTrierPoints tri(*e);
        tri.show();
        QCOMPARE(Selection(tri), (QStringList{"Numéro", "Ordre croissant"}));
        auto* cles = tri.findChild<RadioGroup*>("RadioGroupSelect");
        QCOMPARE(cles->Items().size(), qsizetype(12)); // every quantity but the time
        cles->Bouton(11)->click();
        tri.findChild<RadioGroup*>("RadioGroupOrdre")->Bouton(1)->click();
        QCOMPARE(std::pair(tri.Grandeur(), tri.Ordre()), std::pair(11, 1));
        tri.hide();
        tri.show();
        QCOMPARE(std::pair(tri.Grandeur(), tri.Ordre()), std::pair(0, 0));

        // Screen readers and test tools find every control by name.
        for (QDialog* x : {static_cast<QDialog*>(&d), static_cast<QDialog*>(&tri)})
            for (QWidget* w : x->findChildren<QWidget*>())
                if (qobject_cast<QAbstractButton*>(w) || qobject_cast<RadioGroup*>(w))
                    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TestDialogues)
#include "test_dialogues.moc"
