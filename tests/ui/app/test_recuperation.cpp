// Crash recovery: the copy follows the study's changes, goes when the study is saved, new or
// left normally, and comes back after a run killed in the middle of an acquisition.
#include "ui/Coquille.h"

#include "core/data/Operations.h"
#include "ui/app/Recuperation.h"
#include "ui/studies/TFormCaracteristique.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

using namespace zyv;

namespace {

// The program's windows with their recovery copy, on the scripted module.
struct Poste : Coquille {
    Recuperation Copie;
    std::unique_ptr<TFormCaracteristique> Fenetre;
    std::unique_ptr<TNouvelCaract> Dialogue;
    std::unique_ptr<TFormTrierPoints> Tri;

    explicit Poste(std::optional<std::string> port, std::string chemin = {})
        : Coquille(std::move(port)),
          Copie(*E, chemin.empty() ? Dossier.filePath("Recuperation.ZYV").toStdString() : chemin) {
        Fenetre = std::make_unique<TFormCaracteristique>(*E, Liaison, Services, F);
        Dialogue = std::make_unique<TNouvelCaract>(*E);
        F.NouvelCaract = Dialogue.get();
        Tri = std::make_unique<TFormTrierPoints>(*E);
        F.FormTrierPoints = Tri.get();
        ZYV2->SauvegardeEtude.Suit(&Copie);
    }
    template <typename T = QWidget> T* W(const char* nom) const {
        return Fenetre->findChild<T*>(QString::fromLatin1(nom));
    }
    QAction* A(const char* nom) const { return W<QAction>(nom); }
    // The copy as the next start would read it; null when there is none.
    std::unique_ptr<Etude> Lue() const {
        if (!Copie.Presente()) return nullptr;
        auto e = std::make_unique<Etude>();
        ServicesEssai muets;
        return LireTravail(*e, Copie.Chemin(), muets) ? std::move(e) : nullptr;
    }
    bool CopieVerifie(const std::function<bool(const Etude&)>& test) const {
        const auto e = Lue();
        return e && test(*e);
    }
    // The module's next reading, as the window shows it.
    bool Lit(int vitesse) {
        const auto trame =
            EncodeTrame({2400, 1000, static_cast<std::uint16_t>(vitesse), 250, 2000, 800});
        Module->Repond(0xFF, std::vector<std::uint8_t>(trame.begin(), trame.end()));
        return QTest::qWaitFor(
            [&] {
                return E->MesureCourante[GVitesse] == vitesse && E->MesureCourante[GNumero] == 0;
            },
            5000);
    }
    void Espace() { QTest::keyClick(W<QLineEdit>("EditCommentaire"), Qt::Key_Space); }
    // The start-up up to the recovery question: the connection dialog left with "Annuler".
    void DemarreSansModule() {
        ZYV2->show();
        QVERIFY(QTest::qWaitFor([&] { return FormConnection->isVisible(); }, 5000));
        QTest::mouseClick(Trouve<QPushButton>(FormConnection.get(), "BitBtn1"), Qt::LeftButton);
    }
};

std::vector<int> Vitesses(const Etude& e, int t = 1) {
    std::vector<int> v;
    for (int i = 0; i <= e.Travail.Essai(t).DernierPoint; ++i)
        v.push_back(e.Travail.Essai(t).Valeur(GVitesse, i));
    return v;
}

// A generator characteristic study of two trials, as a killed run would have left it.
void EcritCopie(const std::string& chemin) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    e->Travail.TypeEtude = EtudeCaractGeneratrice;
    e->Travail.Titre.Affecte("Banc 3");
    TCaract& c = e->Travail.Caract[1];
    c.Defini = c.Affiche = true;
    c.GrandeurX = GVitesse;
    c.GrandeurY = GTensionGene;
    for (int n : {1500, 1800, 2100}) {
        e->MesureCourante[GVitesse] = n;
        AjoutePoint(*e);
    }
    NouvelEssai(*e);
    AjoutePoint(*e);
    QVERIFY(EcritImageTravail(e->Travail, chemin));
}

constexpr int DelaiCopieMax = 1000; // ms from a change to its copy on disk

// A run of the program in a child process, killed or left as a user would.
int Joue(const QString& role);

} // namespace

class TestRecuperation : public QObject {
    Q_OBJECT
private slots:

