// The list of port names offered to the user.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zyv {

// The in-process simulated bench, always offered last.
inline constexpr const char* NomPortSimule = "SIMUL";

// The serial port names the system reports, in its own order.
using SourcePorts = std::function<std::vector<std::string>()>;

// items := the system's ports then "SIMUL".
void EnumComPorts(std::vector<std::string>& items, const SourcePorts& source);
// Refreshes items and returns the index of the last entry equal to nom (case-sensitive), or -1.
int Setnumcomport(std::vector<std::string>& items, const SourcePorts& source,
                  const std::string& nom);
// The name at index, empty when index selects nothing.
std::string NomComportSelect(const std::vector<std::string>& items, int index);

} // namespace zyv
