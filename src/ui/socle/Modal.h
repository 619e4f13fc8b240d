// The program's dialogs exist once for the whole run; each showing is modal over the window
// that asks for it, so that it stays on top of that window and not of a hidden one.
#pragma once

#include <QDialog>

namespace zyv {

inline int ExecModal(QDialog& dialogue, QWidget* parent) {
    if (dialogue.parentWidget() != parent) dialogue.setParent(parent, dialogue.windowFlags());
    dialogue.setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    return dialogue.exec();
}

} // namespace zyv
