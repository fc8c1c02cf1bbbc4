// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vorn {

// The family of a font shipped inside the program (a resource such as
// ":/fonts/DejaVuSans.ttf"), registered with the font database the first time it is asked
// for; `fallback` when it cannot be registered.
QString bundledFontFamily(const QString& resource, const QString& fallback);

} // namespace vorn
