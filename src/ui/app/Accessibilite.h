// Screen readers and GUI test tools find a control by its accessible name.
#pragma once

class QWidget;

namespace zyv {

// Gives every control below racine that has none the name a user reads on it: its caption,
// else its hint (image-only buttons), else a group's title.
void NommeControles(QWidget* racine);

} // namespace zyv
