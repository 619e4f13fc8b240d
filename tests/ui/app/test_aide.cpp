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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

using namespace zyv;

namespace {

void EcrirePdf(const QString& chemin, int pages) {
    QPdfWriter pdf(chemin);
    QPainter peintre(&pdf);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) pdf.newPage();
        peintre.drawText(100, 100, QStringLiteral("Page %1").arg(p + 1));
    }
}

} // namespace

class TestAide : public QObject {
    Q_OBJECT

    std::unique_ptr<Etude> etude_;
    QTemporaryDir dossier_;

    QString CheminAide() const { return dossier_.filePath(QStringLiteral("Aide ZYV.pdf")); }

private slots:
    void init() {
        QVERIFY(dossier_.isValid());
        QFile::remove(CheminAide());
        etude_ = std::make_unique<Etude>();
        etude_->RepertoireProgramme = dossier_.path().toStdString();
    }

    void fenetreAide() {
        TFormVisualisationPDF fenetre(*etude_);
        QCOMPARE(fenetre.windowTitle(), QStringLiteral("Aide sur ZYV"));
        QCOMPARE(fenetre.minimumSize(), QSize(800, 700));
        QCOMPARE(fenetre.size(), QSize(800, 700));
        auto* bande = fenetre.findChild<QWidget*>(QStringLiteral("Panel1"));
        QVERIFY(bande);
        QCOMPARE(bande->maximumHeight(), 2);
        QVERIFY(fenetre.findChild<QPdfView*>(QStringLiteral("AcroPDF1")));
    }

