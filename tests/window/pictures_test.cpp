// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures compiled into the program at ratio 1 are the SVGs as the
// running program draws them.
#include "window/baked_pictures.h"
#include "window/picture_drawing.h"

#include <QApplication>
#include <QTest>

using namespace wordbloom;

class PicturesTest final : public QObject {
    Q_OBJECT
private slots:
    void everyBakedPictureIsItsSvgDrawnAtRatioOne() {
        for (const PictureSize& picture : windowPictures()) {
            const QString name = QString::fromLatin1(picture.name);
            const QImage baked = bakedPicture(name);
            QCOMPARE(baked.size(), picture.size);
            QVERIFY2(baked == drawPicture(name, picture.size, 1.0), picture.name);
        }
        QVERIFY(bakedPicture(QStringLiteral("no_such_picture")).isNull());
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
