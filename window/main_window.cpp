// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include "answer_box.h"
#include "dialogue/messages.h"
#include "look/fonts.h"
#include "pictures.h"
#include "progress_menu.h"
#include "widgets/clickable_frame.h"
#include "widgets/pick_list_combo_box.h"
#include "widgets/text_grid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <filesystem>
#include <utility>

namespace wordbloom {

namespace {

const QString kHelpFile = QStringLiteral("qrc:/help/index.html");

// The one local file or folder a drag carries; empty for anything else.
QString draggedPath(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

MainWindow::MainWindow(const WorkDir& dir, Clock& clock, RandomSource& random,
                       ProgressWindowMaker makeProgressWindow, QWidget* parent)
    : QWidget(parent), m_prompter(this), m_runner(this), m_help(kHelpFile),
      m_makeProgressWindow(std::move(makeProgressWindow)) {
    // The play history is read, and on a high-density screen the pictures
    // are drawn, while the controls are being made. They are drawn for the
    // screen the window is placed on; until it is shown, the window has no
    // ratio of its own.
    PictureSet pictures(screen()->devicePixelRatio());
    m_app = std::make_unique<Wordbloom>(dir, clock, random, *this, m_prompter, m_runner);
    m_app->beginStartUp();
    // A new line edit lays out its empty text in the application's font
    // before it takes its own; while the controls are made that is the
    // window's font, so that no other font is looked up and loaded for it.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(windowFont(9));
    buildControls();
    QApplication::setFont(applicationFont);
    bindEvents();
    setTabOrder();
    placePictures(pictures);
    setAcceptDrops(true);
    passDropsToWindow();
    m_tmrStart->start();
    m_tmrBp->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
    QCoreApplication::processEvents();
    m_busy = true;
    try {
        m_app->startUp();
    } catch (...) {
        m_busy = false;
        throw;
    }
    m_busy = false;
}

void MainWindow::run(const std::function<void()>& handler) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    try {
        handler();
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kAnyFile));
    } catch (const std::exception& error) {
        m_prompter.ask(unexpectedErrorMessage(error.what()));
    }
    m_busy = false;
}

template <typename Sender, typename Signal>
void MainWindow::bind(Sender* sender, Signal signal, std::function<void()> verb) {
    connect(sender, signal, this, [this, verb = std::move(verb)] { run(verb); });
}

void MainWindow::bindEvents() {
    Wordbloom& app = *m_app;
    bind(m_cmdStart, &QToolButton::clicked, [&app] { app.game().startWithRandomTopic(); });
    bind(m_cmdStart2, &QToolButton::clicked, [&app] { app.game().startWithShownTopic(); });
    bind(m_cmdHozon, &QToolButton::clicked, [&app] { app.game().save(); });
    bind(m_cboMondai, &PickListComboBox::picked, [&app] { app.game().pickTopic(); });
    bind(m_optRendata, &QRadioButton::clicked, [&app] { app.game().hideKnownAnswers(); });
    bind(m_optRendata2, &QRadioButton::clicked, [&app] { app.game().showKnownAnswers(); });
    bind(m_cmdClear, &QToolButton::clicked, [&app] { app.history().clear(); });
    bind(m_cmdSyousai, &QToolButton::clicked, [&app] { app.openTopicPanel(); });

    connect(m_cboJikan, &PickListComboBox::picked, this, [this, &app](int index) {
        const std::string text = m_cboJikan->itemText(index).toStdString();
        run([&app, text] { app.settings().choosePlayLength(text); });
    });
    connect(m_chkAs, &QToolButton::clicked, this, [this, &app](bool checked) {
        m_chkAs->setStyleSheet(QString());
        run([&app, checked] { app.settings().setAutoSave(checked ? 1 : 0); });
    });
    // The grids signal rows as they show them, under their header row.
    for (auto rowChosen : {&TextGrid::cellClicked, &TextGrid::cellChosen}) {
        connect(m_msgRireki, rowChosen, this, [this, &app](std::size_t row, int) {
            run([&app, row] { app.takeTopicOfHistoryRow(row - 1); });
        });
    }
    // A scroll area gives the menu's place in its viewport's coordinates.
    m_msgRireki->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_msgRireki, &QWidget::customContextMenuRequested, this, [this, &app](QPoint at) {
        const QModelIndex cell = m_msgRireki->indexAt(at);
        if (!cell.isValid()) {
            return;
        }
        const auto row = static_cast<std::size_t>(cell.row());
        offerProgressMenu(this, m_msgRireki->viewport()->mapToGlobal(at), [this, &app, row] {
            run([&app, row] { app.openProgressOfHistoryRow(row); });
        });
    });
    bind(new QShortcut(kProgressShortcut, this), &QShortcut::activated,
         [&app] { app.openProgressOfDisplayedTopic(); });
    m_txtKaitou->onEnter = [this, &app](const QString& text) {
        bool used = true;
        run([&] { used = app.game().submitAnswer(text.toStdString()); });
        return used;
    };
    connect(m_cmdHelp, &QToolButton::clicked, this, [this] { m_help.open(this); });
    connect(m_cmdEnd, &QToolButton::clicked, this, [this] { endProgram(); });
    bind(m_tmrStart, &QTimer::timeout, [&app] { app.game().countdownTick(); });
    bind(m_tmrBp, &QTimer::timeout, [&app] { app.game().playClockTick(); });
}

