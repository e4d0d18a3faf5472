#include "main_form.h"

#include "messages.h"
#include "record/record_text.h"
#include "record/settings_file.h"
#include "record/topic_list_file.h"

namespace wordbloom {

namespace {

constexpr int kShortestPlayLength = 10;
constexpr int kLongestPlayLength = 180;

// Rejected topics of the list get a box each up to this many; the rest are
// counted in one last box.
constexpr std::size_t kRejectedTopicBoxes = 5;

std::vector<std::string> playLengthChoices() {
    std::vector<std::string> choices;
    for (int seconds = kShortestPlayLength; seconds <= kLongestPlayLength; seconds += 10) {
        choices.push_back(std::to_string(seconds));
    }
    return choices;
}

} // namespace

MainForm::MainForm(WorkDir dir, Clock& clock, RandomSource& random, GameView& view,
                   Prompter& prompter, WorkRunner& runner)
    : m_dir(std::move(dir)), m_clock(clock), m_random(random), m_view(view), m_prompter(prompter),
      m_runner(runner) {}

void MainForm::beginStartUp() {
    m_startingHistory = std::make_unique<PlayHistoryGrid>();
    m_startingRead =
        m_runner.start(kLoadingPlayHistory,
                       [dir = m_dir, history = m_startingHistory.get()] { history->load(dir); });
}

void MainForm::startUp() {
    m_view.setTopicPanelVisible(false);
    m_view.clearAnswerGrid();
    m_view.clearAnswerBox();
    for (const ResultLabel label : {ResultLabel::New, ResultLabel::Duplicate, ResultLabel::Existing,
                                    ResultLabel::Characters, ResultLabel::Rate}) {
        m_view.setResultText(label, "");
    }

    if (!m_startingRead) {
        beginStartUp();
    }
    const std::unique_ptr<PlayHistoryGrid> loaded = std::move(m_startingHistory);
    const std::unique_ptr<PendingWork> reading = std::move(m_startingRead);
    reading->wait();
    m_history = std::move(*loaded);
    m_view.showHistoryRows(m_history);
    if (const auto top = m_history.rowBringingNewestIntoView()) {
        m_view.setHistoryGridTopRow(*top);
    }

    const Settings settings = LoadSettings(m_dir);
    m_state.playLength = settings.intJikan;
    m_state.autoSave = settings.intAs;
    // The switch starts unchecked; setting it to another state runs its click
    // handling, which writes the same values back.
    if (m_state.autoSave != 0) {
        m_view.showAutoSave(m_state.autoSave);
        setAutoSave(m_state.autoSave);
    }

    m_view.setPlayLengthChoices(playLengthChoices());
    m_view.showPlayLength(std::to_string(m_state.playLength));

    std::size_t rejected = 0;
    LoadTopicList(
        m_dir, [&](const std::string& topic) { m_topics.push_back(topic); },
        [&](const std::string& topic, const TopicRefusal& refusal) {
            if (++rejected <= kRejectedTopicBoxes) {
                m_prompter.ask(topicRejectedMessage(topic, refusal));
            }
        });
    if (rejected > kRejectedTopicBoxes) {
        m_prompter.ask(moreTopicsRejectedMessage(rejected - kRejectedTopicBoxes));
    }
    m_view.setTopicList(m_topics);
    m_view.setPanelTopicList(m_topics);
    m_view.showTopic(m_topics.empty() ? std::string() : m_topics.front());

    m_view.chooseKnownAnswersOption(false);
    hideKnownAnswers();

    m_state.barFullWidth = static_cast<std::int16_t>(m_view.barLayoutWidth());
}

void MainForm::choosePlayLength(const std::string& text) {
    const Integer16 seconds = readInteger16(text);
    if (seconds.reading != IntegerReading::Ok || seconds.value <= 0) {
        return;
    }
    m_state.playLength = seconds.value;
    saveSettings();
}

void MainForm::setAutoSave(int state) {
    m_state.autoSave = static_cast<std::int16_t>(state);
    saveSettings();
}

void MainForm::saveSettings() {
    try {
        SaveSettings(m_dir, {m_state.playLength, m_state.autoSave});
    } catch (const FileError& error) {
        reportFileError(error,
                        "設定を保存できませんでした。この設定は次に起動したときには戻ります。");
    }
}

void MainForm::showCounters() {
    m_view.setResultText(ResultLabel::New, std::to_string(m_state.newAnswers));
    m_view.setResultText(ResultLabel::Existing, std::to_string(m_state.existingAnswers));
    m_view.setResultText(ResultLabel::Duplicate, std::to_string(m_state.duplicateAnswers));
}

void MainForm::setStartEnabled(bool enabled) {
    m_startEnabled = enabled;
    m_view.setStartEnabled(enabled);
}

std::optional<std::string> MainForm::usableTopic(const std::string& topic) {
    if (const auto refusal = refuseTopic(topic)) {
        m_prompter.ask(unusableTopicMessageBox(topic, *refusal));
        return std::nullopt;
    }
    return storedTopic(topic);
}

void MainForm::reportFileError(const FileError& error, const std::string& context) {
    m_prompter.ask(fileErrorMessage(error, context));
}

std::int16_t nextGameNumber(const std::optional<AnswerLogRecord>& last, const CalendarTime& today) {
    if (!last || last->date != formatDate(today)) {
        return 1;
    }
    std::int16_t number = 0;
    for (const char c : last->gameNumber) {
        if (c < '0' || c > '9') {
            break;
        }
        number = saturatingAdd(saturatingAdd(number, 9 * std::int64_t{number}), c - '0');
    }
    return saturatingAdd(number, 1);
}

} // namespace wordbloom
