// The embedded pictures reach the programs that link the window library.
#include <QImage>
#include <QtTest>

class ResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAreEmbedded()
    {
        const std::pair<const char*, QSize> pictures[] = {{":/icons/vexmoor-32.png", {32, 32}},
                                                          {":/icons/vexmoor-48.png", {48, 48}},
                                                          {":/icons/vexmoor-256.png", {256, 256}},
                                                          {":/icons/vexmoor.svg", {256, 256}},
                                                          {":/images/imgQnfSut.jpg", {174, 203}}};
        for (const auto& [path, size] : pictures)
            QVERIFY2(QImage(path).size() == size, path);
    }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
