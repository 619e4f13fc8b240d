// The time-trace frame: its computed read-outs by quantity, the hidden time zoom and the pop-up
// entries that differ from the characteristic frame's.
#include "ui/app/ServicesEssai.h"

#include "core/data/Operations.h"
#include "ui/plot/HoteEssai.h"
#include "ui/plot/TTemporelMachine.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <memory>

using namespace zyv;

namespace {

// A load study with one characteristic, y against time, and trial 1 current.
struct Poste {
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    ServicesEssai Services;
    HoteEssai H;
    TTemporelMachine Cadre{*E, Services, H};

    explicit Poste(int y, std::initializer_list<std::pair<int, int>> points) {
        NouveauTravail(*E);
        E->Travail.TypeEtude = EtudeChargeMoteur;
        E->Travail.Caract[1] = {true, true, {}, GTemps, 10, {}, y, 10, {}, 1};
        for (auto [t, v] : points) {
            E->MesureCourante[GTemps] = t;
            E->MesureCourante[y] = v;
            AjoutePoint(*E);
        }
        Cadre.resize(794, 367);
        Cadre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Cadre));
        Cadre.tracecaract();
        Cadre.curseur();
    }
    QString Texte(const char* nom) { return Cadre.findChild<QLabel*>(nom)->text(); }
    bool Montre(const char* nom) { return !Cadre.findChild<QWidget*>(nom)->isHidden(); }
    // Mean, second row caption and value, or "-" for a hidden row.
    QString Calculs() {
        return Texte("TextVal1") + " | " +
               (Montre("PanelValCalcul2") ? Texte("TextValCalcul2") + " " + Texte("TextVal2")
                                          : QString("-"));
    }
};

} // namespace

class TestTemporel : public QObject {
    Q_OBJECT
private slots:

    void readOutsByQuantity() {
        Poste puissance(GPuissanceMeca, {{0, 1000}, {50, 2000}, {100, 3000}});
        QCOMPARE(puissance.Texte("TextValCalcul1"), QString("Valeur moyenne"));
        QCOMPARE(puissance.Calculs(), QString("25,00 W | Energie 25,0 J"));
        QCOMPARE(puissance.Cadre.findChild<QPushButton*>("ButtonCar")->text(), QString("PM(t)"));
        // Results stay those of the last layout until the next one.
        AjoutePoint(*puissance.E);
        puissance.Cadre.curseur();
        QCOMPARE(puissance.Calculs(), QString("25,00 W | Energie 25,0 J"));
        puissance.E->Travail.Caract[1].GrandeurY = GTemps; // row left as it was
        puissance.Cadre.tracecaract();
        QVERIFY(puissance.Montre("PanelValCalcul2"));

        Poste courant(GCourantMoteur, {{0, 1360}, {30, 1360}, {61, 1360}, {90, 1360}});
        QCOMPARE(courant.Calculs(), QString("1,360 A | Valeur efficace 1,360 A"));
        Poste tension(GTensionMoteur, {{0, 2430}, {30, 2430}});
        QCOMPARE(tension.Calculs(), QString("24,30 V | -"));
        Poste seul(GPuissanceMeca, {{0, 1000}});
        QCOMPARE(seul.Calculs(), QString("0,00 W | Energie 0,0 J"));
        Poste origine(GCourantMoteur, {{0, 1000}, {0, 2000}}); // last time 0: zeros
        QCOMPARE(origine.Calculs(), QString("0,000 A | Valeur efficace 0,000 A"));
    }

    void timeZoomIsHiddenAndStored() {
        Poste p(GPuissanceMeca, {});
        QVERIFY(!p.Cadre.findChild<QSlider*>("ZoomX")->isVisible());
        QCOMPARE(p.Cadre.GrapheEcran.ConfX.Max, 6083);
        p.E->Travail.Caract[1].ZoomX = 25;
        p.Cadre.tracecaract();
        QCOMPARE(p.Cadre.GrapheEcran.ConfX.Max, 1460);
        p.Cadre.findChild<QSlider*>("ZoomY")->setValue(25);
        QCOMPARE(p.E->Travail.Caract[1].ZoomY, 25);
    }

    void popupEntriesIgnoreTheAcquisition() {
        Poste p(GPuissanceMeca, {{0, 1000}});
        const auto etats = [&] {
            p.Cadre.PopupMenu1Popup();
            QString s;
            for (QAction* a : p.Cadre.PopupMenu1->actions())
                if (!a->isSeparator()) s += a->isEnabled() ? '1' : '0';
            return s;
        };
        QCOMPARE(p.Cadre.PopupMenu1->actions().size(), 9); // no modelling, three separators
        QCOMPARE(p.Cadre.PopupMenu1->actions().last()->text(),
                 QString("Copier les valeurs de la courbe sélectionnée"));
        p.E->ModeAcquisition = 1;
        QCOMPARE(etats(), QString("111111"));
        p.E->MesureCourante[0] = -1;
        NouvelEssai(*p.E);
        QCOMPARE(etats(), QString("000111"));
        p.E->Travail.Essai(1).DernierPoint = -1;
        QCOMPARE(etats(), QString("000011"));
        p.Cadre.NumCaract = 2;
        p.Cadre.findChild<QPushButton*>("ButtonCar")->click();
        QCOMPARE(p.H.Appels.back(), std::string("ModifieCaract 2"));
    }
};

QTEST_MAIN(TestTemporel)
#include "test_temporel.moc"
