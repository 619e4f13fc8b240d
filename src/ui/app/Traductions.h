// Qt's own dialogs and buttons in French, whatever the desktop's language.
#pragma once

class QApplication;

namespace zyv {

// Installs Qt's French catalogue and makes French the default locale, so file and print dialogs
// and the standard buttons speak French. Numbers shown by the program do not depend on it.
void InstalleTraductionsFrancaises(QApplication& app);

} // namespace zyv
