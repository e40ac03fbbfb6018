// The embedded pictures reach the programs that link the window library.
#include <QImage>
#include <QtTest>

class ResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAreEmbedded_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("icon 32") << ":/icons/vexmoor-32.png" << QSize(32, 32);
        QTest::newRow("icon 48") << ":/icons/vexmoor-48.png" << QSize(48, 48);
        QTest::newRow("icon 256") << ":/icons/vexmoor-256.png" << QSize(256, 256);
        QTest::newRow("icon svg") << ":/icons/vexmoor.svg" << QSize(256, 256);
        QTest::newRow("imgQnfSut") << ":/images/imgQnfSut.jpg" << QSize(174, 203);
    }

    void picturesAreEmbedded()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
    }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
