// What the two characteristic dialogs share: the quantity lists of each machine, the
// preselection, and the record written on OK. Each dialog brings its own form.
#pragma once

#include "core/data/Travail.h"

#include <QDialog>
#include <array>

class QPushButton;

namespace zyv {

class RadioGroup;

// The seven quantities offered for one machine, in list order, and the ones a new
// characteristic starts on.
struct ListeGrandeurs {
    std::array<int, 7> Quantites;
    int DefautY;
    int DefautX;

    // Position of quantity q in the list, -1 when the list does not offer it.
    int Position(int q) const;
};

inline constexpr std::array<int, 7> QuantitesMoteur{
    GTensionMoteur, GCourantMoteur, GPuissanceMoteur, GRendementMoteur,
    GVitesse,       GCouple,        GPuissanceMeca};
inline constexpr std::array<int, 7> QuantitesGeneratrice{
    GVitesse, GCouple, GPuissanceMeca, GTensionGene, GCourantGene, GPuissanceGene, GRendementGene};

class DialogueCaract : public QDialog {
    Q_OBJECT
public:
    int ModeCaract = 0; // 0 new, 1 modify
    int NumCaract = 1;  // 1..4

    // Fills the lists for the study's machine and preselects.
    void FormShow();
    // Writes characteristic NumCaract from the selection and closes with OK.
    void BtnOKClick();
    void setItemsMoteur();
    void setItemsGeneratrice();

protected:
    DialogueCaract(Etude& e, const ListeGrandeurs& moteur, const ListeGrandeurs& generatrice,
                   QWidget* parent);
    // x is null when the X quantity is always the time.
    void Relie(RadioGroup* y, RadioGroup* x, QPushButton* ok, QPushButton* annuler);
    void showEvent(QShowEvent* ev) override;

private:
    void Remplit(const ListeGrandeurs& liste);
    void Preselectionne(RadioGroup* groupe, int q, int defaut);

    Etude& etude_;
    const ListeGrandeurs& moteur_;
    const ListeGrandeurs& generatrice_;
    const ListeGrandeurs* liste_ = nullptr;
    RadioGroup* y_ = nullptr;
    RadioGroup* x_ = nullptr;
    int largeurDessin_ = 0; // the form's fixed width, before a caption widened it
};

// Name of quantity q from the document's quantity table, as shown.
QString NomGrandeur(const Etude& e, int q);
// Gives the OK and cancel buttons of a dialog their standard pictures and results.
void RelieBoutons(QDialog* d, QPushButton* ok, QPushButton* annuler);

} // namespace zyv
