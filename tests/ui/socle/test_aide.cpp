// The help window and the About box, driven as the user sees them.
#include "ui/socle/TAboutBox.h"
#include "ui/socle/TFormVisualisationPDF.h"

#include "core/data/Travail.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

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
        QVERIFY(relu.load(sortie) == QPdfDocument::Error::None && relu.pageCount() == 2);
        fenetre_->hide();
        QVERIFY(QFile::remove(CheminAide()));
        fenetre_->show();
        QCOMPARE(Pages(), 0);
    }

    // What ships with the program: the guide, as the demo folder holds it, with its chapters and
    // sections in the contents panel, each on its page; and the About box's icon.
    void guideEtIconeLivres() {
        etude_->RepertoireAide = ZYV_DOSSIER_DEMO;
        fenetre_->show();
        QPdfView* vue = fenetre_->findChild<QPdfView*>();
        QPdfDocument* d = vue->document();
        QVERIFY(d->pageCount() > 1 && d->getAllText(0).text().contains(QStringLiteral("ZYV")));
        auto* sommaire = fenetre_->findChild<QTreeView*>(QStringLiteral("Sommaire"));
        QVERIFY(sommaire->isVisible());
        const QAbstractItemModel* signets = sommaire->model();
        QVERIFY(signets->rowCount(signets->index(1, 0)) > 0); // sections under their chapter
        const QModelIndex chapitre = signets->index(8, 0);
        const int page = chapitre.data(static_cast<int>(QPdfBookmarkModel::Role::Page)).toInt();
        QVERIFY(page > 0 && d->getAllText(page).text().contains(chapitre.data().toString()));
        // A file without bookmarks leaves the whole width to the pages.
        fenetre_->hide();
        etude_->RepertoireAide = dossier_.path().toStdString();
        EcrirePdf(2);
        fenetre_->show();
        QVERIFY(!sommaire->isVisible());
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
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
