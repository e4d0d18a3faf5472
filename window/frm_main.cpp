#include "frm_main.h"

#include "answer_box.h"
#include "clickable_frame.h"
#include "flex_grid.h"
#include "game/messages.h"
#include "pick_list_combo_box.h"
#include "pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace wordbloom {

namespace {
const QString kHelpFile = QStringLiteral("qrc:/help/index.html");
}

FrmMain::FrmMain(WorkDir dir, Clock& clock, RandomSource& random, QWidget* parent)
    : QWidget(parent), m_prompter(this), m_runner(this), m_help(kHelpFile) {
    // The pictures are rendered and the play history is read while the
    // controls are being made.
    PictureSet pictures(devicePixelRatioF());
    m_form = std::make_unique<MainForm>(std::move(dir), clock, random, *this, m_prompter, m_runner);
    m_form->beginStartUp();
    buildControls();
    bindEvents();
    setTabOrder();
    placePictures(pictures);
    m_tmrStart->start();
    m_tmrBp->start();
}

FrmMain::~FrmMain() = default;

void FrmMain::startUp() {
    m_fraRireki->hide();
    QCoreApplication::processEvents();
    m_busy = true;
    try {
        m_form->startUp();
    } catch (...) {
        m_busy = false;
        throw;
    }
    m_busy = false;
}

void FrmMain::run(const std::function<void()>& handler) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    try {
        handler();
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, "ファイルを扱えませんでした。"));
    } catch (const std::exception& error) {
        m_prompter.ask({std::string("予期しないエラーが起きました。\n\n") + error.what(),
                        "Wordbloom", MessageIcon::Critical, MessageButtons::Ok});
    }
    m_busy = false;
}

void FrmMain::tmrStart_Timer() {
    run([this] { m_form->countdownTick(); });
}

void FrmMain::tmrBp_Timer() {
    run([this] { m_form->playClockTick(); });
}

void FrmMain::bindEvents() {
    const auto bind = [this](auto* sender, auto signal, void (MainForm::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { run([this, handler] { (*m_form.*handler)(); }); });
    };
    bind(m_cmdStart, &QToolButton::clicked, &MainForm::startWithRandomTopic);
    bind(m_cmdStart2, &QToolButton::clicked, &MainForm::startWithShownTopic);
    bind(m_cmdHozon, &QToolButton::clicked, &MainForm::save);
    bind(m_cmdClear, &QToolButton::clicked, &MainForm::clearPlayHistory);
    bind(m_cmdSyousai, &QToolButton::clicked, &MainForm::openTopicPanel);
    bind(m_cmdModoru, &QPushButton::clicked, &MainForm::closeTopicPanel);
    bind(m_cmdRenClr, &QPushButton::clicked, &MainForm::clearTopicData);
    bind(m_fraRireki, &ClickableFrame::clicked, &MainForm::hideTopicPanel);
    bind(m_optRendata, &QRadioButton::clicked, &MainForm::hideKnownAnswers);
    bind(m_optRendata2, &QRadioButton::clicked, &MainForm::showKnownAnswers);
    bind(m_cboMondai, &PickListComboBox::picked, &MainForm::pickTopic);
    bind(m_cboMondai2, &PickListComboBox::picked, &MainForm::pickPanelTopic);

    connect(m_cboJikan, &PickListComboBox::picked, this, [this](int index) {
        const std::string text = m_cboJikan->itemText(index).toStdString();
        run([this, text] { m_form->choosePlayLength(text); });
    });
    connect(m_chkAs, &QToolButton::clicked, this, [this](bool checked) {
        m_chkAs->setStyleSheet(QString());
        run([this, checked] { m_form->setAutoSave(checked ? 1 : 0); });
    });
    connect(m_msgRireki, &FlexGrid::cellClicked, this, [this](std::size_t row, int) {
        run([this, row] { m_form->takeTopicOfHistoryRow(row); });
    });
    m_txtKaitou->onEnter = [this](const QString& text) {
        bool used = true;
        run([&] { used = m_form->submitAnswer(text.toStdString()); });
        return used;
    };
    connect(m_cmdHelp, &QToolButton::clicked, this, [this] { m_help.open(this); });
    connect(m_cmdEnd, &QToolButton::clicked, this, [this] { endProgram(); });
    connect(m_tmrStart, &QTimer::timeout, this, [this] { tmrStart_Timer(); });
    connect(m_tmrBp, &QTimer::timeout, this, [this] { tmrBp_Timer(); });
}

void FrmMain::endProgram() {
    m_help.closeAll();
    m_tmrStart->stop();
    m_tmrBp->stop();
    QCoreApplication::exit(0);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

} // namespace wordbloom
