// The load selector on a study of its own: the profile written into the current trial from the
// controls, the bars' coupling, the controls by kind, the frozen trial and the drawing.
#include "core/data/Operations.h"
#include "ui/studies/TSelectCharge.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <memory>

using namespace zyv;

namespace {

struct Poste {
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    TGenerateurAleatoire Alea;
    TSelectCharge S{*E, Alea};
    QComboBox* Liste = S.findChild<QComboBox*>("ComboBoxCharge");
    QSlider* Y1 = S.findChild<QSlider*>("BarY1");
    QSlider* Y2 = S.findChild<QSlider*>("BarY2");
    TEssai& Essai() { return E->Travail.Essai(E->EssaiCourant); }

    Poste() {
        NouveauTravail(*E);
        S.Modifiable = true;
    }
    QString Texte(const char* nom) { return S.findChild<QLabel*>(nom)->text(); }
    bool Montre(const char* nom) { return !S.findChild<QWidget*>(nom)->isHidden(); }
    // Bars, panels and captions as one string: "Y1 Y2 A1 A2 caption1/caption2".
    QString Controles() {
        QString s;
        for (const char* n : {"BarY1", "BarY2", "PanelAY1", "PanelAY2"}) s += Montre(n) ? '1' : '0';
        return s + ' ' + Texte("TextVariableY1") + '/' + Texte("TextVariableY2");
    }
};

} // namespace

class TestSelectCharge : public QObject {
    Q_OBJECT
private slots:

    void profileFollowsTheControlsWhileTheTrialIsEmpty() {
        Poste p;
        QCOMPARE(p.Liste->count(), NbTypesCharge);
        QCOMPARE(p.Liste->itemText(5), QString("   trapézoïdale"));
        QSignalSpy modifiee(&p.S, &TSelectCharge::ChargeModifiee);
        p.Liste->setCurrentIndex(ChargeCyclique25); // the user's choice runs action
        QCOMPARE(p.Essai().TypeCharge, 1);
        QCOMPARE(p.Essai().Consignes[10], 100);
        QCOMPARE(p.Essai().Consignes[40], 25);
        QCOMPARE(p.Texte("TextValeurY1"), QString("100 %"));
        QCOMPARE(p.Controles(), QString("1111 Charge Max/Charge min"));
        p.S.action(); // nothing new
        QCOMPARE(modifiee.count(), 1);
        p.Liste->setCurrentIndex(ChargeConstante);
        QCOMPARE(p.Controles(), QString("1010 Charge/Charge"));
        p.Liste->setCurrentIndex(ChargeAleatoire);
        QCOMPARE(p.Controles(), QString("0000 Charge/Charge"));

        // Max dragged below min brings min down; min pushed above Max brings Max up.
        p.Liste->setCurrentIndex(ChargeTriangulaire);
        p.Y1->setValue(140);
        QCOMPARE(p.Y2->value(), 140);
        QCOMPARE(p.Texte("TextValeurY2"), QString("10 %"));
        p.Y2->setValue(30);
        QCOMPARE(p.Y1->value(), 30);
        QCOMPARE(p.Texte("TextValeurY1"), QString("120 %"));
        QCOMPARE(p.Essai().Consignes[20], 120);
    }

    void randomProfileIsDrawnAnewFromTheProgramsGenerator() {
        Poste p; // not shown: one computation per Trace
        TGenerateurAleatoire temoin;
        p.S.SetTypeCharge(ChargeAleatoire);
        for (int fois = 0; fois < 2; ++fois) {
            p.S.action();
            for (int b = 0; b < 13; ++b)
                QCOMPARE(p.Essai().Consignes[10 * b + 9], temoin.Tire(150));
        }
        AjoutePoint(*p.E);
        p.S.action();
        QCOMPARE(p.Alea.Etat(), temoin.Etat());
    }

    void trialWithPointsShowsItsFrozenSettings() {
        Poste p;
        SetCharge(p.Essai(), ChargeTriangulaire, 80, 10, p.Alea);
        AjoutePoint(*p.E);
        p.Liste->setCurrentIndex(ChargeConstante);
        QSignalSpy modifiee(&p.S, &TSelectCharge::ChargeModifiee);
        p.S.SetTypeCharge(ChargeTriangulaire);
        p.S.action();
        QVERIFY(!p.Liste->isEnabled());
        QCOMPARE(p.Liste->currentIndex(), 4);
        QCOMPARE(p.Controles(), QString("0011 Charge Max/Charge min"));
        QCOMPARE(p.Texte("TextValeurY1"), QString("80 %"));
        QCOMPARE(p.Texte("TextValeurY2"), QString("10 %"));
        QCOMPARE(p.Essai().Consignes[20], 80);
        QCOMPARE(modifiee.count(), 0);
        // Switching to an empty trial: the selector's own settings, changeable again.
        NouvelEssai(*p.E);
        p.S.action();
        QVERIFY(p.Liste->isEnabled());
        QCOMPARE(p.Essai().ChargeMax, 100);
        p.S.Modifiable = false; // an acquisition runs: shown, not changeable
        p.S.action();
        QCOMPARE(p.Controles(), QString("0011 Charge Max/Charge min"));
        // Damaged kind or trial number: nothing written, nothing indexed out of range.
        p.S.SetTypeCharge(9);
        p.S.action();
        QCOMPARE(p.Essai().TypeCharge, 4);
        p.E->EssaiCourant = 6;
        p.S.action();
    }

    void drawingOfTheProfile() {
        Poste p;
        p.S.resize(761, 164);
        p.S.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.S));
        p.S.SetTypeCharge(ChargeTrapezoidale);
        p.S.action();
        auto* boite = p.S.findChild<QWidget*>("Box1");
        const QImage im = boite->grab().toImage();
        const TMesuresTrace& m = p.S.Mesures();
        QCOMPARE(m.X1, boite->width() - 5);
        QCOMPARE(im.pixel(1, 1), QColor(0, 0, 128).rgb());
        QCOMPARE(im.pixel(m.X0 + 4 * m.Pas, m.YBas + 3), QColor(0, 255, 255).rgb()); // tick
        QCOMPARE(im.pixel(m.X0, (m.YHaut + m.YBas) / 2), QColor(0, 255, 255).rgb());
        for (int n : {5, 15, 25, 35}) // ramp up, top, ramp down, bottom
            QCOMPARE(im.pixel(m.X(n), m.Y(p.Essai().Consignes[n])), QColor(255, 255, 0).rgb());

        // A repaint draws a random profile anew, except during an acquisition.
        p.S.SetTypeCharge(ChargeAleatoire);
        p.S.Modifiable = false;
        p.S.action();
        const auto consignes = p.Essai().Consignes;
        boite->repaint();
        QCOMPARE(p.Essai().Consignes, consignes);
        p.S.Modifiable = true;
        boite->repaint();
        QVERIFY(p.Essai().Consignes != consignes);
    }
};

QTEST_MAIN(TestSelectCharge)
#include "test_selectcharge.moc"
