// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up_import.h"

#include "import/misnamed_files.h"
#include "message_box_prompter.h"
#include "window/busy_dialog_runner.h"

namespace wordbloom {

void checkDataFileNames(const WorkDir& dir, const Clock& clock) {
    MessageBoxPrompter prompter(nullptr);
    BusyDialogRunner runner(nullptr);
    offerToRenameMisnamedFiles(dir, prompter, runner, clock.now());
}

std::optional<QString> importArgument(const QStringList& arguments) {
    const QString option = QStringLiteral("--import");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option) {
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        }
        if (arguments[i].startsWith(option + QLatin1Char('='))) {
            return arguments[i].mid(option.size() + 1);
        }
    }
    return std::nullopt;
}

} // namespace wordbloom
