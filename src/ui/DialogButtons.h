#pragma once

class QDialog;
class QDialogButtonBox;

namespace vorn {

// "OK" (the default button) and "Cancel", wired to the dialog's accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

} // namespace vorn
