// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"
#include "answer_box.h"
#include "dialogue/messages.h"
#include "fonts.h"
#include "game_grids.h"
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

namespace wordbloom {

namespace {

constexpr std::uint32_t kPaleYellow = 0x00F0FFFF; // (255, 255, 240)

template <typename Widget>
Widget* control(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rectFromTwips(left, top, width, height));
    // The place as designed, in twips, for what is measured from the layout.
    widget->setProperty("twips", QRect(left, top, width, height));
    return widget;
}

void setFontSize(QWidget* widget, double pointSize) {
    widget->setFont(windowFont(pointSize));
}

// A control that shows a caption in the window's font at a given size.
template <typename Widget>
Widget* captioned(QWidget* parent, const char* name, int left, int top, int width, int height,
                  const QString& caption, double pointSize) {
    auto* widget = control<Widget>(parent, name, left, top, width, height);
    widget->setText(caption);
    setFontSize(widget, pointSize);
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

QFrame* frame(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = control<QFrame>(parent, name, left, top, width, height);
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Sunken);
    return box;
}

// A button of picture style: its picture above its caption.
QToolButton* pictureButton(QWidget* parent, const char* name, int left, int top, int width,
                           int height, const QString& caption, QSize artSize, const QString& tip) {
    auto* button = control<QToolButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setIconSize(artSize);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextUnderIcon);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel* counterLabel(QWidget* parent, const char* name, int left, int width,
                     const QString& designText, std::uint32_t colour) {
    auto* label = control<QLabel>(parent, name, left, 180, width, 465);
    label->setText(designText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFontSize(label, 20.25);
    setColours(label, colour, std::nullopt);
    return label;
}

QLabel* marker(QWidget* parent, const char* name, int left, int top, int width, int height,
               const QString& text, std::uint32_t background) {
    auto* label = control<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    setFontSize(label, 12);
    setColours(label, 0x00FFFFFF, background);
    return label;
}

PickListComboBox* comboBox(QWidget* parent, const char* name, int left, int top, int width,
                           int height, double pointSize, std::uint32_t background) {
    auto* combo = control<PickListComboBox>(parent, name, left, top, width, height);
    combo->setMaxVisibleItems(16);
    setFontSize(combo, pointSize);
    setColours(combo, std::nullopt, background);
    combo->setAutoFillBackground(false);
    combo->setEditText(QStringLiteral("Combo1"));
    return combo;
}

template <typename Shape = QFrame>
Shape* filledRectangle(QWidget* parent, const char* name, std::uint32_t colour) {
    auto* shape = control<Shape>(parent, name, 225, 945, 8745, 75);
    setColours(shape, std::nullopt, colour);
    return shape;
}

QListView* listBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                   TextListModel* model) {
    auto* list = control<QListView>(parent, name, left, top, width, height);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColours(list, std::nullopt, kPaleYellow);
    return list;
}

void chainTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* const* widgets = order.begin();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

} // namespace

