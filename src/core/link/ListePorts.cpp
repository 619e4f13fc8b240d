#include "core/link/ListePorts.h"

namespace zyv {

void EnumComPorts(std::vector<std::string>& items, const SourcePorts& source) {
    std::vector<std::string> liste;
    if (source) liste = source();
    liste.emplace_back(NomPortSimule);
    items = std::move(liste);
}

int Setnumcomport(std::vector<std::string>& items, const SourcePorts& source,
                  const std::string& nom) {
    EnumComPorts(items, source);
    int index = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == nom) index = static_cast<int>(i);
    return index;
}

std::string NomComportSelect(const std::vector<std::string>& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return {};
    return items[static_cast<std::size_t>(index)];
}

} // namespace zyv
