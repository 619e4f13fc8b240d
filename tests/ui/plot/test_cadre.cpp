// The plot frames on their own, characteristic and time trace, under a host that records what
// the frame asks of the study window.
#include "ui/plot/HoteEssai.h"
#include "ui/plot/TCaractMachine.h"
#include "ui/plot/TTemporelMachine.h"
#include "ui/plot/ZoneTrace.h"

#include "core/plot/TableZoom.h"

#include <QPushButton>
#include <QSlider>

using namespace zyv;

namespace {

// C(N): trial 1 with three points.
struct Poste : PosteCadre<TCaractMachine> {
    ZoneTrace* Zone = Cadre.findChild<ZoneTrace*>("PaintBox1");

    Poste()
        : PosteCadre(EtudeCaractMoteur, GVitesse, GCouple, {{500, 600}, {1500, 400}, {3000, 100}}) {
    }
    QAction* Action(const char* nom) { return Cadre.findChild<QAction*>(nom); }
    QImage Image() { return Zone->Image().copy(); }
    QPoint Pixel(int n, int c) {
        return {ValeurVersPixelX(Cadre.GrapheEcran, n), ValeurVersPixelY(Cadre.GrapheEcran, c)};
    }
};

constexpr QRgb Rouge = 0xFFFF0000; // trial 1 in scheme 0

using Points = std::vector<std::pair<int, int>>;

// A load study with y against time in trial 1.
struct PosteTemps : PosteCadre<TTemporelMachine> {
    PosteTemps(int y, const Points& points) : PosteCadre(EtudeChargeMoteur, GTemps, y, points) {
        Cadre.tracecaract();
        Cadre.curseur();
    }
    // Both rows, captions and values; "-" for a hidden second row.
    QString Calculs() {
        const bool cachee = Cadre.findChild<QWidget*>("PanelValCalcul2")->isHidden();
        return Texte("TextValCalcul1") + " " + Texte("TextVal1") + " | " +
               (cachee ? QString("-") : Texte("TextValCalcul2") + " " + Texte("TextVal2"));
    }
};

} // namespace

class TestCadre : public QObject {
    Q_OBJECT
private slots:

    void pickingSelectsTheNearestPointOfTheCurrentTrial() {
        Poste p;
        p.Cadre.tracegraphe();
        QCOMPARE(p.Texte("TextVariableY") + "/" + p.Texte("TextVariableX") + "/" +
                     p.Texte("TextCaract") + "/" + p.Lectures(),
                 QString("Couple /Vitesse de rotation/C(N)/---- | ----"));
        const QImage sansCurseur = p.Image();
        const QPoint loin(p.Zone->width() - 2, p.Zone->height() - 2); // far from every point
        QTest::mouseClick(p.Zone, Qt::LeftButton, {}, loin);
        QVERIFY(p.E->MesureCourante[0] == 2 && p.Image() != sansCurseur);
        QCOMPARE(p.Lectures(), QString("10,0 mN.m | 3000 tr/min"));
        const QPoint pres = p.Pixel(500, 600) + QPoint(3, -4); // dragging slides to another point
        QMouseEvent glisse(QEvent::MouseMove, pres, p.Zone->mapToGlobal(pres), Qt::NoButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p.Zone, &glisse);
        QCOMPARE(p.E->MesureCourante[0], 0);
        // The cursor moves in XOR over the curves: once cleared the picture is as drawn.
        p.E->MesureCourante[0] = -1;
        p.Cadre.curseur();
        QVERIFY(p.Image() == sansCurseur && p.Lectures() == "-- | --");

        // A new point shows as its marker without a redraw.
        p.Point(2000, 300);
        p.Cadre.tracepoint(1, 3);
        QCOMPARE(p.Image().pixel(p.Pixel(2000, 300)), Rouge);

        // During an acquisition MesureCourante stays the live reading.
        p.E->ModeAcquisition = 1;
        p.E->MesureCourante = {0, 3450, 253};
        QTest::mouseClick(p.Zone, Qt::LeftButton, {}, loin);
        QCOMPARE(p.E->MesureCourante[1], 3450);
        p.E->ModeAcquisition = 0;
        p.E->EssaiCourant = 2; // empty: the selection is cleared
        QTest::mouseClick(p.Zone, Qt::LeftButton, {}, loin);
        QCOMPARE(p.E->MesureCourante[0], -1);
    }

