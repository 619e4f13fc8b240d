// The desktop's message boxes, as the user sees them.
#include "ui/app/ServicesQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace zyv;

namespace {

// What the next message box showed: title, text, then its sorted button captions.
QStringList Vu;

// Waits for the next message box, notes what it shows and presses the button captioned bouton.
void Repondra(const QString& bouton) {
    Vu.clear();
    auto* sonde = new QTimer;
    const QDeadlineTimer limite(5000);
    QObject::connect(sonde, &QTimer::timeout, [sonde, bouton, limite] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr && !limite.hasExpired()) return;
        sonde->deleteLater();
        sonde->stop();
        if (boite == nullptr) return;
        QStringList boutons;
        for (QAbstractButton* b : boite->buttons()) boutons << b->text();
        boutons.sort();
        Vu << boite->windowTitle() << boite->text() << boutons;
        for (QAbstractButton* b : boite->buttons())
            if (b->text() == bouton) b->click();
    });
    sonde->start(10);
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