// The progress window's part of the table, handed to the window as it is made.
ProgressChoices MainWindow::progressChoices() {
    Wordbloom& app = *m_app;
    return {[this, &app](std::size_t game) {
                run([&app, game] { app.progress().lookAtSavedGame(game); });
            },
            [this, &app](std::size_t game) {
                run([&app, game] { app.progress().lookAtLoggedGame(game); });
            }};
}

// The topic panel's part of the table, bound when the panel is made.
void MainWindow::bindTopicPanelEvents() {
    Wordbloom& app = *m_app;
    bind(m_cmdModoru, &QPushButton::clicked, [&app] { app.closeTopicPanel(); });
    bind(m_fraRireki, &ClickableFrame::clicked, [&app] { app.topicPanel().hide(); });
    // Escape is the keyboard's 戻る.
    bind(m_fraRireki, &ClickableFrame::escapePressed, [&app] { app.closeTopicPanel(); });
    bind(m_cboMondai2, &PickListComboBox::picked, [&app] { app.topicPanel().pickTopic(); });
    bind(m_cmdRenClr, &QPushButton::clicked, [&app] { app.topicPanel().clearTopicData(); });
    const std::pair<QWidget*, QWidget*> parts[] = {{m_fraRireki, m_fraRireki},
                                                   {m_lstRendata2, m_lstRendata2->viewport()},
                                                   {m_msgRireki3, m_msgRireki3->viewport()}};
    for (const auto& part : parts) {
        QWidget* surface = part.second;
        part.first->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(part.first, &QWidget::customContextMenuRequested, this,
                [this, surface, &app](QPoint at) {
                    offerProgressMenu(this, surface->mapToGlobal(at), [this, &app] {
                        run([&app] { app.openProgressOfDisplayedTopic(); });
                    });
                });
    }
}

void MainWindow::importData(const QString& path) {
    const std::filesystem::path source(QFile::encodeName(path).toStdString());
    run([this, &source] { m_app->importData(source); });
}

void MainWindow::passDropsToWindow() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setAcceptDrops(false);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = draggedPath(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The import asks in a box of its own, once the drop is over.
    QTimer::singleShot(0, this, [this, path] { importData(path); });
}

void MainWindow::endProgram() {
    m_help.closeAll();
    m_tmrStart->stop();
    m_tmrBp->stop();
    QCoreApplication::exit(0);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only a shown window knows its screen for sure, and it may move to
    // another one: its pictures follow it.
    if (!m_screenChanges) {
        m_screenChanges = connect(windowHandle(), &QWindow::screenChanged, this,
                                  [this] { fitPicturesToScreen(); });
    }
    fitPicturesToScreen();
}

void MainWindow::fitPicturesToScreen() {
    if (!qFuzzyCompare(devicePixelRatioF(), m_pictureRatio)) {
        PictureSet pictures(devicePixelRatioF());
        placePictures(pictures);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

} // namespace wordbloom
