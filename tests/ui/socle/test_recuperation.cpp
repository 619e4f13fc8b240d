// Crash recovery: the copy follows the study's changes, goes when the study is saved, new or
// left normally, and comes back after a run killed in the middle of an acquisition.
#include "ui/Coquille.h"

#include "ui/socle/Recuperation.h"

#include <QProcess>
#include <QtTest>
#include <sys/stat.h>

using namespace zyv;

namespace {

constexpr int DelaiCopieMax = 1000; // ms from a change to its copy on disk

// The program's windows with their recovery copy, on the scripted module.
struct Poste : PosteEtude<TFormCaracteristique> {
    Recuperation Copie;

    explicit Poste(std::optional<std::string> port, std::string chemin = {})
        : PosteEtude(std::move(port)),
          Copie(*E, chemin.empty() ? Dossier.filePath("Recuperation.ZYV").toStdString() : chemin) {
        ZYV2->SauvegardeEtude.Suit(&Copie);
    }
    ~Poste() { ZYV2->SauvegardeEtude.Suit(nullptr); }
    // Within the promised delay, the copy as the next start would read it passes test.
    bool Suit(const std::function<bool(const Etude&)>& test) const {
        return QTest::qWaitFor(
            [&] {
                auto e = std::make_unique<Etude>();
                ServicesEssai muets;
                return Copie.Presente() && LireTravail(*e, Copie.Chemin(), muets) && test(*e);
            },
            DelaiCopieMax + 500);
    }
    bool Partie() {
        Copie.Termine();
        return !Copie.Presente();
    }
    // Starts as the program does, then opens the motor characteristic window with N(C).
    bool Ouvre() {
        ZYV2->show();
        if (!QTest::qWaitFor([&] { return Liaison.Connecte() && !FormConnection->isVisible(); },
                             8000))
            return false;
        return OuvreMoteur();
    }
    // The start-up up to the recovery question: the connection dialog left with "Annuler".
    void DemarreSansModule() {
        ZYV2->show();
        QVERIFY(QTest::qWaitFor([&] { return FormConnection->isVisible(); }, 5000));
        QTest::mouseClick(Trouve<QPushButton>(FormConnection.get(), "BitBtn1"), Qt::LeftButton);
    }
};

} // namespace

class TestRecuperation : public QObject {
    Q_OBJECT
private slots:

    void copieSuitLEtudeEtPartQuandElleEstAJour() {
        Poste p(std::string("ttyS0"));
        QVERIFY(p.Ouvre());
        QTest::keyClicks(p.W<QLineEdit>("Edittitre"), QStringLiteral("Banc 3"));
        QTest::keyClicks(p.W<QLineEdit>("EditCommentaire"), QStringLiteral("24 V"));
        QTest::mouseClick(p.W<QPushButton>("ButtonManu"), Qt::LeftButton);
        QVERIFY(p.Prend(3000));
        QVERIFY(p.Suit([](const Etude& e) {
            return NbCaract(e) == 1 && e.Travail.Titre.Texte() == "Banc 3" &&
                   e.Travail.Essai(1).Commentaire.Texte() == "24 V" &&
                   e.Travail.Essai(1).Valeur(GVitesse, 0) == 3000;
        }));
        QTest::keyClick(p.W<QLineEdit>("EditCommentaire"), Qt::Key_Escape);
        p.W<QAction>("NouvelEssai1")->trigger();
        QVERIFY(p.Suit([](const Etude& e) { return e.Travail.NbEssais == 2; }));

        // Saved before the copy of the last change: the copy goes and does not come back. A
        // later change brings it back, never touching the user's file.
        QTest::keyClicks(p.W<QLineEdit>("EditCommentaire"), QStringLiteral("!"));
        const QString fichier = p.Dossier.filePath(QStringLiteral("essai.ZYV"));
        p.Services.Choix = {fichier.toStdString()};
        p.W<QAction>("Enregistrer1")->trigger();
        QVERIFY(p.Partie());
        QVERIFY(!QTest::qWaitFor([&] { return p.Copie.Presente(); }, DelaiCopieMax + 300));
        const qint64 taille = QFileInfo(fichier).size();
        QTest::keyClicks(p.W<QLineEdit>("Edittitre"), QStringLiteral(" bis"));
        QVERIFY(p.Suit([](const Etude& e) {
            return e.Travail.Titre.Texte() == "Banc 3 bis" && e.Travail.NbEssais == 2;
        }));
        QCOMPARE(QFileInfo(fichier).size(), taille);
        // The typed title is unsaved work: leaving asks before throwing it away.
        QVERIFY(!p.E->Enregistre && p.E->NomFichier == fichier.toStdString());
        p.Fenetre->Nouveautravail1Click();
        QVERIFY(p.Copie.Presente() && p.E->Travail.Titre.Texte() == "Banc 3 bis");
        p.Services.Reponses = {Reponse::Non};
        p.Fenetre->Nouveautravail1Click();
        QCOMPARE(p.Services.Confirmations.size(), std::size_t(2));
        QVERIFY(p.Partie());
    }

    // Accepted but unreadable: reported, and gone (a refused copy goes too, below).
    void copieIllisible() {
        Poste p(std::nullopt);
        const QString morte = p.Dossier.filePath("Recuperation-7.ZYV");
        QVERIFY(EcritImageTravail(p.E->Travail, morte.toStdString()) && QFile::resize(morte, 5));
        p.Services.ReponsesQuestion = {true};
        p.Services.Avertissements.clear();
        p.DemarreSansModule();
        QTRY_COMPARE(p.Services.Questions, std::vector<std::string>{MessageRecuperation});
        QVERIFY(p.Partie() && !QFile::exists(morte) && !p.Fenetre->isVisible());
        QCOMPARE(p.Services.Avertissements.size(), std::size_t{1});
    }

