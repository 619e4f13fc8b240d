// Qt's own captions follow the program's language, not the desktop's.
#include "ui/app/Traductions.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>

class TestTraductions : public QObject {
    Q_OBJECT
private slots:
    void boutonsEtLocaleEnFrancais() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        zyv::InstalleTraductionsFrancaises(*qApp);
        QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                 QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
        QCOMPARE(boutons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Oui"));
        QCOMPARE(boutons.button(QDialogButtonBox::No)->text(), QStringLiteral("&Non"));
        QCOMPARE(QLocale().language(), QLocale::French);
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }
};

QTEST_MAIN(TestTraductions)
#include "test_traductions.moc"
