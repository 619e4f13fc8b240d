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

    Poste() {
        NouveauTravail(*E);
        S.Modifiable = true;
    }
    QString Texte(const char* nom) { return S.findChild<QLabel*>(nom)->text(); }
    // Bars and panels shown, then captions and values: "1111 Charge Max 100 %/Charge min 25 %".
    QString Controles() {
        QString s;
        for (const char* n : {"BarY1", "BarY2", "PanelAY1", "PanelAY2"})
            s += S.findChild<QWidget*>(n)->isHidden() ? '0' : '1';
        return s + ' ' + Texte("TextVariableY1") + ' ' + Texte("TextValeurY1") + '/' +
               Texte("TextVariableY2") + ' ' + Texte("TextValeurY2");
    }
};

} // namespace

class TestSelectCharge : public QObject {
    Q_OBJECT
private slots:

    void profileFollowsTheControlsWhileTheTrialIsEmpty() {
        Poste p;                     // not shown: one computation per Trace
        TGenerateurAleatoire temoin; // a random profile is drawn anew from the program's generator
        p.S.SetTypeCharge(ChargeAleatoire);
        for (int fois = 0; fois < 2; ++fois) {
            p.S.action();
            for (int b = 0; b < 13; ++b)
                QCOMPARE(p.E->Courant().Consignes[10 * b + 9], temoin.Tire(150));
        }
        QSignalSpy modifiee(&p.S, &TSelectCharge::ChargeModifiee);
        p.Liste->setCurrentIndex(ChargeCyclique25); // the user's choice runs action
        QCOMPARE(std::tuple(p.E->Courant().TypeCharge, p.E->Courant().Consignes[10],
                            p.E->Courant().Consignes[40]),
                 std::tuple(1, 100, 25));
        QCOMPARE(p.Controles(), QString("1111 Charge Max 100 %/Charge min 25 %"));
        p.S.action(); // nothing new
        QCOMPARE(modifiee.count(), 1);
        p.Liste->setCurrentIndex(ChargeConstante);
        QCOMPARE(p.Controles(), QString("1010 Charge 100 %/Charge 25 %"));
        p.Liste->setCurrentIndex(ChargeAleatoire);
        QCOMPARE(p.Controles().left(4), QString("0000"));

        // Max dragged below min brings min down; min pushed above Max brings Max up.
        p.Liste->setCurrentIndex(ChargeTriangulaire);
        p.S.findChild<QSlider*>("BarY1")->setValue(140);
        QCOMPARE(p.Controles(), QString("1111 Charge Max 10 %/Charge min 10 %"));
        p.S.findChild<QSlider*>("BarY2")->setValue(30);
        QCOMPARE(p.Controles(), QString("1111 Charge Max 120 %/Charge min 120 %"));
        QCOMPARE(p.E->Courant().Consignes[20], 120);

        // A trial with points shows its frozen settings, whatever the controls say.
        SetCharge(p.E->Courant(), ChargeTriangulaire, 80, 10, p.Alea);
        AjoutePoint(*p.E);
        const auto signaux = modifiee.count();
        p.Liste->setCurrentIndex(ChargeConstante);
        p.S.SetTypeCharge(ChargeTriangulaire);
        p.S.action();
        QVERIFY(!p.Liste->isEnabled());
        QCOMPARE(p.Controles(), QString("0011 Charge Max 80 %/Charge min 10 %"));
        QCOMPARE(std::pair(p.E->Courant().Consignes[20], modifiee.count()), std::pair(80, signaux));
        // An empty trial during an acquisition: its profile shown, not changeable.
        NouvelEssai(*p.E);
        p.S.Modifiable = false;
        p.S.action();
        QVERIFY(!p.Liste->isEnabled() && p.E->Courant().ChargeMax == 120);
        QCOMPARE(p.Controles(), QString("0011 Charge Max 120 %/Charge min 120 %"));
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
        for (int n : {5, 15, 25, 35, DernierPasCycle}) // ramp up, top, ramp down, bottom, end
            QCOMPARE(im.pixel(m.X(n), m.Y(p.E->Courant().Consignes[n])), QColor(255, 255, 0).rgb());

        // A repaint draws a random profile anew, except during an acquisition.
        p.S.SetTypeCharge(ChargeAleatoire);
        p.S.Modifiable = false;
        p.S.action();
        const auto consignes = p.E->Courant().Consignes;
        boite->repaint();
        QCOMPARE(p.E->Courant().Consignes, consignes);
        p.S.Modifiable = true;
        boite->repaint();
        QVERIFY(p.E->Courant().Consignes != consignes);
    }
};

QTEST_MAIN(TestSelectCharge)
#include "test_selectcharge.moc"
