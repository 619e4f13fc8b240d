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
        for (int p = 1; p < pages; ++p) pdf.newPage();
    }
    int Pages() const { return fenetre_->findChild<QPdfView*>()->document()->pageCount(); }

private slots:
    void init() {
        QFile::remove(CheminAide());
        etude_ = std::make_unique<Etude>();
        etude_->RepertoireAide = dossier_.path().toStdString();
        fenetre_ = std::make_unique<TFormVisualisationPDF>(*etude_);
    }

    // Each showing reads the file again: missing or unreadable, then valid (and printed), then
    // gone.
    void lectureAChaqueAffichage() {
        auto* message = fenetre_->findChild<QLabel*>(QStringLiteral("LabelAbsent"));
        for (const auto& [contenu, texte] : {std::pair{QByteArray(), "introuvable"},
                                             std::pair{QByteArray("pas un PDF\n"), "illisible"}}) {
            QFile f(CheminAide());
            if (!contenu.isNull()) QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) > 0);
            f.close();
            fenetre_->show();
            QVERIFY(message->isVisible() && Pages() == 0);
            QVERIFY(message->text().contains(QStringLiteral("« Aide ZYV.pdf » est ") + texte));
            fenetre_->hide();
        }
        EcrirePdf(2);
        fenetre_->show();
        QVERIFY(Pages() == 2 && !message->isVisible());
        EcrirePdf(4); // "Aide" pressed again while the window is still open
        fenetre_->Affiche();
        QCOMPARE(Pages(), 4);
        const QString sortie = dossier_.filePath(QStringLiteral("imprime.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFileName(sortie);
        imprimante.setPrintRange(QPrinter::PageRange);
        imprimante.setFromTo(3, 9); // a range past the end stops at the last page
        QVERIFY(fenetre_->ImprimeDocument(imprimante));
        QPdfDocument relu;
        relu.load(sortie);
        QCOMPARE(relu.pageCount(), 2);
        fenetre_->hide();
        QVERIFY(QFile::remove(CheminAide()));
        fenetre_->show();
        QCOMPARE(Pages(), 0);
    }

    // What ships with the program: the guide, as the demo folder holds it, and the About box's
    // icon.
    void guideEtIconeLivres() {
        etude_->RepertoireAide = ZYV_DOSSIER_DEMO;
        fenetre_->show();
        QPdfDocument* d = fenetre_->findChild<QPdfView*>()->document();
        QVERIFY(d->pageCount() > 1 && d->getAllText(0).text().contains(QStringLiteral("ZYV")));
        TAboutBox boite;
        QVERIFY(!boite.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
    }

    // "Aide" pressed in the connection dialog, which is modal: the help must still take input.
    void aideDepuisUnDialogueModal() {
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
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
