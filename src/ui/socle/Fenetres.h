// The windows of a run, each created once and kept until exit. Windows reach one another
// through this table, filled as they are created.
#pragma once

#include <functional>

class QWidget;

namespace zyv {

class Sauvegarde;
class TAboutBox;
class TConfigCom;
class TFormConnection;
class TFormVisualisationPDF;
class TFormBancSimule;
class TNouvelCaract;
class TNouvelCaractCharge;
class TFormTrierPoints;
class TFormModelisation;

struct Fenetres {
    // The main window and its saving of the study, which every window that holds the study uses.
    QWidget* ZYV2 = nullptr;
    Sauvegarde* SauvegardeEtude = nullptr;
    // The study windows and their dialogs take these places when they exist; until then the
    // study buttons prepare the study and show nothing.
    QWidget* FormCharge = nullptr;
    QWidget* FormCaracteristique = nullptr;
    TNouvelCaract* NouvelCaract = nullptr;
    TAboutBox* AboutBox = nullptr;
    TFormTrierPoints* FormTrierPoints = nullptr;
    TFormModelisation* FormModelisation = nullptr;
    TNouvelCaractCharge* NouvelCaractCharge = nullptr;
    TConfigCom* ConfigCom = nullptr;
    TFormConnection* FormConnection = nullptr;
    TFormVisualisationPDF* FormVisualisationPDF = nullptr;
    // Not a window of the table: the simulated bench's control panel, shown while "SIMUL" is open.
    TFormBancSimule* FormBancSimule = nullptr;

    // Builds the study windows and their dialogs if they do not exist yet. The run builds them
    // once the main window is on screen; a study opened sooner builds them first.
    std::function<void()> Complete;
};

} // namespace zyv
