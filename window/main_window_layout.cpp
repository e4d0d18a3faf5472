// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"
#include "answer_box.h"
#include "control_table.h"
#include "game_grids.h"
#include "look/fonts.h"
#include "option_button.h"
#include "pictures.h"
#include "time_bar.h"
#include "widgets/clickable_frame.h"
#include "widgets/pick_list_combo_box.h"
#include "widgets/text_grid.h"
#include "widgets/text_list_model.h"
#include "widgets/units.h"
#include "window/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <string_view>
#include <type_traits>

namespace wordbloom {

namespace {

constexpr std::uint32_t kPaleYellow = 0x00F0FFFF; // (255, 255, 240)

// A control as the table describes it, under `parent`: its place, caption,
// font, tool tip and names for screen readers.
template <typename Widget> Widget* control(QWidget* parent, const char* name) {
    const ControlDescription& described = describedControl(name);
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    const QRect twips(described.left, described.top, described.width, described.height);
    widget->setGeometry(rectFromTwips(twips.left(), twips.top(), twips.width(), twips.height()));
    // The place as designed, in twips, for what is measured from the layout.
    widget->setProperty("twips", twips);
    const QString caption = QString::fromUtf8(described.caption);
    if constexpr (std::is_base_of_v<QComboBox, Widget>) {
        widget->setEditText(caption);
    } else if constexpr (requires { widget->setText(caption); }) {
        widget->setText(caption);
    }
    if (described.pointSize > 0) {
        widget->setFont(windowFont(described.pointSize));
    }
    widget->setToolTip(QString::fromUtf8(described.tip));
    nameControl(*widget, described);
    return widget;
}

void setColours(QWidget* widget, std::optional<std::uint32_t> text,
                std::optional<std::uint32_t> background) {
    QPalette palette = widget->palette();
    if (text) {
        palette.setColor(QPalette::WindowText, colourFromBgr(*text));
        palette.setColor(QPalette::Text, colourFromBgr(*text));
    }
    if (background) {
        palette.setColor(QPalette::Window, colourFromBgr(*background));
        palette.setColor(QPalette::Base, colourFromBgr(*background));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

template <typename Frame = QFrame> Frame* frame(QWidget* parent, const char* name) {
    auto* box = control<Frame>(parent, name);
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Sunken);
    return box;
}

// A button of picture style: its picture above its caption.
QToolButton* pictureButton(QWidget* parent, const char* name, QSize artSize) {
    auto* button = control<QToolButton>(parent, name);
    button->setIconSize(artSize);
    button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly
                                                        : Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel* counterLabel(QWidget* parent, const char* name, std::uint32_t colour) {
    auto* label = control<QLabel>(parent, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setColours(label, colour, std::nullopt);
    return label;
}

QLabel* marker(QWidget* parent, const char* name, std::uint32_t background) {
    auto* label = control<QLabel>(parent, name);
    label->setAlignment(Qt::AlignCenter);
    setColours(label, 0x00FFFFFF, background);
    return label;
}

PickListComboBox* comboBox(QWidget* parent, const char* name, std::uint32_t background) {
    auto* combo = control<PickListComboBox>(parent, name);
    combo->setMaxVisibleItems(16);
    setColours(combo, std::nullopt, background);
    combo->setAutoFillBackground(false);
    return combo;
}

template <typename Shape = QFrame>
Shape* filledRectangle(QWidget* parent, const char* name, std::uint32_t colour) {
    auto* shape = control<Shape>(parent, name);
    setColours(shape, std::nullopt, colour);
    return shape;
}

QListView* listBox(QWidget* parent, const char* name, TextListModel* model) {
    auto* list = control<QListView>(parent, name);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColours(list, std::nullopt, kPaleYellow);
    return list;
}

TextGrid* grid(QWidget* parent, const char* name) {
    auto* made = control<TextGrid>(parent, name);
    made->setTabKeyNavigation(false);
    return made;
}

} // namespace

void MainWindow::buildControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Wordbloom"));
    setFixedSize(pixelsFromTwips(9465), pixelsFromTwips(6780));
    setFont(windowFont(9));

    // The toolbar row.
    m_image1 = control<QLabel>(this, "Image1");
    m_cmdStart = pictureButton(this, "cmdStart", {32, 32});
    m_cmdHozon = pictureButton(this, "cmdHozon", {32, 32});
    m_cmdClear = pictureButton(this, "cmdClear", {32, 32});
    m_cmdHelp = pictureButton(this, "cmdHelp", {32, 32});
    m_cmdEnd = pictureButton(this, "cmdEnd", {32, 32});
    filledRectangle(this, "Line1_1", 0x00000000);
    filledRectangle(this, "Line1_0", 0x00FFFFFF);

    m_frame1 = frame(this, "Frame1");
    buildGamePanel();
}

void MainWindow::buildGamePanel() {
    // Made from the last to the first, so that the first stands above the
    // others.
    m_imgStart[2] = control<QLabel>(m_frame1, "imgStart3");
    m_imgStart[1] = control<QLabel>(m_frame1, "imgStart2");
    m_imgStart[0] = control<QLabel>(m_frame1, "imgStart1");
    // The label's box reaches under the play-length box below it: set at the
    // top of its box, the caption stays clear of it on a scaled screen too,
    // where the glyphs come out a little taller.
    auto* playLengthHeading = control<QLabel>(m_frame1, "Label1_1");
    playLengthHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_cboJikan = comboBox(m_frame1, "cboJikan", kPaleYellow);
    playLengthHeading->setBuddy(m_cboJikan);
    m_chkAs = pictureButton(m_frame1, "chkAs", {16, 16});
    m_chkAs->setCheckable(true);

    auto* frame2 = frame(m_frame1, "Frame2");
    m_lblOk = counterLabel(frame2, "lblOk", 0x00008000);
    m_lblChu = counterLabel(frame2, "lblChu", 0x00008080);
    m_lblNg = counterLabel(frame2, "lblNg", 0x000000FF);
    m_lblMojiT = counterLabel(frame2, "lblMoji_T", 0x00000080);
    m_lblByou = counterLabel(frame2, "lblByou", 0x00800000);

    filledRectangle(m_frame1, "shpJikanB", 0x000000FF);
    m_shpJikanK = filledRectangle<TimeBar>(m_frame1, "shpJikanK", 0x0000FF00);

    auto* topicMark = marker(m_frame1, "lblHint", 0x00C0C000);
    m_cboMondai = comboBox(m_frame1, "cboMondai", 0x00C0EEFF);
    topicMark->setBuddy(m_cboMondai);
    m_cmdStart2 = pictureButton(m_frame1, "cmdStart2", {24, 22});
    m_msgRireki2 = grid(m_frame1, "msgRireki2");
    setColours(m_msgRireki2, std::nullopt, 0x00FFFFFF);

    auto* answerMark = marker(m_frame1, "Label2_1", 0x008080FF);
    answerMark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtKaitou = control<AnswerBox>(m_frame1, "txtKaitou");
    answerMark->setBuddy(m_txtKaitou);
    setColours(m_txtKaitou, std::nullopt, kPaleYellow);

    m_cmdSyousai = pictureButton(m_frame1, "cmdSyousai", {32, 32});
    m_optRendata2 = control<OptionButton>(m_frame1, "optRendata2");
    m_optRendata = control<OptionButton>(m_frame1, "optRendata");
    m_associationModel = new TextListModel(this);
    m_lstRenData = listBox(m_frame1, "lstRenData", m_associationModel);
    m_msgRireki = grid(m_frame1, "msgRireki");
    m_msgRireki->applyLayout(playHistoryGridLayout());

    m_tmrStart = new QTimer(this);
    m_tmrStart->setObjectName(QStringLiteral("tmrStart"));
    m_tmrBp = new QTimer(this);
    m_tmrBp->setObjectName(QStringLiteral("tmrBp"));
    for (QTimer* timer : {m_tmrStart, m_tmrBp}) {
        timer->setInterval(1000);
    }
}

void MainWindow::buildTopicPanel() {
    // The topic history panel lies over the game panel: made after it, it
    // stands above it.
    m_fraRireki = frame<ClickableFrame>(this, "fraRireki");
    m_fraRireki->hide();
    m_fraRireki->setAutoFillBackground(true);
    m_cboMondai2 = comboBox(m_fraRireki, "cboMondai2", kPaleYellow);
    m_cmdRenClr = control<QPushButton>(m_fraRireki, "cmdRenClr");
    m_cmdModoru = control<QPushButton>(m_fraRireki, "cmdModoru");
    m_panelAssociationModel = new TextListModel(this);
    m_lstRendata2 = listBox(m_fraRireki, "lstRendata2", m_panelAssociationModel);
    m_msgRireki3 = grid(m_fraRireki, "msgRireki3");
}

void MainWindow::placePictures(PictureSet& pictures) {
    m_pictureRatio = pictures.devicePixelRatio();
    const QIcon start = pictures.icon(QStringLiteral("start"));
    setWindowIcon(start);
    m_image1->setPixmap(pictures.picture(QStringLiteral("title")));
    m_cmdStart->setIcon(start);
    m_cmdHozon->setIcon(pictures.icon(QStringLiteral("save")));
    m_cmdClear->setIcon(pictures.icon(QStringLiteral("clear")));
    m_cmdHelp->setIcon(pictures.icon(QStringLiteral("help")));
    m_cmdEnd->setIcon(pictures.icon(QStringLiteral("end")));
    m_imgStart[0]->setPixmap(pictures.picture(QStringLiteral("signal_red")));
    m_imgStart[1]->setPixmap(pictures.picture(QStringLiteral("signal_yellow")));
    m_imgStart[2]->setPixmap(pictures.picture(QStringLiteral("signal_green")));
    m_chkAs->setIcon(pictures.icon(QStringLiteral("autosave")));
    m_cmdStart2->setIcon(pictures.icon(QStringLiteral("start_shown")));
    m_cmdSyousai->setIcon(pictures.icon(QStringLiteral("history")));
}

// The keyboard's round through the controls made so far, in the table's
// order.
void MainWindow::setTabOrder() {
    QWidget* previous = nullptr;
    for (const std::string_view name : tabRound()) {
        auto* next = findChild<QWidget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (next == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

} // namespace wordbloom