    void copieSuitLesChangementsEtPartALEnregistrement() {
        Poste p(std::string("ttyS0"));
        const auto suit = [&p](const std::function<bool(const Etude&)>& test) {
            return QTest::qWaitFor([&] { return p.CopieVerifie(test); }, 2 * DelaiCopieMax);
        };
        p.ZYV2->show();
        QTRY_VERIFY(p.FormConnection->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(p.Liaison.Connecte() && !p.FormConnection->isVisible(), 8000);
        // Opening the window and cancelling its characteristic dialog changes nothing.
        const auto annule = SurDialogue([](QDialog* d) { d->reject(); });
        p.Clique(p.ZYV2.get(), "ButtonCaractMoteur");
        QTRY_VERIFY(*annule);
        QVERIFY(!QTest::qWaitFor([&] { return p.Copie.Presente(); }, DelaiCopieMax + 200));

        const auto fait = AccepteCaract();
        p.A("Nouvellecaracteristique1")->trigger();
        QVERIFY(*fait);
        QVERIFY(suit([](const Etude& e) { return NbCaract(e) == 1; }));
        QTest::keyClicks(p.W<QLineEdit>("Edittitre"), QStringLiteral("Banc 3"));
        QTest::keyClicks(p.W<QLineEdit>("EditCommentaire"), QStringLiteral("24 V"));
        QVERIFY(suit([](const Etude& e) {
            return e.Travail.Titre.Texte() == "Banc 3" &&
                   e.Travail.Essai(1).Commentaire.Texte() == "24 V";
        }));

        QTest::mouseClick(p.W<QPushButton>("ButtonManu"), Qt::LeftButton);
        for (int n : {3000, 3300}) {
            QVERIFY(p.Lit(n));
            p.Espace();
        }
        QVERIFY(suit([](const Etude& e) { return Vitesses(e) == std::vector{3000, 3300}; }));
        QTest::keyClick(p.W<QLineEdit>("EditCommentaire"), Qt::Key_Escape);
        p.A("NouvelEssai1")->trigger();
        QVERIFY(suit([](const Etude& e) { return e.Travail.NbEssais == 2; }));

        // Saved: the copy goes; the user's file and its name are the study's own business.
        const QString fichier = p.Dossier.filePath(QStringLiteral("essai.ZYV"));
        p.Services.Choix = {fichier.toStdString()};
        p.A("Enregistrer1")->trigger();
        QVERIFY(p.E->Enregistre);
        p.Copie.Termine();
        QVERIFY(!p.Copie.Presente());
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray enregistre = f.readAll();
        f.close();
        QTest::keyClicks(p.W<QLineEdit>("Edittitre"), QStringLiteral(" bis"));
        QVERIFY(suit([](const Etude& e) { return e.Travail.Titre.Texte() == "Banc 3 bis"; }));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), enregistre);
        QCOMPARE(p.E->NomFichier, fichier.toStdString());
        QVERIFY(p.E->Enregistre); // a title alone never asked to save