void MainWindow::buildControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Wordbloom"));
    setFixedSize(pixelsFromTwips(9465), pixelsFromTwips(6780));
    setFont(windowFont(9));

    // The toolbar row.
    m_image1 = control<QLabel>(this, "Image1", 150, 150, 4860, 945);
    m_cmdStart = pictureButton(this, "cmdStart", 5175, 150, 840, 915, QStringLiteral("スタート"),
                               {32, 32}, QStringLiteral("ゲームをスタートします"));
    m_cmdHozon = pictureButton(this, "cmdHozon", 6000, 150, 840, 915, QStringLiteral("保存"),
                               {32, 32}, QStringLiteral("データを保存します"));
    m_cmdClear = pictureButton(this, "cmdClear", 6825, 150, 840, 915, QStringLiteral("クリア"),
                               {32, 32}, QStringLiteral("履歴データをクリアします"));
    m_cmdHelp = pictureButton(this, "cmdHelp", 7650, 150, 840, 915, QStringLiteral("ヘルプ"),
                              {32, 32}, QStringLiteral("ヘルプファイルを開きます"));
    m_cmdEnd = pictureButton(this, "cmdEnd", 8475, 150, 840, 915, QStringLiteral("終了"), {32, 32},
                             QStringLiteral("プログラムを終了します"));
    setColours(control<QFrame>(this, "Line1_1", 150, 1260, 9150, 15), std::nullopt, 0x00000000);
    setColours(control<QFrame>(this, "Line1_0", 150, 1275, 9150, 15), std::nullopt, 0x00FFFFFF);

    // The game panel.
    m_frame1 = frame(this, "Frame1", 130, 1300, 9240, 5370);
    for (int index = 3; index >= 1; --index) {
        const char* names[] = {"imgStart1", "imgStart2", "imgStart3"};
        auto* image = control<QLabel>(m_frame1, names[index - 1], 180, 270, 480, 480);
        m_imgStart[static_cast<std::size_t>(index - 1)] = image;
    }
    // The label's box reaches under the play-length box below it: set at the
    // top of its box, the caption stays clear of it on a scaled screen too,
    // where the glyphs come out a little taller.
    auto* playLengthHeading = captioned<QLabel>(m_frame1, "Label1_1", 900, 195, 1155, 330,
                                                QStringLiteral("プレイ秒数"), 11.25);
    playLengthHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_cboJikan = comboBox(m_frame1, "cboJikan", 900, 450, 1065, 405, 14.25, kPaleYellow);
    playLengthHeading->setBuddy(m_cboJikan);
    m_chkAs = pictureButton(m_frame1, "chkAs", 2100, 450, 420, 420, QString(), {16, 16},
                            QStringLiteral("履歴の自動保存を制御します"));
    m_chkAs->setCheckable(true);

    auto* frame2 = frame(m_frame1, "Frame2", 3000, 150, 5955, 735);
    m_lblOk = counterLabel(frame2, "lblOk", 150, 930, QStringLiteral("999"), 0x00008000);
    m_lblChu = counterLabel(frame2, "lblChu", 1125, 930, QStringLiteral("999"), 0x00008080);
    m_lblNg = counterLabel(frame2, "lblNg", 2100, 930, QStringLiteral("999"), 0x000000FF);
    m_lblMojiT = counterLabel(frame2, "lblMoji_T", 3150, 930, QStringLiteral("9999"), 0x00000080);
    m_lblByou = counterLabel(frame2, "lblByou", 4125, 1680, QStringLiteral("2.63/秒"), 0x00800000);

    filledRectangle(m_frame1, "shpJikanB", 0x000000FF);
    m_shpJikanK = filledRectangle<TimeBar>(m_frame1, "shpJikanK", 0x0000FF00);

    auto* hint = marker(m_frame1, "lblHint", 240, 1125, 390, 450, QStringLiteral("問"), 0x00C0C000);
    hint->setToolTip(QString::fromUtf8(kTopicMarkTip));
    m_cboMondai = comboBox(m_frame1, "cboMondai", 650, 1125, 5025, 435, 15.75, 0x00C0EEFF);
    m_cboMondai->setEditText(QStringLiteral("一番食べたいもの"));
    hint->setBuddy(m_cboMondai);
    m_cmdStart2 = pictureButton(m_frame1, "cmdStart2", 5750, 1125, 465, 420, QString(), {24, 22},
                                QStringLiteral("表示中の問いでゲームスタート"));
    m_msgRireki2 = control<TextGrid>(m_frame1, "msgRireki2", 6300, 1125, 2715, 2010);
    setFontSize(m_msgRireki2, 9);
    setColours(m_msgRireki2, std::nullopt, 0x00FFFFFF);

    // The ideographic space leads the text; aligned right, the mark itself
    // stands whole in the narrow label.
    auto* answerMark =
        marker(m_frame1, "Label2_1", 240, 1575, 390, 720, QStringLiteral("　答"), 0x008080FF);
    answerMark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtKaitou = control<AnswerBox>(m_frame1, "txtKaitou", 650, 1575, 5550, 720);
    answerMark->setBuddy(m_txtKaitou);
    m_txtKaitou->setText(QStringLiteral("みどり"));
    setFontSize(m_txtKaitou, 27.75);
    setColours(m_txtKaitou, std::nullopt, kPaleYellow);

    m_cmdSyousai =
        pictureButton(m_frame1, "cmdSyousai", 240, 2400, 960, 720, QStringLiteral("履歴表示"),
                      {32, 32}, QStringLiteral("履歴を表示します"));
    m_optRendata2 = captioned<OptionButton>(m_frame1, "optRendata2", 1425, 2400, 1590, 405,
                                            QStringLiteral("既存表示"), 11.25);
    m_optRendata = captioned<OptionButton>(m_frame1, "optRendata", 1425, 2775, 1590, 405,
                                           QStringLiteral("既存非表示"), 11.25);
    m_associationModel = new TextListModel(this);
    m_lstRenData = listBox(m_frame1, "lstRenData", 3075, 2400, 3100, 780, m_associationModel);
    m_msgRireki = control<TextGrid>(m_frame1, "msgRireki", 225, 3225, 8790, 1965);
    for (TextGrid* grid : {m_msgRireki, m_msgRireki2}) {
        grid->setTabKeyNavigation(false);
    }
    setFontSize(m_msgRireki, 9);
    m_msgRireki->applyLayout(playHistoryGridLayout());

    m_tmrStart = new QTimer(this);
    m_tmrStart->setObjectName(QStringLiteral("tmrStart"));
    m_tmrBp = new QTimer(this);
    m_tmrBp->setObjectName(QStringLiteral("tmrBp"));
    for (QTimer* timer : {m_tmrStart, m_tmrBp}) {
        timer->setInterval(1000);
    }
    nameControls(*this);
}

