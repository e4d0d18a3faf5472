// SPDX-License-Identifier: GPL-3.0-or-later
// The one name the progress window's library exports: how the program that
// loads it makes the window.
#include "progress_window_maker.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT wordbloom::ProgressView*
wordbloomMakeProgressWindow(QWidget* parent, const wordbloom::ProgressChoices* choices) {
    return wordbloom::makeProgressWindow(parent, *choices);
}
