// The help window and the About box, driven as the user sees them.
#include "ui/app/TAboutBox.h"
#include "ui/app/TFormVisualisationPDF.h"

#include "core/data/Travail.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

using namespace zyv;

class TestAide : public QObject {
    Q_OBJECT

    std::unique_ptr<Etude> etude_;
    std::unique_ptr<TFormVisualisationPDF> fenetre_;
    QTemporaryDir dossier_;

    QString CheminAide() const { return dossier_.filePath(QStringLiteral("Aide ZYV.pdf")); }
    void EcrirePdf(int pages) const {
        QPdfWriter pdf(CheminAide());
        QPainter peintre(&pdf);
        for (int p = 0; p < pages; ++p) {
            if (p > 0) pdf.newPage();
            peintre.drawText(100, 100, QStringLiteral("Page %1").arg(p + 1));
        }
    }
    QPdfView* Vue() const { return fenetre_->findChild<QPdfView*>(); }
    int Pages() const { return Vue()->document()->pageCount(); }
    QLabel* Message() const { return fenetre_->findChild<QLabel*>(QStringLiteral("LabelAbsent")); }

private slots:
    void init() {
        QFile::remove(CheminAide());
        etude_ = std::make_unique<Etude>();
        etude_->RepertoireProgramme = dossier_.path().toStdString();
        fenetre_ = std::make_unique<TFormVisualisationPDF>(*etude_);
    }
    void cleanup() { fenetre_.reset(); }

    // Each showing reads the file again: missing or unreadable, then valid, then gone.
    void lectureAChaqueAffichage() {
        const std::pair<QByteArray, const char*> abimes[] = {
            {QByteArray(), "introuvable"},
            {"ceci n'est pas un PDF\n", "illisible"},
            {"", "illisible"}};
        for (const auto& [contenu, texte] : abimes) {
            QFile f(CheminAide());
            if (!contenu.isNull()) QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) >= 0);
            f.close();
            fenetre_->show();
            QVERIFY(Message()->isVisible());
            QVERIFY(Message()->text().contains(QStringLiteral("« Aide ZYV.pdf » est ") + texte));
            QCOMPARE(Pages(), 0);
            fenetre_->hide();
        }
        EcrirePdf(2);
        fenetre_->show();
        QCOMPARE(Pages(), 2);
        QVERIFY(!Message()->isVisible());
        EcrirePdf(4); // "Aide" pressed again while the window is still open
        fenetre_->Affiche();
        QCOMPARE(Pages(), 4);
        fenetre_->hide();
        QVERIFY(QFile::remove(CheminAide()));
        fenetre_->show();
        QCOMPARE(Pages(), 0);
    }

    // The guide built with the program, as the demo folder holds it.
    void guideDuDossierDemo() {
        etude_->RepertoireProgramme = ZYV_DOSSIER_DEMO;
        fenetre_->show();
        QPdfDocument* document = Vue()->document();
        QCOMPARE(document->metaData(QPdfDocument::MetaDataField::Title).toString(),
                 QStringLiteral("Aide ZYV"));
        QString texte;
        for (int p = 0; p < document->pageCount(); ++p) texte += document->getAllText(p).text();
        texte = texte.simplified();
        for (const char* passage :
             {"SIMUL", "Connexion non configurée", "Etude de la génératrice sur charge variable",
              "Acquisition du point", "Temporel", "Y = a.X²+b.X+c", "Enregistrer sous",
              "Copier les caractéristiques", "Configuration imprimante"})
            QVERIFY2(texte.contains(QString::fromUtf8(passage)), passage);
    }

    void zoomDuLecteur() {
        EcrirePdf(2);
        fenetre_->show();
        QPdfView* vue = Vue();
        for (int i = 0; i < 40; ++i) fenetre_->ZoomAvant();
        QCOMPARE(vue->zoomFactor(), 6.0); // each way, up to a bound
        for (int i = 0; i < 40; ++i) fenetre_->ZoomArriere();
        QCOMPARE(vue->zoomFactor(), 0.25);
        fenetre_->PleineLargeur();
        // Ctrl + wheel zooms; the wheel alone only scrolls.
        const QPointF centre(vue->viewport()->rect().center());
        for (Qt::KeyboardModifier touche : {Qt::NoModifier, Qt::ControlModifier}) {
            QWheelEvent roue(centre, vue->viewport()->mapToGlobal(centre), {}, {0, 120},
                             Qt::NoButton, touche, Qt::NoScrollPhase, false);
            QApplication::sendEvent(vue->viewport(), &roue);
            QCOMPARE(vue->zoomMode(), touche == Qt::NoModifier ? QPdfView::ZoomMode::FitToWidth
                                                               : QPdfView::ZoomMode::Custom);
        }
    }

    void impressionDuDocument() {
        EcrirePdf(3);
        fenetre_->show();
        const auto imprime = [&](int de, int a) {
            const QString sortie = dossier_.filePath(QStringLiteral("imprime.pdf"));
            QFile::remove(sortie);
            QPrinter imprimante(QPrinter::HighResolution);
            imprimante.setOutputFileName(sortie);
            if (de > 0) {
                imprimante.setPrintRange(QPrinter::PageRange);
                imprimante.setFromTo(de, a);
            }
            if (!fenetre_->ImprimeDocument(imprimante)) return -1;
            QPdfDocument relu;
            relu.load(sortie);
            return relu.pageCount();
        };
        QCOMPARE(imprime(0, 0), 3);
        QCOMPARE(imprime(2, 3), 2);
        QCOMPARE(imprime(3, 9), 1); // a range past the end stops at the last page
        QVERIFY(QFile::remove(CheminAide()));
        fenetre_->FormShow();
        QCOMPARE(imprime(0, 0), -1); // nothing loaded, nothing printed
    }

    // "Aide" pressed in the connection dialog, which is modal: the help must still take input.
    void aideDepuisUnDialogueModal() {
        EcrirePdf(1);
        QDialog dialogue;
        bool verifie = false;
        QTimer::singleShot(0, &dialogue, [&] {
            fenetre_->Affiche();
            verifie = QApplication::activeModalWidget() == fenetre_.get();
            fenetre_->close();
            dialogue.reject();
        });
        dialogue.exec();
        QVERIFY(verifie);
        // From a plain window it is not modal again.
        fenetre_->Affiche();
        QCOMPARE(fenetre_->windowModality(), Qt::NonModal);
        QCOMPARE(Pages(), 1);
    }

    void boiteAPropos() {
        TAboutBox boite;
        QVERIFY(!boite.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        QTimer::singleShot(0, &boite, [&boite] { QTest::keyClick(&boite, Qt::Key_Return); });
        QCOMPARE(boite.exec(), int(QDialog::Accepted)); // Return presses the default "OK"
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