void MainWindow::buildTopicPanel() {
    // The topic history panel lies over the game panel: made after it, it
    // stands above it.
    m_fraRireki = control<ClickableFrame>(this, "fraRireki", 130, 1300, 9240, 5370);
    m_fraRireki->hide();
    m_fraRireki->setFrameShape(QFrame::Box);
    m_fraRireki->setFrameShadow(QFrame::Sunken);
    m_fraRireki->setAutoFillBackground(true);
    m_cboMondai2 = comboBox(m_fraRireki, "cboMondai2", 150, 300, 6090, 435, 15.75, kPaleYellow);
    m_cmdRenClr = captioned<QPushButton>(m_fraRireki, "cmdRenClr", 6375, 300, 1290, 390,
                                         QStringLiteral("履歴削除"), 11.25);
    m_cmdModoru = captioned<QPushButton>(m_fraRireki, "cmdModoru", 7800, 300, 1290, 390,
                                         QStringLiteral("戻る"), 11.25);
    m_panelAssociationModel = new TextListModel(this);
    m_lstRendata2 =
        listBox(m_fraRireki, "lstRendata2", 150, 825, 2640, 4335, m_panelAssociationModel);
    setFontSize(m_lstRendata2, 11.25);
    m_msgRireki3 = control<TextGrid>(m_fraRireki, "msgRireki3", 2925, 825, 6165, 4395);
    setFontSize(m_msgRireki3, 11.25);
    m_msgRireki3->setTabKeyNavigation(false);
    nameControls(*m_fraRireki);
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

void MainWindow::setTabOrder() {
    chainTabOrder({m_cmdStart, m_cmdHozon, m_cmdClear, m_cmdHelp, m_cmdEnd, m_cboJikan, m_chkAs,
                   m_msgRireki, m_txtKaitou, m_cboMondai, m_lstRenData, m_cmdStart2, m_msgRireki2,
                   m_optRendata, m_optRendata2, m_cmdSyousai});
}

void MainWindow::setTopicPanelTabOrder() {
    chainTabOrder(
        {m_cmdSyousai, m_msgRireki3, m_lstRendata2, m_cboMondai2, m_cmdRenClr, m_cmdModoru});
}

} // namespace wordbloom
