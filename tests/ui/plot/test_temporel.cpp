// The time-trace frame: its computed read-outs by quantity and the pop-up entries that differ
// from the characteristic frame's.
#include "core/data/Cp1252.h"
#include "ui/plot/HoteEssai.h"
#include "ui/plot/TTemporelMachine.h"

#include <QPushButton>

using namespace zyv;

namespace {

using Points = std::vector<std::pair<int, int>>;

// A load study with y against time in trial 1.
struct Poste : PosteCadre<TTemporelMachine> {
    Poste(int y, const Points& points) : PosteCadre(EtudeChargeMoteur, GTemps, y, points) {
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

class TestTemporel : public QObject {
    Q_OBJECT
private slots:

    void readOutsByQuantityAndPopupEntries() {
        const std::tuple<int, Points, const char*> cas[] = {
            {GCourantMoteur,
             {{0, 1360}, {30, 1360}, {61, 1360}},
             "1,360 A | Valeur efficace 1,360 A"},
            {GTensionMoteur, {{0, 2430}, {30, 2430}}, "24,30 V | -"}};
        for (const auto& [y, points, attendu] : cas)
            QCOMPARE(Poste(y, points).Calculs(), "Valeur moyenne " + QString(attendu));

        // Long quantity names show whole in their 95 px box (smaller, or on two lines), or cut
        // with the whole name as the tooltip.
        for (int y : {GVitesse, GPuissanceMeca, GPuissanceGene}) {
            Poste q(y, {{0, 1}});
            const auto* l = q.Cadre.findChild<QLabel*>("TextVariableY");
            const QString nom =
                QString::fromStdString(Cp1252VersUtf8(q.E->Travail.Grandeurs[y].Nom.Texte()));
            const QFontMetrics m(l->font());
            const QRect place = m.boundingRect(QRect(0, 0, l->width(), 1000),
                                               l->wordWrap() ? Qt::TextWordWrap : 0, l->text());
            const bool entier =
                l->text() == nom && place.width() <= l->width() && place.height() <= l->height();
            QVERIFY2(entier || (l->toolTip() == nom && l->text().endsWith(QChar(0x2026))),
                     qPrintable(nom));
        }

        Poste p(GPuissanceMeca, {{0, 1000}, {50, 2000}, {100, 3000}});
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

QTEST_MAIN(TestTemporel)
#include "test_temporel.moc"
