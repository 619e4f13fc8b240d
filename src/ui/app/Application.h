// Program start: the one study and the windows of a run.
#pragma once

namespace zyv {

int LanceApplication(int argc, char** argv);

} // namespace zyv