    // A program running beside this one keeps its copy: neither offered nor deleted. A copy
    // whose program is gone is offered, and "Non" deletes it alone. Anything else named like a
    // copy (a folder, a FIFO) is passed over without a word.
    void seulesLesCopiesDeProgrammesArretesSontProposees() {
        Poste p(std::nullopt);
        const QDir dossier(p.Dossier.path());
        auto autre = std::make_unique<Etude>();
        NouveauTravail(*autre);
        Recuperation vivante(*autre, dossier.filePath("Recuperation-2.ZYV").toStdString());
        QVERIFY(EcritImageTravail(autre->Travail, vivante.Chemin()));
        const QString morte = dossier.filePath("Recuperation-3.ZYV");
        QVERIFY(EcritImageTravail(p.E->Travail, morte.toStdString()));
        QVERIFY(dossier.mkdir("Recuperation-4.ZYV"));
        QCOMPARE(
            mkfifo(QFile::encodeName(dossier.filePath("Recuperation-5.ZYV")).constData(), 0600), 0);
        QFile verrou(dossier.filePath("Recuperation-6.ZYV.lock")); // its program killed
        QVERIFY(verrou.open(QIODevice::WriteOnly) &&
                verrou.write("999999\nzyv\n" + QSysInfo::machineHostName().toUtf8() + "\n") > 0);
        verrou.close();
        p.Services.ReponsesQuestion = {false, false};
        p.Services.Avertissements.clear();
        p.DemarreSansModule();
        QTRY_VERIFY(!QFile::exists(morte));
        QCOMPARE(p.Services.Questions, std::vector<std::string>{MessageRecuperation});
        QVERIFY(vivante.Presente() && !verrou.exists());
        QCOMPARE(p.Services.Avertissements, std::vector<std::string>{});
        QVERIFY(QFileInfo(dossier.filePath("Recuperation-4.ZYV")).isDir());
    }

    // The program killed during an acquisition; started again, it recovers every point taken
    // more than a second before the kill, unsaved, in its window.
    void arretBrutalPendantUneAcquisition() {
        QTemporaryDir donnees;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), donnees.path());
        env.insert(QStringLiteral("TMPDIR"), donnees.path()); // the killed run's own folders
        QProcess prise;
        prise.setProcessEnvironment(env);
        prise.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        prise.start(QCoreApplication::applicationFilePath(), {"--prise"});
        QVERIFY(prise.waitForStarted(10000));
        qsizetype vus = 0; // points seen taken
        while (vus < 10) {
            QVERIFY2(prise.canReadLine() || prise.waitForReadyRead(15000), "no point taken");
            while (prise.canReadLine()) vus += prise.readLine().startsWith("POINT");
        }
        // Killed more than the promised delay after those points were taken.
        QElapsedTimer horloge;
        horloge.start();
        QVERIFY(QTest::qWaitFor([&] { return horloge.elapsed() > DelaiCopieMax + 150; }, 3000));
        prise.kill();
        QVERIFY(prise.waitForFinished(10000));
        const qsizetype pris = vus + prise.readAllStandardOutput().count("POINT");

        { // started again, "Oui" to the recovery
            qputenv("XDG_DATA_HOME", QFile::encodeName(donnees.path()));
            Poste p(std::nullopt, CheminRecuperation());
            p.Services.ReponsesQuestion = {true};
            p.DemarreSansModule();
            QTRY_VERIFY(p.Fenetre->isVisible());
            QCOMPARE(p.Services.Questions, std::vector<std::string>{MessageRecuperation});
            QVERIFY(p.E->Travail.TypeEtude == 0 && !p.E->Enregistre && p.E->NomFichier.empty());
            const TEssai& essai = p.E->Travail.Essai(1);
            QVERIFY2(essai.NbPoints() >= vus && essai.NbPoints() <= pris,
                     qPrintable(QString("%1 of %2 taken").arg(essai.NbPoints()).arg(pris)));
            for (int i = 0; i <= essai.DernierPoint; ++i)
                QCOMPARE(essai.Valeur(GVitesse, i), 3000 + i);
            // Left normally this time: nothing to recover any more.
            p.Fenetre->close();
            p.Services.Reponses = {Reponse::Non};
            QVERIFY(p.ZYV2->close() && p.Partie());
        }
        QCOMPARE(QDir(donnees.filePath(QStringLiteral("ZYV")))
                     .entryList({QStringLiteral("Recuperation*")}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }
};

namespace {

// The program in a child process, taking a point every 300 ms until it is killed.
int Prise() {
    QTextStream sortie(stdout);
    Poste p(std::string("ttyS0"), CheminRecuperation());
    if (!p.Ouvre()) return 2;
    QTest::mouseClick(p.W<QPushButton>("ButtonManu"), Qt::LeftButton);
    QElapsedTimer horloge;
    horloge.start();
    for (int k = 0; k < 500; ++k) {
        if (!QTest::qWaitFor([&] { return horloge.elapsed() >= 300 * k; }, 1000) ||
            !p.Prend(3000 + k) || p.E->Courant().DernierPoint != k)
            return 3;
        sortie << "POINT " << k << Qt::endl;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZYV"));
    if (argc == 2 && QByteArray(argv[1]) == "--prise") return Prise();
    TestRecuperation essais;
    return QTest::qExec(&essais, argc, argv);
}

#include "test_recuperation.moc"
