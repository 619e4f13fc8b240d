// Fills a folder with what a first run on the simulated bench needs: CFGZYV.cfg selecting
// "SIMUL" and a "Fichiers" folder of sample studies recorded on it.
//   zyv-demo <folder>
#include "core/data/Messages.h"
#include "core/sim/DossierDemo.h"

#include <cstdio>
#include <string>

namespace {

class MessagesConsole final : public zyv::Messages {
public:
    void Avertissement(const std::string& texte) override {
        std::fprintf(stderr, "zyv-demo: %s\n", texte.c_str());
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zyv-demo <folder>\n");
        return 2;
    }
    MessagesConsole messages;
    return zyv::EcrireDossierDemo(argv[1], messages) ? 0 : 1;
}