    void acquisitionDrawsMarkersOnlyAndDisablesEntries() {
        Poste p;
        p.E->Travail.Interpolation = 2;
        p.Cadre.tracegraphe();
        const QImage lignes = p.Image();
        p.E->Travail.Interpolation = -1;
        p.Cadre.tracegraphe();
        const QImage points = p.Image();
        QVERIFY(lignes != points);
        p.E->Travail.Interpolation = 2;
        p.E->ModeAcquisition = 1;
        p.Cadre.tracegraphe(); // thick dot at the live reading
        QVERIFY(p.Image() == points && p.Cadre.GrapheEcran.CurseurGraphe.Style == 0);
        p.E->MesureCourante = {0, 3450, 253};
        p.Cadre.curseur();
        QCOMPARE(p.Lectures(), QString("25,3 mN.m | 3450 tr/min"));

        QCOMPARE(p.Entrees(), QString("1100011"));
        p.E->ModeAcquisition = 0;
        QCOMPARE(p.Entrees(), QString("1111111"));
        p.E->MesureCourante[0] = -1;
        p.E->EssaiCourant = 2; // empty, while trial 1 has points
        QCOMPARE(p.Entrees(), QString("0001011"));
    }

    void resizeHidingZoomBarsAndQuadrants() {
        Poste p;
        p.H.Appels.clear();
        p.Cadre.resize(300, 250);
        QTRY_COMPARE(p.Zone->Image().size(), p.Zone->size());
        QCOMPARE(p.H.Appels, std::vector<std::string>{"Curseur"});

        TCaract& k = p.E->Travail.Caract[1];
        auto* zoomX = p.Cadre.findChild<QSlider*>("ZoomX");
        auto* zoomY = p.Cadre.findChild<QSlider*>("ZoomY");
        zoomY->setValue(0); // thumb at the top: a fiftieth of the 700 full scale
        QCOMPARE(std::pair(k.ZoomY, p.Cadre.GrapheEcran.ConfY.Max), std::pair(50, 14));
        zoomX->setValue(50);
        QCOMPARE(std::pair(k.ZoomX, p.Cadre.GrapheEcran.ConfX.Max), std::pair(50, 150));
        k.ZoomY = 0;
        p.Cadre.tracegraphe();
        QCOMPARE(std::pair(zoomY->value(), p.Cadre.GrapheEcran.ConfY.Max), std::pair(50, 1400));

        // X Min, X Max, Y Min, Y Max in extents (7500 and 700 at 20/24) for each Quadrants value.
        k.ZoomX = k.ZoomY = 10;
        TGraphe g;
        QStringList signes;
        for (k.Quadrants = 0; k.Quadrants < 9; ++k.Quadrants) {
            p.Cadre.cfgaxe(g);
            signes << QString("%1%2%3%4")
                          .arg(g.ConfX.Min / 6250)
                          .arg(g.ConfX.Max / 6250)
                          .arg(g.ConfY.Min / 583)
                          .arg(g.ConfY.Max / 583);
        }
        QCOMPARE(signes.join(' '),
                 QString("-11-11 0101 01-11 01-10 -11-10 -10-10 -10-11 -1001 -1101"));
    }

    // The largest zooms showing every point, and the live reading during an acquisition; the
    // study is not marked unsaved.
    void automaticScaleFromThePopup() {
        Poste p;
        p.E->Enregistre = true;
        QAction* echelle = p.Action("Echelleautomatique1");
        echelle->trigger(); // N 3060 and C 61,2 wanted
        QCOMPARE(std::pair(p.Cadre.GrapheEcran.ConfX.Max, p.Cadre.GrapheEcran.ConfY.Max),
                 std::pair(3260, 636));
        QCOMPARE(p.Cadre.findChild<QSlider*>("ZoomY")->value(), ZoomMax - 9);
        p.E->ModeAcquisition = 1;
        p.E->MesureCourante = {0, 7000, 253};
        echelle->trigger();
        QVERIFY(p.Cadre.GrapheEcran.ConfX.Max == 7500 && p.E->Enregistre);
        QCOMPARE(p.Lectures(), QString("25,3 mN.m | 7000 tr/min"));
    }