        p.Services.ReponsesQuestion = {true, true};
        p.Fenetre->SupEssai(2);
        QVERIFY(suit([](const Etude& e) { return e.Travail.NbEssais == 1; }));
        p.Fenetre->SCarClick(1);
        QVERIFY(suit([](const Etude& e) { return NbCaract(e) == 0; }));
        // "Nouveau travail", the study's answer "&Non": the copy goes.
        p.Services.Reponses = {Reponse::Non};
        p.Fenetre->Nouveautravail1Click();
        p.Copie.Termine();
        QVERIFY(!p.Copie.Presente() && p.E->Travail.Essai(1).DernierPoint == -1);
        // A file opened from the main window replaces the study: nothing left to recover.
        QTest::keyClicks(p.W<QLineEdit>("Edittitre"), QStringLiteral("ter"));
        QVERIFY(suit([](const Etude& e) { return e.Travail.Titre.Texte() == "ter"; }));
        p.Fenetre->close();
        p.Services.Choix = {fichier.toStdString()};
        p.Clique(p.ZYV2.get(), "ButtonOuvrir");
        QVERIFY(p.Fenetre->isVisible() && p.E->Travail.NbEssais == 2);
        p.Copie.Termine();
        QVERIFY(!p.Copie.Presente());
        // A normal exit, even one that does not save, takes the copy away.
        p.Services.ReponsesQuestion = {true};
        p.Fenetre->SupEssai(2);
        QVERIFY(suit([](const Etude& e) { return e.Travail.NbEssais == 1; }));
        p.Fenetre->close();
        p.Services.Reponses = {Reponse::Non};
        QVERIFY(p.ZYV2->close());
        p.Copie.Termine();
        QVERIFY(!p.Copie.Presente());
    }

    // A point every 300 ms keeps the copy less than a second behind: changes never hold the
    // copy back indefinitely.
    void fluxContinuDeChangements() {
        Poste p(std::string("ttyS0"));
        constexpr int Nombre = 12;
        QElapsedTimer horloge;
        horloge.start();
        std::vector<qint64> changes; // instant of the change that made k + 1 points
        QTimer flux;
        flux.setInterval(300);
        connect(&flux, &QTimer::timeout, [&] {
            AjoutePoint(*p.E);
            p.ZYV2->SauvegardeEtude.Modifie();
            changes.push_back(horloge.elapsed());
            if (changes.size() == Nombre) flux.stop();
        });
        flux.start();
        std::vector<std::pair<qint64, int>> vues; // when the copy first showed each count
        const auto regarde = [&] {
            const auto e = p.Lue();
            const int n = e ? e->Travail.Essai(1).NbPoints() : 0;
            if (vues.empty() || vues.back().second != n) vues.emplace_back(horloge.elapsed(), n);
            return n == Nombre;
        };
        QVERIFY(QTest::qWaitFor(regarde, 10 * DelaiCopieMax));
        QVERIFY2(vues.size() >= 4, "the copy waited for the changes to stop");
        for (int k = 0; k < Nombre; ++k) {
            const auto vue =
                std::find_if(vues.begin(), vues.end(), [k](const auto& v) { return v.second > k; });
            // 200 ms for this test's own polling and a loaded machine.
            QVERIFY2(
                vue->first - changes[k] <= DelaiCopieMax + 200,
                qPrintable(QStringLiteral("point %1: %2 ms").arg(k).arg(vue->first - changes[k])));
        }
    }

    void questionAuDemarrage() {
        {
            Poste p(std::nullopt);
            EcritCopie(p.Copie.Chemin());
            p.Services.ReponsesQuestion = {true};
            p.DemarreSansModule();
            QTRY_VERIFY(p.Fenetre->isVisible());
            QCOMPARE(p.Services.Questions, std::vector<std::string>{MessageRecuperation});
            QCOMPARE(p.Fenetre->windowTitle(), QString::fromUtf8(TitreGeneratrice));
            QVERIFY(!p.ZYV2->isVisible());
            QCOMPARE(p.E->Travail.NbEssais, 2);
            QCOMPARE(Vitesses(*p.E), (std::vector{1500, 1800, 2100}));
            QCOMPARE(p.E->Travail.Titre.Texte(), std::string("Banc 3"));
            // Unsaved, without a name: leaving asks, and a normal exit takes the copy away.
            QVERIFY(!p.E->Enregistre && p.E->NomFichier.empty() && p.Copie.Presente());
            p.Fenetre->close();
            p.Services.Reponses = {Reponse::Non};
            QVERIFY(p.ZYV2->close());
            QCOMPARE(p.Services.Confirmations, std::vector<std::string>{MessageFichierModifie});
            p.Copie.Termine();
            QVERIFY(!p.Copie.Presente());
        }
        {
            Poste p(std::nullopt);
            EcritCopie(p.Copie.Chemin());
            p.DemarreSansModule();
            QTRY_COMPARE(p.Services.Questions.size(), std::size_t{1});
            p.Copie.Termine();
            QVERIFY(!p.Copie.Presente() && p.ZYV2->isVisible() && !p.Fenetre->isVisible());
            QCOMPARE(p.E->Travail.Essai(1).DernierPoint, -1);
        }
        {
            // A copy that cannot be read is reported and dropped.
            Poste p(std::nullopt);
            QFile f(QString::fromStdString(p.Copie.Chemin()));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("ZYV-1") == 5);
            f.close();
            p.Services.ReponsesQuestion = {true};
            p.DemarreSansModule();
            QTRY_COMPARE(p.Services.Questions.size(), std::size_t{1});
            QCOMPARE(p.Services.Avertissements.back(), std::string(MessageErreurLecture));
            p.Copie.Termine();
            QVERIFY(!p.Copie.Presente() && p.ZYV2->isVisible() && !p.Fenetre->isVisible());
        }
    }

    // The program killed during an acquisition: the next start recovers every point taken
    // more than a second before the kill.
    void arretBrutalPendantUneAcquisition() {
        QTemporaryDir donnees;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), donnees.path());
        env.insert(QStringLiteral("TMPDIR"), donnees.path()); // the killed run's own folders
        const QString copie = donnees.filePath(QStringLiteral("ZYV/Recuperation.ZYV"));
        const auto lance = [&env](QProcess& p, const char* role) {
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--joueur"), QString::fromLatin1(role)});
            QVERIFY(p.waitForStarted(10000));
        };

        QProcess prise;
        lance(prise, "prise");
        QElapsedTimer horloge;
        horloge.start();
        std::vector<qint64> vus; // when each point was seen taken
        while (vus.size() < 10) {
            QVERIFY2(prise.canReadLine() || prise.waitForReadyRead(15000), "no point taken");
            while (prise.canReadLine())
                if (prise.readLine().startsWith("POINT")) vus.push_back(horloge.elapsed());
        }
        // Between two points, as late as a student may be.
        QVERIFY(QTest::qWaitFor([&] { return horloge.elapsed() >= vus.back() + 150; }, 1000));
        prise.kill();
        const qint64 mort = horloge.elapsed();
        QVERIFY(prise.waitForFinished(10000));
        int pris = static_cast<int>(vus.size());
        for (const QByteArray& l : prise.readAllStandardOutput().split('\n'))
            if (l.startsWith("POINT")) ++pris;
        const auto requis = std::count_if(vus.begin(), vus.end(),
                                          [mort](qint64 t) { return t < mort - DelaiCopieMax; });
        QVERIFY(QFile::exists(copie));

        QProcess reprise;
        lance(reprise, "reprise");
        QVERIFY(reprise.waitForFinished(30000));
        QCOMPARE(reprise.exitCode(), 0);
        const QStringList lignes =
            QString::fromUtf8(reprise.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.value(0),
                 QStringLiteral("QUESTION ") + QString::fromUtf8(MessageRecuperation));
        // kind, saved flag, name, window shown, then the speeds of the recovered points
        QStringList etude = lignes.value(1).split(' ');
        QCOMPARE(etude.mid(0, 5), (QStringList{"ETUDE", "0", "0", "0", "1"}));
        const QStringList vitesses = etude.mid(5);
        QVERIFY2(vitesses.size() >= requis && vitesses.size() <= pris,
                 qPrintable(QStringLiteral("%1 recovered, %2 required, %3 taken")
                                .arg(vitesses.size())
                                .arg(requis)
                                .arg(pris)));
        for (int i = 0; i < vitesses.size(); ++i) QCOMPARE(vitesses[i].toInt(), 3000 + i);
        // Left normally: nothing to recover any more.
        QCOMPARE(lignes.value(2), QStringLiteral("FIN"));
        QVERIFY(!QFile::exists(copie));
    }
};