    void documentAbsentOuIllisible_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<bool>("fichier");
        QTest::addColumn<QString>("texte");
        QTest::newRow("absent") << QByteArray() << false
                                << QStringLiteral("« Aide ZYV.pdf » est introuvable");
        QTest::newRow("pas un PDF") << QByteArray("ceci n'est pas un PDF\n") << true
                                    << QStringLiteral("« Aide ZYV.pdf » est illisible");
        QTest::newRow("vide") << QByteArray() << true
                              << QStringLiteral("« Aide ZYV.pdf » est illisible");
    }
    void documentAbsentOuIllisible() {
        QFETCH(QByteArray, contenu);
        QFETCH(bool, fichier);
        QFETCH(QString, texte);
        if (fichier) {
            QFile f(CheminAide());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenu);
        }
        TFormVisualisationPDF fenetre(*etude_);
        fenetre.show();
        auto* message = fenetre.findChild<QLabel*>(QStringLiteral("LabelAbsent"));
        QVERIFY(message->isVisible());
        QVERIFY2(message->text().contains(texte), qPrintable(message->text()));
        QCOMPARE(fenetre.findChild<QPdfView*>()->document()->pageCount(), 0);
    }

    // "Aide" pressed again shows the same window and reads the file again.
    void rechargeAChaqueAffichage() {
        TFormVisualisationPDF fenetre(*etude_);
        auto* vue = fenetre.findChild<QPdfView*>();
        auto* message = fenetre.findChild<QLabel*>(QStringLiteral("LabelAbsent"));
        fenetre.show();
        QVERIFY(message->isVisible());

        fenetre.hide();
        EcrirePdf(CheminAide(), 2);
        fenetre.show();
        QCOMPARE(vue->document()->pageCount(), 2);
        QVERIFY(!message->isVisible());

        // Pressed again while the window is still open.
        EcrirePdf(CheminAide(), 4);
        fenetre.Affiche();
        QCOMPARE(vue->document()->pageCount(), 4);

        fenetre.hide();
        QVERIFY(QFile::remove(CheminAide()));
        fenetre.show();
        QCOMPARE(vue->document()->pageCount(), 0);
        QVERIFY(message->isVisible());
    }

    // The guide built with the program, as the demo folder holds it.
    void guideDuDossierDemo() {
        etude_->RepertoireProgramme = ZYV_DOSSIER_DEMO;
        TFormVisualisationPDF fenetre(*etude_);
        fenetre.show();
        QPdfDocument* document = fenetre.findChild<QPdfView*>()->document();
        QCOMPARE(document->status(), QPdfDocument::Status::Ready);
        QVERIFY2(document->pageCount() >= 6, qPrintable(QString::number(document->pageCount())));
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
        EcrirePdf(CheminAide(), 2);
        TFormVisualisationPDF fenetre(*etude_);
        fenetre.show();
        auto* vue = fenetre.findChild<QPdfView*>();
        fenetre.ZoomAvant();
        QCOMPARE(vue->zoomMode(), QPdfView::ZoomMode::Custom);
        const qreal agrandi = vue->zoomFactor();
        fenetre.ZoomArriere();
        QVERIFY(vue->zoomFactor() < agrandi);
        for (int i = 0; i < 40; ++i) fenetre.ZoomAvant();
        QCOMPARE(vue->zoomFactor(), 6.0); // bounded both ways
        for (int i = 0; i < 40; ++i) fenetre.ZoomArriere();
        QCOMPARE(vue->zoomFactor(), 0.25);
        fenetre.PleineLargeur();
        QCOMPARE(vue->zoomMode(), QPdfView::ZoomMode::FitToWidth);

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
        EcrirePdf(CheminAide(), 3);
        TFormVisualisationPDF fenetre(*etude_);
        fenetre.show();
        const auto imprime = [&](int de, int a) {
            const QString sortie = dossier_.filePath(QStringLiteral("imprime.pdf"));
            QFile::remove(sortie);
            QPrinter imprimante(QPrinter::HighResolution);
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(sortie);
            if (de > 0) {
                imprimante.setPrintRange(QPrinter::PageRange);
                imprimante.setFromTo(de, a);
            }
            if (!fenetre.ImprimeDocument(imprimante)) return -1;
            QPdfDocument relu;
            relu.load(sortie);
            return relu.pageCount();
        };
        QCOMPARE(imprime(0, 0), 3);
        QCOMPARE(imprime(2, 3), 2);
        QCOMPARE(imprime(3, 9), 1); // a range past the end stops at the last page

        QVERIFY(QFile::remove(CheminAide()));
        fenetre.FormShow();
        QCOMPARE(imprime(0, 0), -1); // nothing loaded, nothing printed
    }

    // "Aide" pressed in the connection dialog, which is modal: the help must still take input.
    void aideDepuisUnDialogueModal() {
        EcrirePdf(CheminAide(), 1);
        TFormVisualisationPDF fenetre(*etude_);
        QDialog dialogue;
        bool verifie = false;
        QTimer::singleShot(0, &dialogue, [&] {
            fenetre.Affiche();
            verifie = fenetre.isVisible() && fenetre.windowModality() == Qt::ApplicationModal &&
                      QApplication::activeModalWidget() == &fenetre;
            fenetre.close();
            dialogue.reject();
        });
        dialogue.exec();
        QVERIFY(verifie);

        // From a plain window it is not modal again.
        fenetre.Affiche();
        QCOMPARE(fenetre.windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(fenetre.findChild<QPdfView*>()->document()->pageCount(), 1);
    }

    void boiteAPropos() {
        TAboutBox boite;
        QCOMPARE(boite.windowTitle(), QStringLiteral("A propos"));
        QCOMPARE(boite.findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("Logiciel d'étude des moteurs à courant continu"));
        QCOMPARE(boite.findChild<QLabel*>(QStringLiteral("Version"))->text(),
                 QStringLiteral("Version 1.10"));
        auto* image = boite.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
        QVERIFY(!image->pixmap().isNull());
        QVERIFY(image->pixmap().width() > 100);
        auto* ok = boite.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        // Top to bottom: title, picture, version, button.
        boite.show();
        QVERIFY(boite.findChild<QLabel*>(QStringLiteral("ProductName"))->y() < image->y());
        QVERIFY(image->y() < boite.findChild<QLabel*>(QStringLiteral("Version"))->y());
        QVERIFY(boite.findChild<QLabel*>(QStringLiteral("Version"))->y() < ok->y());
        QCOMPARE(boite.minimumSize(), boite.maximumSize());
        boite.hide();

        QTimer::singleShot(0, &boite, [&boite] { QTest::keyClick(&boite, Qt::Key_Return); });
        QCOMPARE(boite.exec(), int(QDialog::Accepted)); // Return presses the default "OK"
        QVERIFY(!boite.isVisible());
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
