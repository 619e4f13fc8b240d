// The characteristic study window driven as a student would, on a scripted module.
#include "core/analysis/ExportTexte.h"
#include "ui/Coquille.h"
#include "ui/plot/TCaractMachine.h"
#include "ui/studies/RadioGroup.h"

#include <QClipboard>
#include <QFileInfo>
#include <QToolButton>
#include <QWindow>

using namespace zyv;

namespace {

struct Etude1 : PosteEtude<TFormCaracteristique> {
    std::vector<int> Vitesses() const {
        std::vector<int> v;
        for (int i = 0; i <= E->Travail.Essai(1).DernierPoint; ++i)
            v.push_back(E->Travail.Essai(1).Valeur(GVitesse, i));
        return v;
    }
};

} // namespace

class TestCaracteristique : public QObject {
    Q_OBJECT
private slots:
    void nouvelleEtudeAcquisitionTriEnregistrement() {
        Etude1 c;
        const auto annule = SurDialogue([](QDialog* d) { d->reject(); });
        c.Clique(c.ZYV2.get(), "ButtonCaractMoteur");
        QTRY_VERIFY(*annule);
        // Cancelled: no characteristic, so no start panel.
        QVERIFY(!c.W("PanelBoutonsAcquisition")->isVisible());
        QVERIFY(c.W("PanelValeursMoteur")->isVisible() && !c.W("PanelValeursGene")->isVisible());

        const auto fait = AccepteCaract();
        c.A("Nouvellecaracteristique1")->trigger();
        // The start panel is there once a characteristic exists.
        QVERIFY(*fait && c.W("PanelBoutonsAcquisition")->isVisible());

        c.Liaison.InitialiseComZYV();
        QVERIFY(c.Liaison.OuvrirComZYV());
        c.Fenetre->ActionCar();
        QVERIFY(!c.A("Configurationmatrielle1")->isEnabled());
        QTest::mouseClick(c.W<QPushButton>("ButtonManu"), Qt::LeftButton);
        QVERIFY(c.W("PanelManu")->isVisible() && c.E->ModeAcquisition == 1);
        QVERIFY(!c.W("TabControlCourbes")->isEnabled() &&
                !c.W("ButtonNouvellecaracteristique")->isEnabled() &&
                !c.W<QMenu>("Fichier1")->menuAction()->isEnabled());
        // Before the first reading, and into a full trial, nothing is taken: a beep each.
        c.Touche(Qt::Key_Space);
        for (int n : {3000, 3300, 3100}) QVERIFY(c.Prend(n)); // taken once the window shows it
        c.E->Courant().DernierPoint = NbPointsMax - 1;
        c.Touche(Qt::Key_Space);
        QCOMPARE(c.Services.Bips, 2);
        c.E->Courant().DernierPoint = 2;
        QCOMPARE(c.Val("ValVitesse"), QStringLiteral("3100 tr/min"));
        // Assistive technology reads each read-out's value, and what it measures as description.
        QCOMPARE(std::pair(Lu(c.W("ValVitesse")), Lu(c.W("ValVitesse"), QAccessible::Description)),
                 std::pair(QStringLiteral("3100 tr/min"), QStringLiteral("Vitesse")));
        c.Touche(Qt::Key_Escape);
        QVERIFY(!c.W("PanelManu")->isVisible() && c.Val("ValVitesse") == "----");
        c.Touche(Qt::Key_Space); // outside an acquisition: no point (the sort below sees three)
        // Outside an acquisition Esc lets go of the point picked, read-outs included.
        SelectionnePoint(*c.E, 0);
        c.Fenetre->Curseur();
        QCOMPARE(c.Val("ValVitesse"), QStringLiteral("3000 tr/min"));
        c.Touche(Qt::Key_Escape);
        QCOMPARE(c.Val("ValVitesse"), QStringLiteral("----"));

        // "Connexion" pressed by a screen reader; the module goes silent: the first failed
        // reading stops, the points stay.
        Actionne(c.W("ButtonManu"));
        QCOMPARE(c.E->ModeAcquisition, 1);
        c.Module->LignePerdueApres = 0;
        QTRY_COMPARE_WITH_TIMEOUT(c.E->ModeAcquisition, 0, 5000);
        QVERIFY(!c.W<QPushButton>("ButtonManu")->isEnabled());
        // "Connexion module" comes up modal over this window, not over the hidden main one.
        c.A("Configurationmatrielle1")->trigger();
        QTRY_VERIFY(c.FormConnection->isVisible());
        QVERIFY(c.FormConnection->parentWidget() == c.Fenetre.get() &&
                c.FormConnection->windowModality() == Qt::WindowModal);
        c.FormConnection->reject();

        // The three points, sorted by descending speed; then the point under the cursor goes.
        SurDialogue([](QDialog* d) {
            d->findChild<RadioGroup*>(QStringLiteral("RadioGroupSelect"))->SetItemIndex(GVitesse);
            d->findChild<RadioGroup*>(QStringLiteral("RadioGroupOrdre"))->SetItemIndex(1);
            d->accept();
        });
        // A point picked before the sort is let go: its index would name another point after.
        SelectionnePoint(*c.E, 0);
        c.E->Enregistre = true;
        c.A("Trieressai1")->trigger();
        QCOMPARE(c.Vitesses(), (std::vector<int>{3300, 3100, 3000}));
        QVERIFY(!c.E->Enregistre && c.E->MesureCourante[GNumero] == -1); // order saved in the file
        SelectionnePoint(*c.E, 0);
        c.Fenetre->Supprimepoint();
        QVERIFY(c.Vitesses() == (std::vector<int>{3100, 3000}) && c.Val("ValVitesse") == "----");

        // A new trial keeps the sort key; deleting it (Oui) brings trial 1 back.
        // The comment keeps its 20 characters, as in the file.
        auto* commentaire = c.W<QLineEdit>("EditCommentaire");
        commentaire->clear();
        QTest::keyClicks(commentaire, QStringLiteral("charge variable 24 V, essai ok"));
        c.A("NouvelEssai1")->trigger();
        QVERIFY(c.E->Courant().TriOrdre == 1 && commentaire->text().isEmpty());
        c.W<QTabBar>("TabControlCourbes")->setCurrentIndex(0);
        QCOMPARE(commentaire->text(), QStringLiteral("charge variable 24 V"));
        // Only the trials there are are offered for deletion, and none once one is left.
        QMetaObject::invokeMethod(c.W<QMenu>("SuppressionEssai1"), "aboutToShow");
        QVERIFY(c.A("SupEssai2")->isVisible() && !c.A("SupEssai3")->isVisible());
        c.Services.ReponsesQuestion = {false, true};
        c.Fenetre->SupEssai(2);
        QCOMPARE(c.E->Travail.NbEssais, 2);
        c.Fenetre->SupEssai(2);
        QCOMPARE(std::pair(c.Services.Questions.back(), c.E->Travail.NbEssais),
                 std::pair(std::string("Voulez-vous supprimer tous les points de l'essai 2"), 1));
        QVERIFY(!c.W<QMenu>("SuppressionEssai1")->menuAction()->isEnabled());

        // Values copied byte for byte; saved with the sort order.
        c.A("Copierlesvaleursessai1")->trigger();
        QCOMPARE(c.Services.PressePapiers, TexteValeurs(*c.E, 1));
        const QString fichier = c.Dossier.filePath(QStringLiteral("essai.ZYV"));
        c.Services.Choix = {fichier.toStdString()};
        c.A("Enregistrer1")->trigger();
        Etude relue;
        QVERIFY(LireTravail(relue, fichier.toStdString(), c.Services));
        QCOMPARE(relue.Travail.Essai(1).TriOrdre, 1);

        // A title of 100 characters read from a file is shown whole and kept.
        auto* titre = c.W<QLineEdit>("Edittitre");
        c.E->Travail.Titre.Affecte(std::string(100, 'l'));
        c.Fenetre->ActionCar();
        QTest::keyClick(titre, Qt::Key_End);
        QTest::keyClick(titre, Qt::Key_Backspace);
        QCOMPARE(c.E->Travail.Titre.Texte(), std::string(99, 'l'));

        c.Fenetre->close();
        QVERIFY(c.ZYV2->isVisible());
    }

