// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QBoxLayout;
class QDialog;
class QDialogButtonBox;

namespace vorn {

// "OK" (the default button) and "Cancel", wired to the dialog's accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

// Makes the dialog, laid out by `layout`, wide enough for a title bar that shows its title
// whole (in bold, beside the window manager's icon and buttons).
void keepTitleWhole(QDialog* dialog, QBoxLayout* layout);

} // namespace vorn
