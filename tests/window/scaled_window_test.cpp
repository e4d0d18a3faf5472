// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen with more device pixels than logical ones, as
// QT_SCALE_FACTOR or a desktop's scaling makes it. CTest runs these cases with
// the factor set to 2 and to 1.5, and the last one on two screens of different
// density: every picture must come from its SVG at the screen's density,
// never from a small bitmap blown up.

#include "widgets/units.h"
#include "look/fonts.h"
#include "window_session.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <cmath>
#include <cstdlib>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

struct Picture {
    const char* control;
    const char* art;
    QSize size; // logical pixels
};

const Picture kLabelPictures[] = {
    {"Image1", "title", {324, 63}},
    {"imgStart1", "signal_red", {32, 32}},
    {"imgStart2", "signal_yellow", {32, 32}},
    {"imgStart3", "signal_green", {32, 32}},
};

const Picture kButtonPictures[] = {
    {"cmdStart", "start", {32, 32}},
    {"cmdHozon", "save", {32, 32}},
    {"cmdClear", "clear", {32, 32}},
    {"cmdHelp", "help", {32, 32}},
    {"cmdEnd", "end", {32, 32}},
    {"chkAs", "autosave", {16, 16}},
    {"cmdStart2", "start_shown", {24, 22}},
    {"cmdSyousai", "history", {32, 32}},
};

QSize devicePixels(QSize size, qreal ratio) {
    return {static_cast<int>(std::ceil(size.width() * ratio)),
            static_cast<int>(std::ceil(size.height() * ratio))};
}

// The SVG drawn straight at the device's resolution: a sharp picture.
QImage fromSvg(const char* art, QSize size, qreal ratio) {
    QImage image(devicePixels(size, ratio), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(":/art/%1.svg").arg(QLatin1String(art)))
        .render(&painter, QRectF(QPointF(), QSizeF(size) * ratio));
    return image;
}

