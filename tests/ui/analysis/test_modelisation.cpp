// The modelling window opened from the characteristic study window on a study of three trials
// of speed N against torque C.
#include "ui/Coquille.h"
#include "ui/analysis/TCaractModele.h"
#include "ui/analysis/TFormModelisation.h"
#include "ui/plot/ZoneTrace.h"

#include <QSlider>
#include <QToolButton>

using namespace zyv;

namespace {

struct Poste : Coquille {
    std::unique_ptr<TFormCaracteristique> Etudes;
    std::unique_ptr<TFormModelisation> Fenetre;

    // Trial 1 lies on N = 3.C + 7 in raw units, trial 2 has one torque only, trial 3 is empty;
    // the study's curves are cubic.
    Poste() : Coquille(std::string("ttyS0")) {
        Etudes = std::make_unique<TFormCaracteristique>(*E, Liaison, Services, F);
        Fenetre = std::make_unique<TFormModelisation>(*E, Services);
        F.FormModelisation = Fenetre.get();
        E->Travail.Caract[1] = {true, true, {}, GCouple, 10, {}, GVitesse, 10, {}, 1};
        const int points[][3] = {{1, 100, 307},  {1, 200, 607},  {1, 300, 907}, {1, 400, 1207},
                                 {2, 250, 1000}, {2, 250, 1100}, {3, 0, 0}};
        for (auto [t, c, n] : points) {
            if (t > E->Travail.NbEssais) NouvelEssai(*E);
            E->MesureCourante[GCouple] = c;
            E->MesureCourante[GVitesse] = n;
            if (t < 3) AjoutePoint(*E);
        }
        E->Travail.Interpolation = 2;
        Etudes->show();
    }
    // Opens the window on characteristic 1 from the study window's menu, runs geste in it,
    // then closes it.
    void Modelise(const std::function<void()>& geste) {
        bool fait = false;
        QTimer::singleShot(0, Fenetre.get(), [&] {
            QTRY_COMPARE(Zone()->Image().size(), Zone()->size());
            geste();
            fait = true;
            Fenetre->close();
        });
        Etudes->findChild<QAction*>(QStringLiteral("ModCar1"))->trigger();
        QVERIFY(fait);
    }
    template <typename T = QWidget> T* W(const char* nom) const {
        return Fenetre->findChild<T*>(QString::fromLatin1(nom));
    }
    void Clique(const char* bouton) const {
        QTest::mouseClick(W<QToolButton>(bouton), Qt::LeftButton);
    }
    QString Lectures() const {
        return W<QLabel>("TextValeurY")->text() + " | " + W<QLabel>("TextValeurX")->text();
    }
    // Enabling of the tool bar button and of the plot's pop-up entry, e.g. "11".
    QString CopieEquations() const {
        Fenetre->CaractAnalyse->PopupMenu1Popup();
        return QString::number(W<QToolButton>("ButtonCopieEquation")->isEnabled()) +
               QString::number(W<QAction>("Copierlesvaleurs1")->isEnabled());
    }
    ZoneTrace* Zone() const { return Fenetre->CaractAnalyse->findChild<ZoneTrace*>("PaintBox1"); }
    TGraphe& Ecran() const { return Fenetre->CaractAnalyse->GrapheEcran; }
    // Whether trial 1's colour (red) lies within a pixel of the raw point (c, n).
    bool RougeVers(int c, int n) const {
        const QImage im = Zone()->Image().copy(ValeurVersPixelX(Ecran(), c) - 1,
                                               ValeurVersPixelY(Ecran(), n) - 1, 3, 3);
        const auto* px = reinterpret_cast<const QRgb*>(im.constBits());
        return std::find(px, px + 9, 0xFFFF0000) != px + 9;
    }
};

} // namespace

