// The study window as a plot frame sees it, reduced to a record of what the frame asks.
#pragma once

#include "ui/plot/CadreTrace.h"
#include "ui/plot/HoteTrace.h"

#include <string>
#include <vector>

namespace zyv {

struct HoteEssai : HoteTrace {
    std::vector<std::string> Appels;
    CadreTrace* Cadre = nullptr; // its read-outs follow the window's cursor

    void ActionCar() override { Appels.push_back("ActionCar"); }
    void Curseur() override {
        Appels.push_back("Curseur");
        if (Cadre != nullptr) Cadre->curseur();
    }
    void Supprimepoint() override { Appels.push_back("Supprimepoint"); }
    void SupprimeTousPoints() override { Appels.push_back("SupprimeTousPoints"); }
    void NouvelEssai1Click() override { Appels.push_back("NouvelEssai1Click"); }
    void Modelisation(int k) override { Appels.push_back("Modelisation " + std::to_string(k)); }
    void ModifieCaract(int k) override { Appels.push_back("ModifieCaract " + std::to_string(k)); }
};

} // namespace zyv