// The picture drawn at ratio 1 and blown up: what a sharp one must not be.
QImage blownUp(const char* art, QSize size, qreal ratio) {
    return fromSvg(art, size, 1.0)
        .scaled(devicePixels(size, ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A picture as a button draws it in a mode: greyed when disabled.
QImage inMode(const QImage& picture, QIcon::Mode mode) {
    QStyleOption option;
    option.palette = QApplication::palette();
    return QApplication::style()
        ->generatedIconPixmap(mode, QPixmap::fromImage(picture), &option)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// How far two images of one size lie apart: the mean difference of their
// channels, from 0 to 255.
double distance(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != b.size()) {
        return 255;
    }
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

// Sharp pictures lie this close to their SVG; blown-up ones lie further.
constexpr double kSharp = 1.0;

// Checks a rendering of a picture against its SVG drawn at the screen's
// density and, where the screen has more pixels than logical ones, that a
// bitmap blown up would have failed the same check.
void checkSharp(const QImage& shown, const QImage& sharp, const QImage& blurred, qreal ratio,
                const QString& what) {
    const double fromSharp = distance(shown, sharp);
    const double fromBlurred = distance(shown, blurred);
    QVERIFY2(fromSharp < kSharp, qPrintable(QStringLiteral("%1 lies %2 from its SVG, %3 from a "
                                                           "blown-up bitmap")
                                                .arg(what)
                                                .arg(fromSharp)
                                                .arg(fromBlurred)));
    if (ratio > 1) {
        QVERIFY2(fromBlurred > kSharp, qPrintable(what + QStringLiteral(" cannot be told apart")));
    }
}

void checkPixmap(const QPixmap& pixmap, const Picture& picture, qreal ratio, QIcon::Mode mode,
                 const QString& what) {
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QCOMPARE(pixmap.size(), devicePixels(picture.size, ratio));
    checkSharp(pixmap.toImage(), inMode(fromSvg(picture.art, picture.size, ratio), mode),
               inMode(blownUp(picture.art, picture.size, ratio), mode), ratio, what);
}

// Every picture the window holds, each state of each icon included, at the
// window's screen's density.
void checkEveryPicture(const Session& session) {
    const MainWindow& window = *session.window;
    const qreal ratio = window.devicePixelRatioF();
    for (const Picture& picture : kLabelPictures) {
        checkPixmap(session.find<QLabel>(picture.control)->pixmap(), picture, ratio, QIcon::Normal,
                    QString::fromLatin1(picture.control));
    }
    for (const Picture& picture : kButtonPictures) {
        const auto* button = session.find<QToolButton>(picture.control);
        QCOMPARE(button->iconSize(), picture.size);
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
                checkPixmap(button->icon().pixmap(picture.size, ratio, mode, state), picture, ratio,
                            mode,
                            QStringLiteral("%1 mode %2 state %3")
                                .arg(QLatin1String(picture.control))
                                .arg(mode)
                                .arg(state));
            }
        }
    }
    checkPixmap(window.windowIcon().pixmap(QSize(32, 32), ratio), kButtonPictures[0], ratio,
                QIcon::Normal, QStringLiteral("window icon"));
}

// The smallest rectangle inside `area` where the two images differ.
QRect differingArea(const QImage& first, const QImage& second, const QRect& area) {
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (first.pixel(x, y) != second.pixel(x, y)) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

// The smallest rectangle around the pixels of `picture` that have any ink.
QRect inkedArea(const QImage& picture) {
    QImage transparent(picture.size(), picture.format());
    transparent.fill(Qt::transparent);
    return differingArea(picture, transparent, picture.rect());
}

// `picture` laid over `background`, as a control draws it.
QImage laidOver(const QImage& picture, const QImage& background) {
    QImage result = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(1); // pixel for pixel
    QPainter painter(&result);
    painter.drawImage(QPoint(), picture);
    return result;
}

// Checks one control's picture as the shown window draws it. The picture is
// where the window drawn with it differs from the window drawn without it;
// there it must match its SVG, drawn at the screen's density and laid over
// what lies under it.
void checkDrawnSharp(const Session& session, const Picture& picture) {
    MainWindow& window = *session.window;
    const qreal ratio = window.devicePixelRatioF();
    auto* control = session.find(picture.control);
    auto* label = qobject_cast<QLabel*>(control);
    auto* button = qobject_cast<QToolButton*>(control);
    const QIcon::Mode mode = control->isEnabled() ? QIcon::Normal : QIcon::Disabled;

    const QImage shown = window.grab().toImage();
    QPixmap blank(devicePixels(picture.size, ratio));
    blank.setDevicePixelRatio(ratio);
    blank.fill(Qt::transparent);
    const QPixmap pixmap = label ? label->pixmap() : QPixmap();
    const QIcon icon = button ? button->icon() : QIcon();
    label ? label->setPixmap(blank) : button->setIcon(QIcon(blank));
    const QImage bare = window.grab().toImage();
    label ? label->setPixmap(pixmap) : button->setIcon(icon);

    const QRect place =
        QRectF(QPointF(control->mapTo(&window, QPoint())) * ratio, QSizeF(control->size()) * ratio)
            .toAlignedRect()
            .intersected(shown.rect());
    const QImage sharp = inMode(fromSvg(picture.art, picture.size, ratio), mode);
    const QRect drawn = differingArea(shown, bare, place);
    const QRect inked = inkedArea(sharp);
    QCOMPARE(drawn.size(), inked.size());
    const QRect at(drawn.topLeft() - inked.topLeft(), sharp.size());
    const QImage under = bare.copy(at);
    checkSharp(shown.copy(at), laidOver(sharp, under),
               laidOver(inMode(blownUp(picture.art, picture.size, ratio), mode), under), ratio,
               QString::fromLatin1(picture.control));
}

} // namespace

class ScaledWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void theLayoutKeepsItsLogicalSizeAndGainsDevicePixels();
    void everyPictureAndIconStateComesFromItsSvg();
    void theShownWindowDrawsEveryPictureSharp();
    void picturesFollowTheWindowToAScreenOfAnotherDensity();
};

void ScaledWindowTest::theLayoutKeepsItsLogicalSizeAndGainsDevicePixels() {
    Session session;
    MainWindow& window = session.open();
    const qreal ratio = window.devicePixelRatioF();
    QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    QCOMPARE(window.size(), QSize(pixelsFromTwips(9465), pixelsFromTwips(6780)));
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QRect twips = control->property("twips").toRect();
        if (!twips.isNull()) {
            QCOMPARE(control->geometry(),
                     rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
        }
    }
    const QPixmap shown = window.grab();
    QCOMPARE(shown.devicePixelRatio(), ratio);
    QCOMPARE(shown.size(), devicePixels(window.size(), ratio));
}

void ScaledWindowTest::everyPictureAndIconStateComesFromItsSvg() {
    Session session;
    session.open();
    checkEveryPicture(session);
}

void ScaledWindowTest::theShownWindowDrawsEveryPictureSharp() {
    Session session;
    session.open();
    session.click("chkAs"); // the auto-save switch is pressed in
    QVERIFY(session.find<QToolButton>("chkAs")->isChecked());
    session.click("cmdStart2"); // the start button greys while a game runs
    // Each step of the countdown shows its own light.
    for (int step = 1; step <= 3; ++step) {
        session.tick();
        const Picture& light = kLabelPictures[step];
        QVERIFY(session.find(light.control)->isVisible());
        checkDrawnSharp(session, light);
    }
    QVERIFY(!session.find("cmdStart")->isEnabled());
    checkDrawnSharp(session, kLabelPictures[0]);
    for (const Picture& picture : kButtonPictures) {
        checkDrawnSharp(session, picture);
    }
}

void ScaledWindowTest::picturesFollowTheWindowToAScreenOfAnotherDensity() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QVERIFY(screens[0]->devicePixelRatio() != screens[1]->devicePixelRatio());
    Session session;
    MainWindow& window = session.open();
    QScreen* first = window.screen();
    QScreen* other = first == screens[0] ? screens[1] : screens[0];
    checkEveryPicture(session);
    for (QScreen* screen : {other, first, other}) {
        window.move(screen->geometry().topLeft() + QPoint(40, 40));
        QCOMPARE(window.screen(), screen);
        QCOMPARE(window.devicePixelRatioF(), screen->devicePixelRatio());
        checkEveryPicture(session);
    }
}

QTEST_MAIN(ScaledWindowTest)
#include "scaled_window_test.moc"
