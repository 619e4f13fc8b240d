// The desktop's message boxes as the user sees them: titles, texts and buttons.
#include "ui/app/ServicesQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zyv;

namespace {

struct Vu {
    QString Titre;
    QString Texte;
    QStringList Boutons;
};

// Waits for the next message box, notes what it shows and presses the button captioned bouton.
void Repondra(Vu& vu, const QString& bouton) {
    auto* sonde = new QTimer;
    const QDeadlineTimer limite(5000);
    QObject::connect(sonde, &QTimer::timeout, [sonde, &vu, bouton, limite] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr && !limite.hasExpired()) return;
        sonde->deleteLater();
        sonde->stop();
        if (boite == nullptr) return;
        vu.Titre = boite->windowTitle();
        vu.Texte = boite->text();
        for (QAbstractButton* b : boite->buttons()) {
            vu.Boutons << b->text();
            if (b->text() == bouton) b->click();
        }
    });
    sonde->start(10);
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT
private slots:
    void confirmationOffersYesNoCancel();
    void warningAndError();
};

void TestServices::confirmationOffersYesNoCancel() {
    ServicesQt s;
    const std::pair<const char*, Reponse> cas[] = {
        {"&Oui", Reponse::Oui}, {"&Non", Reponse::Non}, {"Annuler", Reponse::Annuler}};
    for (auto [bouton, attendue] : cas) {
        Vu vu;
        Repondra(vu, QString::fromLatin1(bouton));
        QCOMPARE(s.Confirmation("Fichier modifié. Voulez-vous l'enregistrer?"), attendue);
        QCOMPARE(vu.Titre, QStringLiteral("Confirmation"));
        QCOMPARE(vu.Texte, QStringLiteral("Fichier modifié. Voulez-vous l'enregistrer?"));
        vu.Boutons.sort();
        QCOMPARE(vu.Boutons, (QStringList{"&Non", "&Oui", "Annuler"}));
    }
}

void TestServices::warningAndError() {
    ServicesQt s;
    Vu vu;
    Repondra(vu, QStringLiteral("OK"));
    s.Avertissement("Erreur d'ecriture du fichier");
    QCOMPARE(vu.Titre, QStringLiteral("Avertissement"));
    QCOMPARE(vu.Texte, QStringLiteral("Erreur d'ecriture du fichier"));
    QCOMPARE(vu.Boutons, QStringList{"OK"});
    Vu erreur;
    Repondra(erreur, QStringLiteral("OK"));
    s.Erreur("Erreur A1 ");
    QCOMPARE(erreur.Titre, QStringLiteral("Erreur"));
    QCOMPARE(erreur.Texte, QStringLiteral("Erreur A1 "));
}

QTEST_MAIN(TestServices)
#include "test_services.moc"
