// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text the editor shows where it is defined, for the translation tools (lupdate reads
// it like QT_TRANSLATE_NOOP); translateText (document/Translation.h) with the same context
// translates it where it is shown. Here, below every library that shows texts.
#define VORN_TRANSLATE_NOOP(context, text) text
