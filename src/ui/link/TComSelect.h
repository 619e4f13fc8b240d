// The port chooser frame: a "Port série" radio group with one entry per port.
#pragma once

#include "ui/socle/Services.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;

namespace Ui {
class TComSelect;
}

namespace zyv {

inline constexpr const char* MessageErreurListePorts = "Erreur A1 ";

// The system's serial ports, in its order; no value when the system cannot list them.
using ListePortsSysteme = std::function<std::optional<std::vector<std::string>>()>;

class TComSelect : public QWidget {
    Q_OBJECT
public:
    explicit TComSelect(QWidget* parent = nullptr);
    ~TComSelect() override;

    // Where the names come from and where a listing failure is reported.
    void Initialise(ListePortsSysteme source, Services& services);

    // The entries of RadioGroupCom, in order.
    const std::vector<std::string>& Items() const { return items_; }

    // Replaces items with the ports present (the simulated bench last); on a listing failure
    // reports it and leaves items as they were.
    void EnumComPorts(std::vector<std::string>& items);
    // Refreshes the list, selects the last entry equal to nom and returns its index or -1.
    int Setnumcomport(const std::string& nom);
    int NumComportSelect() const;
    void NomComportSelect(std::string& nom) const;

private:
    void Reconstruit();

    std::unique_ptr<Ui::TComSelect> ui_;
    QButtonGroup* groupe_;
    std::vector<std::string> items_;
    ListePortsSysteme source_;
    Services* services_ = nullptr;
};

} // namespace zyv
