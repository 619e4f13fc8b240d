// Screen readers and GUI test tools find a control by its accessible name.
#pragma once

class QWidget;

namespace zyv {

// Gives every control below racine that has none the name a user reads on it: its caption,
// else its hint (image-only buttons), else a group's title. A label that shows a text keeps
// none of its own: it is read by that text, so a read-out is read by the value it shows, its
// description being the hint. Also makes checkable buttons take the assistive toggle.
void NommeControles(QWidget* racine);

// The assistive "toggle" and "press" of a checkable button run a click, as the mouse does: the
// windows act on clicks, and a screen reader's toggle must do what a student's click does.
// Once per run, after the application object exists.
void BasculesCommeClics();

} // namespace zyv