    void texteSaisiPendantAcquisition() {
        Etude1 c;
        c.E->Travail.Caract[1] = {
            .Defini = true, .Affiche = true, .GrandeurX = GCouple, .GrandeurY = GVitesse};
        c.Liaison.InitialiseComZYV();
        QVERIFY(c.Liaison.OuvrirComZYV());
        c.Fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(c.Fenetre.get()));
        QTest::mouseClick(c.W<QPushButton>("ButtonManu"), Qt::LeftButton);
        QTRY_COMPARE(c.Val("ValVitesse"), QStringLiteral("3450 tr/min"));

        // Spaces typed in the comment stay there; Return gives the keyboard back, and Space then
        // takes a point, as the button does while the comment has the keyboard.
        auto* commentaire = c.W<QLineEdit>("EditCommentaire");
        commentaire->setFocus();
        QTest::keyClicks(commentaire, QStringLiteral("Um 12 V"));
        QCOMPARE(QString::fromStdString(c.E->Courant().Commentaire.Texte()),
                 QStringLiteral("Um 12 V"));
        QCOMPARE(c.E->Courant().DernierPoint, -1);
        QTest::keyClick(commentaire, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), c.Fenetre.get());
        QTest::keyClick(c.Fenetre.get(), Qt::Key_Space);
        QCOMPARE(c.E->Courant().DernierPoint, 0);
        commentaire->setFocus();
        QTest::mouseClick(c.W<QPushButton>("ButtonAcquisitionManuelle"), Qt::LeftButton);
        QCOMPARE(c.E->Courant().DernierPoint, 1);

        // Pasted control characters become spaces.
        commentaire->clear();
        QApplication::clipboard()->setText(QStringLiteral("a\tb\r\nc\x1b[2J"));
        QTest::keyClick(commentaire, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(commentaire->text(), QStringLiteral("a b  c [2J"));
        QCOMPARE(QString::fromStdString(c.E->Courant().Commentaire.Texte()), commentaire->text());
    }

    // Dragged larger, then maximised: each time, with nothing else redrawing them, the frames
    // sit on their slots of the layout rule over the background picture.
    void cadresSuiventLaFenetre() {
        Etude1 c;
        for (std::size_t k = 1; k <= 4; ++k)
            c.E->Travail.Caract[k] = {
                .Defini = true, .Affiche = true, .GrandeurX = GCouple, .GrandeurY = GVitesse};
        c.Fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(c.Fenetre.get()));
        for (const QSize taille : {c.Fenetre->size() + QSize(230, 170), QSize()}) {
            const QSize avant = c.Fenetre->size();
            taille.isValid() ? c.Fenetre->resize(taille) : c.Fenetre->showMaximized();
            QTRY_VERIFY(c.Fenetre->size() != avant);
            QCoreApplication::processEvents();
            const QRect z = c.W("Imagefond")->geometry();
            const auto places = DispositionCaract({z.left(), z.top(), z.width(), z.height()}, 4);
            for (std::size_t k = 0; k < 4; ++k)
                QCOMPARE(c.Fenetre->CaractMachine[k]->geometry(),
                         QRect(places[k].Left, places[k].Top, places[k].Width, places[k].Height));
        }
    }

    void copiesImpressionCaracteristiquesEtDisposition() {
        Etude1 c; // opened from the main window with one motor characteristic N(C)
        QVERIFY(c.OuvreMoteur());
        c.E->Travail.Titre.Affecte("Moteur 24 V");
        AjoutePoint(*c.E);
        NouvelEssai(*c.E);
        c.E->Courant().Commentaire.Affecte("sous 20 V");
        c.Fenetre->ActionCar();

        c.A("Copierlescaractristiques1")->trigger();
        QVERIFY(c.Services.ImageSvg.contains("tr/min") &&
                c.Services.ImagePng.size() == QSize(718, 529));

        c.A("Copiertouteslesvaleurs1")->trigger();
        QCOMPARE(c.Services.PressePapiers, TexteValeurs(*c.E, -1));

        c.Services.FichierPdf = c.Dossier.filePath(QStringLiteral("page.pdf"));
        c.A("Imprimer1")->trigger();
        QPdfDocument pdf;
        QCOMPARE(pdf.load(c.Services.FichierPdf), QPdfDocument::Error::None);
        const QString texte = pdf.getAllText(0).text();
        for (const char* attendu : {"Moteur 24 V", "Essai 1", "Essai 2", "sous 20 V", "tr/min"})
            QVERIFY2(texte.contains(QString::fromUtf8(attendu)), attendu);
        QVERIFY(!texte.contains(QStringLiteral("Essai 3")));

        for (int k = 2; k <= 3; ++k) {
            const auto ok = AccepteCaract();
            c.A("Nouvellecaracteristique1")->trigger();
            QVERIFY(*ok);
        }
        c.E->Travail.Caract[2].GrandeurY = GCourantMoteur; // Im(C)

        // Characteristic 3 hidden, then characteristic 2 deleted: 3 moves down with its flag.
        QTest::mouseClick(c.W<QToolButton>("ButtonCar3"), Qt::LeftButton);
        c.Services.ReponsesQuestion = {true};
        QMetaObject::invokeMethod(c.W<QMenu>("Suppressioncaracteristique1"), "aboutToShow");
        QVERIFY(c.A("SCar2")->text().endsWith("Im(C)") && !c.A("SCar4")->isVisible());
        c.A("SCar2")->trigger();
        QCOMPARE(c.Services.Questions.back(),
                 std::string("Voulez-vous supprimer la caractéristique :"));
        QVERIFY(!c.E->Travail.Caract[2].Affiche && !c.W<QToolButton>("ButtonCar2")->isChecked());
        QVERIFY(!c.W("ButtonCar3")->isVisible() && !c.Fenetre->CaractMachine[1]->isVisible());

        // "Nouvel essai", on the tool bar as in the Edition menu: off while the last trial is
        // empty or at five.
        c.E->Courant().DernierPoint = 0;
        c.Fenetre->ActionCar();
        c.A("NouvelEssai1")->trigger(); // on: the last trial has a point
        QVERIFY(!c.A("NouvelEssai1")->isEnabled());
        for (int t = 4; t <= 5; ++t) {
            c.E->Courant().DernierPoint = 0;
            c.Fenetre->NouvelEssai1Click();
        }
        c.E->Courant().DernierPoint = 0;
        QMetaObject::invokeMethod(c.W<QMenu>("Edition1"), "aboutToShow");
        QVERIFY(!c.A("NouvelEssai1")->isEnabled());
        QCOMPARE(c.W<QTabBar>("TabControlCourbes")->count(), 5);
    }

    void conseilsTitreClavierEtBasculesAccessibles() {
        Etude1 c;
        QVERIFY(c.OuvreMoteur());
        c.Fenetre->activateWindow(); // the characteristic dialog was the last active window
        QTRY_COMPARE(QApplication::activeWindow(), c.Fenetre.get());
        // Every tool button keeps its hint through refreshes that disable and enable it.
        const std::pair<const char*, const char*> conseils[] = {
            {"ButtonEnregistrer", "Enregistrer un fichier"},
            {"ButtonNouvelEssai", "Nouvel essai"},
            {"ButtonSupprimeEssai", "Suppression d'un essai"},
            {"ButtonConfigMateriel", "Connexion module"},
            {"ButtonCar1", "Visualisation de la caractéristique 1"},
        };
        for (int rafraichi = 0; rafraichi < 3; ++rafraichi) {
            if (rafraichi == 1) AjoutePoint(*c.E);
            if (rafraichi == 2) QMetaObject::invokeMethod(c.W<QMenu>("Edition1"), "aboutToShow");
            c.Fenetre->ActionCar();
            for (const auto& [bouton, conseil] : conseils)
                QCOMPARE(c.W(bouton)->toolTip(), QString::fromUtf8(conseil));
        }

        // Ctrl+S from the comment edit saves under the name chosen; the title shows it, marked
        // while the study differs from the file.
        const auto titre = [&] { return c.Fenetre->windowHandle()->title(); };
        const QString legende = QString::fromUtf8(TitreMoteur) + QStringLiteral(" - banc.ZYV");
        auto* commentaire = c.W<QLineEdit>("EditCommentaire");
        commentaire->setFocus();
        c.Services.Choix = {c.Dossier.filePath(QStringLiteral("banc.ZYV")).toStdString()};
        QTest::keyClick(commentaire, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(titre(), legende);
        QTest::keyClicks(commentaire, QStringLiteral("24 V"));
        QCOMPARE(titre(), legende + QStringLiteral("*"));
        // "Titre" pressed by a screen reader; then Ctrl+S saves in place and Ctrl+P prints from
        // the title's edit.
        Actionne(c.W("ButtonTitre"));
        auto* titreEtude = c.W<QLineEdit>("Edittitre");
        QVERIFY(titreEtude->isVisible());
        titreEtude->setFocus();
        QTest::keyClick(titreEtude, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(std::pair(titre(), c.Services.DialoguesEnregistrement), std::pair(legende, 1));
        c.Services.FichierPdf = c.Dossier.filePath(QStringLiteral("page.pdf"));
        QTest::keyClick(titreEtude, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(QFileInfo(c.Services.FichierPdf).size() > 0);
        // The other toggles pressed by a screen reader act as clicks.
        Actionne(c.W("ButtonAffichage"));
        Actionne(c.W("ButtonCar1"));
        QVERIFY(!c.W("AffichageValeur")->isVisible());
        QVERIFY(!c.E->Travail.Caract[1].Affiche && !c.Fenetre->CaractMachine[0]->isVisible());
        // A screen reader names a characteristic button by the caption it now shows.
        QCOMPARE(Lu(c.W("ButtonCar1")), c.W<QToolButton>("ButtonCar1")->text());

        // Opened again from the file: its name in the title, unmarked.
        c.Fenetre->close();
        c.Services.Choix = {c.Dossier.filePath(QStringLiteral("banc.ZYV")).toStdString()};
        c.Clique(c.ZYV2.get(), "ButtonOuvrir");
        QVERIFY(c.Fenetre->isVisible() && titre() == legende);
    }
};

QTEST_MAIN(TestCaracteristique)
#include "test_caracteristique.moc"
