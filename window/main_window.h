// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/game_view.h"
#include "app/wordbloom.h"
#include "help_viewer.h"
#include "message_box_prompter.h"
#include "progress/progress_window_maker.h"
#include "window/busy_dialog_runner.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QListView;
class QRadioButton;
class QTimer;
class QToolButton;
class QPushButton;

namespace wordbloom {

class AnswerBox;
class ClickableFrame;
class PictureSet;
class TextGrid;
class PickListComboBox;
class TextListModel;

// The one window of the game. It lays out the controls, shows what the game
// sends it, and hands every control event to the verb bound to it in
// bindEvents, the one place where controls meet the game. It holds no game
// state of its own.
class MainWindow final : public QWidget, public GameView {
    Q_OBJECT
public:
    // The progress window (成績) is made by `makeProgressWindow` when it
    // first opens.
    MainWindow(const WorkDir& dir, Clock& clock, RandomSource& random,
               ProgressWindowMaker makeProgressWindow, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills the window from the data files before it is first shown. A
    // failure throws FileError; nothing is shown then.
    void startUp();

    const Wordbloom& app() const { return *m_app; }
    HelpViewer& help() { return m_help; }

    // Brings in the data of a folder or an archive: a drop on the window, or
    // --import.
    void importData(const QString& path);

    // GameView
    std::string shownTopic() const override;
    void showTopic(const std::string& topic) override;
    void setTopicList(const std::vector<std::string>& topics) override;
    void setPanelTopicList(const std::vector<std::string>& topics) override;
    void setResultText(ResultLabel label, const std::string& text) override;
    void clearAnswerBox() override;
    void focusAnswerBox() override;
    void focusStartButton() override;
    void setStartEnabled(bool enabled) override;
    void showTimeLeft(int secondsLeft, int gameLength) override;
    void showFullTime() override;
    void showCountdownStep(int step) override;
    void showAnswerRows(const AnswerGrid& rows) override;
    void answerRowAdded(const AnswerGrid& rows) override;
    void setAnswerGridTopRow(std::size_t row) override;
    void showKnownAnswers(const IndexedTexts& associations) override;
    void knownAnswerAdded(const IndexedTexts& associations) override;
    void setKnownAnswersVisible(bool visible) override;
    void chooseKnownAnswersOption(bool show) override;
    void setPlayLengthChoices(const std::vector<std::string>& choices) override;
    void showPlayLength(const std::string& text) override;
    void showAutoSave(int state) override;
    void showHistoryRows(const PlayHistoryGrid& grid) override;
    void historyRowAdded(const PlayHistoryGrid& grid) override;
    void setHistoryGridTopRow(std::size_t row) override;
    std::string panelTopic() const override;
    void setPanelTopic(const std::string& topic) override;
    void showTopicHistory(const TopicHistory& history) override;
    void setTopicPanelVisible(bool visible) override;
    void showProgress(const std::string& topic, const TopicProgress& topicProgress,
                      const OverallProgress& overallProgress) override;
    void showGameCloseUp(const GameCloseUp& closeUp) override;
    void showUnloggedGame(std::size_t savedGame) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildGamePanel();
    // The topic history panel is made the first time it is needed, so that
    // start-up pays only for the controls it shows.
    void buildTopicPanel();
    void ensureTopicPanel();
    void bindTopicPanelEvents();
    ProgressChoices progressChoices();
    bool topicPanelOpen() const;
    // The answer number's cell in the colour of the answer's kind.
    void colourAnswerRow(const AnswerGrid& rows, std::size_t row);
    // The time bar's width, and its full width as laid out, in twips.
    void setBarWidth(int twips);
    int barLayoutWidth() const;
    // Puts each picture in its control, once the set has rendered them.
    void placePictures(PictureSet& pictures);
    // Renders the pictures again when the window stands on a screen of
    // another pixel ratio than the one they were rendered for.
    void fitPicturesToScreen();
    void bindEvents();
    // Binds a control's signal to a verb of the game, run through run().
    template <typename Sender, typename Signal>
    void bind(Sender* sender, Signal signal, std::function<void()> verb);
    void setTabOrder();
    // Runs one handler to completion. A tick that falls while a handler waits
    // on a message box is skipped: the clock catches up at the next tick.
    void run(const std::function<void()>& handler);
    void endProgram();
    // Text boxes leave a dropped folder or archive to the window.
    void passDropsToWindow();

    MessageBoxPrompter m_prompter;
    BusyDialogRunner m_runner;
    HelpViewer m_help;
    std::unique_ptr<Wordbloom> m_app;
    bool m_busy = false;
    // A countdown ended while the topic panel covered the answer box.
    bool m_answerBoxAwaitsFocus = false;
    qreal m_pictureRatio = 0;
    QMetaObject::Connection m_screenChanges;

    QLabel* m_image1 = nullptr;
    QToolButton* m_cmdStart = nullptr;
    QToolButton* m_cmdHozon = nullptr;
    QToolButton* m_cmdClear = nullptr;
    QToolButton* m_cmdHelp = nullptr;
    QToolButton* m_cmdEnd = nullptr;
    ClickableFrame* m_fraRireki = nullptr;
    PickListComboBox* m_cboMondai2 = nullptr;
    QPushButton* m_cmdRenClr = nullptr;
    QPushButton* m_cmdModoru = nullptr;
    QListView* m_lstRendata2 = nullptr;
    TextGrid* m_msgRireki3 = nullptr;
    QFrame* m_frame1 = nullptr;
    std::array<QLabel*, 3> m_imgStart{};
    PickListComboBox* m_cboJikan = nullptr;
    QToolButton* m_chkAs = nullptr;
    QLabel* m_lblOk = nullptr;
    QLabel* m_lblChu = nullptr;
    QLabel* m_lblNg = nullptr;
    QLabel* m_lblMojiT = nullptr;
    QLabel* m_lblByou = nullptr;
    QFrame* m_shpJikanK = nullptr;
    PickListComboBox* m_cboMondai = nullptr;
    QToolButton* m_cmdStart2 = nullptr;
    TextGrid* m_msgRireki2 = nullptr;
    AnswerBox* m_txtKaitou = nullptr;
    QToolButton* m_cmdSyousai = nullptr;
    QRadioButton* m_optRendata2 = nullptr;
    QRadioButton* m_optRendata = nullptr;
    QListView* m_lstRenData = nullptr;
    TextGrid* m_msgRireki = nullptr;
    TextListModel* m_associationModel = nullptr;
    TextListModel* m_panelAssociationModel = nullptr;
    // The panel's topic list, kept until the panel is made.
    std::vector<std::string> m_panelTopics;
    QTimer* m_tmrStart = nullptr;
    QTimer* m_tmrBp = nullptr;
    // The progress window, a window of its own owned by this one, made when
    // first opened.
    ProgressWindowMaker m_makeProgressWindow;
    ProgressView* m_progressWindow = nullptr;
};

} // namespace wordbloom
