#pragma once

namespace zyv {

// Shown by the About box; also the version of the command-line tools.
inline constexpr const char* VersionZYV = "1.10";

} // namespace zyv
