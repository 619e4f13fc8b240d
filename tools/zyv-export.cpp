// zyv-export FILE.ZYV: prints the values of every trial of a study as tab-separated UTF-8 text,
// the same text the study windows copy to the clipboard.
#include "core/analysis/ExportTexte.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <cstdio>
#include <iostream>
#include <memory>

namespace {

class MessagesErreur : public zyv::Messages {
public:
    void Avertissement(const std::string& texte) override { std::cerr << texte << '\n'; }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zyv-export FICHIER.ZYV\n";
        return 2;
    }
    auto etude = std::make_unique<zyv::Etude>();
    zyv::NouveauTravail(*etude);
    MessagesErreur messages;
    if (!zyv::LireTravail(*etude, argv[1], messages)) return 1;
    const std::string texte = zyv::TexteValeurs(*etude, -1);
    // Binary write: the CR LF line ends are part of the text.
    if (std::fwrite(texte.data(), 1, texte.size(), stdout) != texte.size() ||
        std::fflush(stdout) != 0)
        return 1;
    return 0;
}