    void copiesAndHostCommands() {
        Poste p;
        p.E->MesureCourante[GCouple] = -5;
        AjoutePoint(*p.E);
        p.Action("Copierlesvaleurs1")->trigger();
        QCOMPARE(p.Services.PressePapiers,
                 std::string("N\tC\r\n(tr/min)\t(mN.m)\r\n500\t60,0\r\n1500\t40,0\r\n"
                             "3000\t10,0\r\n3000\t-0,5\r\n"));
        p.E->Config.Fond = 7; // black on screen
        p.Action("Copierlacaracteristique1")->trigger();
        QVERIFY(p.Services.ImageSvg.contains(">(tr/min)<") &&
                p.Services.ImageSvg.contains(">1000<"));
        QCOMPARE(p.Services.ImagePng.pixel(0, 0), 0xFFFFFFFFu); // scheme 0 whatever the screen's

        p.Cadre.NumCaract = 3;
        p.H.Appels.clear();
        p.Cadre.findChild<QPushButton*>("ButtonCar")->click();
        for (const char* e : {"Suppressiondupoint1", "Suppressiondetouslespoints1", "Nouvelessai1",
                              "Modificationdelacaracteristique1", "Modelisation1"})
            p.Action(e)->trigger();
        QCOMPARE(p.H.Appels, (std::vector<std::string>{"ModifieCaract 3", "Supprimepoint",
                                                       "SupprimeTousPoints", "NouvelEssai1Click",
                                                       "ModifieCaract 3", "Modelisation 3"}));
        p.Cadre.NumCaract = 1;
        p.E->Travail.Caract[1].GrandeurX = GNumero; // no unit, a Windows-1252 symbol
        p.E->EssaiCourant = 2;
        p.Cadre.CopierValeurs();
        QCOMPARE(p.Services.PressePapiers, std::string("N°\tC\r\n\t(mN.m)\r\n"));
    }

    // The time trace: its computed read-outs by quantity and the pop-up entries that differ
    // from the characteristic frame's.
    void readOutsByQuantityAndPopupEntries() {
        const std::tuple<int, Points, const char*> cas[] = {
            {GCourantMoteur,
             {{0, 1360}, {30, 1360}, {61, 1360}},
             "1,360 A | Valeur efficace 1,360 A"},
            {GTensionMoteur, {{0, 2430}, {30, 2430}}, "24,30 V | -"}};
        for (const auto& [y, points, attendu] : cas)
            QCOMPARE(PosteTemps(y, points).Calculs(), "Valeur moyenne " + QString(attendu));

        PosteTemps p(GPuissanceMeca, {{0, 1000}, {50, 2000}, {100, 3000}});
        QCOMPARE(p.Calculs(), QString("Valeur moyenne 25,00 W | Energie 25,0 J"));
        QCOMPARE(p.Cadre.findChild<QPushButton*>("ButtonCar")->text(), QString("PM(t)"));
        p.E->Travail.Caract[1].GrandeurY = GTemps; // second row left as it was
        p.Cadre.tracecaract();
        QVERIFY(p.Calculs().endsWith(" | Energie 25,0 J"));

        // The pop-up entries ignore the acquisition.
        p.E->ModeAcquisition = 1; // six entries: no modelling one
        QCOMPARE(p.Entrees(), QString("011111"));
        p.E->EssaiCourant = 2;
        QCOMPARE(p.Entrees(), QString("000111"));
        p.E->Travail.Essai(1).DernierPoint = -1;
        QCOMPARE(p.Entrees(), QString("000011"));

        // The stacked frames keep one time axis: the automatic scale fits the power only.
        p.E->Travail.Essai(1).DernierPoint = 2;
        p.E->Travail.Caract[1].GrandeurY = GPuissanceMeca;
        p.Cadre.findChild<QAction*>("Echelleautomatique1")->trigger();
        QCOMPARE(std::pair(p.Cadre.GrapheEcran.ConfX.Max, p.Cadre.GrapheEcran.ConfY.Max),
                 std::pair(6083, 3333)); // 3060 wanted
    }
};

QTEST_MAIN(TestCadre)
#include "test_cadre.moc"
