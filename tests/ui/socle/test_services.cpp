// The desktop's message boxes, as the user sees them.
#include "ui/socle/ServicesQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace zyv;

namespace {

// What the next message box showed: title, text, then its sorted button captions.
QStringList Vu;

// Notes what the next message box shows and presses the button captioned bouton.
void Repondra(const QString& bouton) {
    Vu.clear();
    QTimer::singleShot(0, [bouton] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite != nullptr);
        QStringList boutons;
        for (QAbstractButton* b : boite->buttons()) boutons << b->text();
        boutons.sort();
        Vu << boite->windowTitle() << boite->text() << boutons;
        for (QAbstractButton* b : boite->buttons())
            if (b->text() == bouton) b->click();
    });
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes() {
        ServicesQt s;
        const std::string question = "Fichier modifié. Voulez-vous l'enregistrer?";
        const QStringList confirmation{"Confirmation", QString::fromStdString(question), "&Non",
                                       "&Oui", "Annuler"};
        for (auto [bouton, attendue] :
             {std::pair{"&Oui", Reponse::Oui}, std::pair{"&Non", Reponse::Non},
              std::pair{"Annuler", Reponse::Annuler}}) {
            Repondra(QString::fromLatin1(bouton));
            QCOMPARE(s.Confirmation(question), attendue);
            QCOMPARE(Vu, confirmation);
        }
        Repondra(QStringLiteral("OK"));
        s.Avertissement("Erreur d'ecriture du fichier");
        QCOMPARE(Vu, (QStringList{"Avertissement", "Erreur d'ecriture du fichier", "OK"}));
        Repondra(QStringLiteral("OK"));
        s.Erreur("Erreur A1 ");
        QCOMPARE(Vu, (QStringList{"Erreur", "Erreur A1 ", "OK"}));
    }
};

QTEST_MAIN(TestServices)
#include "test_services.moc"