namespace {

int Joue(const QString& role) {
    QTextStream sortie(stdout);
    if (role == QLatin1String("prise")) {
        Poste p(std::string("ttyS0"), CheminRecuperation());
        p.ZYV2->show();
        if (!QTest::qWaitFor([&] { return p.Liaison.Connecte() && !p.FormConnection->isVisible(); },
                             15000))
            return 2;
        const auto fait = AccepteCaract();
        QTest::mouseClick(p.Trouve<QPushButton>(p.ZYV2.get(), "ButtonCaractMoteur"),
                          Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return *fait; }, 5000)) return 3;
        QTest::mouseClick(p.W<QPushButton>("ButtonManu"), Qt::LeftButton);
        // A student's pace: a point every 300 ms, until the run is killed.
        QElapsedTimer horloge;
        horloge.start();
        for (int k = 0; k < 500; ++k) {
            if (!QTest::qWaitFor([&] { return horloge.elapsed() >= 300 * k; }, 1000)) return 8;
            if (!p.Lit(3000 + k)) return 4;
            p.Espace();
            if (p.E->Courant().DernierPoint != k) return 5;
            sortie << "POINT " << k << Qt::endl;
        }
        return 0;
    }
    Poste p(std::nullopt, CheminRecuperation());
    p.Services.ReponsesQuestion = {true};
    p.DemarreSansModule();
    if (!QTest::qWaitFor([&] { return p.Fenetre->isVisible(); }, 5000)) return 6;
    for (const std::string& q : p.Services.Questions)
        sortie << "QUESTION " << QString::fromStdString(q) << Qt::endl;
    sortie << "ETUDE " << p.E->Travail.TypeEtude << ' ' << int(p.E->Enregistre) << ' '
           << p.E->NomFichier.size() << ' ' << int(p.Fenetre->isVisible());
    for (int v : Vitesses(*p.E)) sortie << ' ' << v;
    sortie << Qt::endl;
    p.Fenetre->close();
    p.Services.Reponses = {Reponse::Non};
    if (!p.ZYV2->close()) return 7;
    p.Copie.Termine();
    sortie << "FIN" << Qt::endl;
    return 0;
}

} // namespace

// Also the program's stand-in for the child-process test: "--joueur prise|reprise".
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--joueur") {
        QApplication::setApplicationName(QStringLiteral("ZYV"));
        return Joue(QString::fromLatin1(argv[2]));
    }
    TestRecuperation essais;
    return QTest::qExec(&essais, argc, argv);
}

#include "test_recuperation.moc"
