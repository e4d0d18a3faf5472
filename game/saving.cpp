#include "history/grid_layout.h"
#include "main_form.h"
#include "record/formats.h"
#include "record/play_history_file.h"

namespace wordbloom {

void MainForm::save() {
    const bool nothingJudged = m_state.intOk == 0 && m_state.intChu == 0 && m_state.intNg == 0;
    if (nothingJudged || m_state.blnPlay || m_state.blnStart) {
        return;
    }
    const auto topic = usableTopic(m_view.displayedTopic());
    if (!topic) {
        return;
    }
    const CalendarTime now = m_clock.now();
    const PlayResult result{formatDate(now), formatTime(now),      *topic,
                            m_state.intOk,   m_state.intChu,       m_state.intNg,
                            m_state.intMoji, lengthOfGame(m_state)};
    // The file comes first: the grid shows a game only once it is stored.
    try {
        appendPlayRecord(m_dir, result);
    } catch (const FileError& error) {
        reportFileError(error,
                        "ゲームの記録を保存できませんでした。ゲームの結果はそのまま残っています。"
                        "問題を直してから、もう一度「保存」を押してください。");
        return;
    }
    m_history.addRow(toPlayRecord(result));
    m_view.historyRowAdded(m_history);
    if (const auto top = scrollTarget(m_history.rowCount(), kHistoryScrollThreshold)) {
        m_view.setHistoryGridTopRow(*top);
    }
}

} // namespace wordbloom