class TestModelisation : public QObject {
    Q_OBJECT
private slots:
    void boutonsEquationsCopieEtCurseurLibre() {
        Poste p;
        p.Modelise([&] {
            // A row per trial.
            QVERIFY(p.W("PanelEquation3")->isVisible() && !p.W("PanelEquation4")->isVisible());
            p.Clique("ButtonAX");
            QCOMPARE(p.W<QLineEdit>("EditEquation1")->text() + " / " +
                         p.W<QLineEdit>("EditEquation2")->text(),
                     QStringLiteral("N =   30,2333 x C / N =   42,0000 x C"));
            p.Clique("ButtonAXB"); // on the line, between two points; the line starts at X = 0
            QVERIFY(p.RougeVers(250, 757) && p.RougeVers(0, 7));
            p.Clique("ButtonCopieEquation");
            QCOMPARE(p.Services.PressePapiers,
                     std::string("Essai 1 :  N =   30,0000 x C + 7\r\n"
                                 "Essai 2 :  N = 0 x C +0\r\nEssai 3 :  N = 0 x C +0\r\n"));
            QCOMPARE(p.CopieEquations(), QStringLiteral("11"));

            // The button down, clicked again, leaves no model.
            p.Clique("ButtonAXB");
            QVERIFY(p.W<QLineEdit>("EditEquation1")->text().isEmpty() && !p.RougeVers(250, 757));
            QCOMPARE(p.CopieEquations(), QStringLiteral("00"));

            TGraphe& g = p.Ecran();
            const QImage sansCurseur = p.Zone()->Image().copy();
            // Two X steps of 5,0 mN.m and one Y step of 500 tr/min from the origin.
            const QPoint ou(static_cast<int>(g.AxeX.PixOrigine + 2 * g.AxeX.PixPas),
                            static_cast<int>(g.AxeY.PixOrigine - g.AxeY.PixPas));
            QTest::mouseClick(p.Zone(), Qt::LeftButton, {}, ou);
            QVERIFY(p.Zone()->Image() != sansCurseur);
            QCOMPARE(p.Lectures(), QStringLiteral("500 tr/min | 10,0 mN.m"));
            p.W<QSlider>("ZoomX")->setValue(20); // a redraw keeps the cursor where it was
            QCOMPARE(p.Lectures(), QStringLiteral("500 tr/min | 10,0 mN.m"));
            p.W<QSlider>("ZoomX")->setValue(10);

            // The picture and the page carry the read-outs.
            const char* lecture = "Vitesse de rotation : 500 tr/min";
            p.Clique("ButtonCopieCaract");
            QVERIFY(p.Services.ImageSvg.contains(lecture));
            p.Services.FichierPdf = p.Dossier.filePath(QStringLiteral("modele.pdf"));
            p.Clique("ButtonImpression");
            p.Clique("ButtonImpression"); // the first page's cursor is not drawn on the second
            QPdfDocument pdf;
            QCOMPARE(pdf.load(p.Services.FichierPdf), QPdfDocument::Error::None);
            QVERIFY(pdf.getAllText(0).text().contains(QStringLiteral("500 tr/min")));

            // Escape hides the cursor and keeps the window; the picture then has no read-outs.
            QTest::keyClick(p.W("EditEquation1"), Qt::Key_Escape);
            QVERIFY(p.Fenetre->isVisible() && p.Zone()->Image() == sansCurseur);
            QCOMPARE(p.Lectures(), QStringLiteral("-- | --"));
            p.Clique("ButtonCopieCaract");
            QVERIFY(!p.Services.ImageSvg.contains(lecture));

            // A model change turns it off as well.
            QTest::mouseClick(p.Zone(), Qt::LeftButton, {}, ou);
            p.Clique("ButtonAX2BXC");
            QCOMPARE(p.Lectures(), QStringLiteral("-- | --"));

            // The page carries the trials' equations under the plot; a PDF is proposed in the
            // study folder.
            p.Clique("ButtonImpression");
            QVERIFY(p.Services.FichierPropose.endsWith(QStringLiteral("Fichiers/ZYV.pdf")));
            QCOMPARE(pdf.load(p.Services.FichierPdf), QPdfDocument::Error::None);
            const QString page = pdf.getAllText(0).text();
            for (const char* attendu : {"Essai 1 :", "Essai 3 :", "C²"})
                QVERIFY2(page.contains(QString::fromUtf8(attendu)), attendu);
        });
        // The choice stays for the next showing.
        p.Modelise([&] { QVERIFY(p.W<QLineEdit>("EditEquation1")->text().contains("C²")); });
    }
};

QTEST_MAIN(TestModelisation)
#include "test_modelisation.moc"
