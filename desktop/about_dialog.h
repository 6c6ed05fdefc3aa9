// The About window: what the program is, its version, what it computes, its licence and credits.
#pragma once

class QDialog;
class QWidget;

namespace vela::desktop {

// Built but not shown; the caller decides how (the window shows it modally).
QDialog* CreateAboutDialog(QWidget* parent);

// Shows the About window modally and returns when the user closes it.
void ShowAboutDialog(QWidget* parent);

}  // namespace vela::desktop
