#include "DataRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// budget-helpshots, the build's painter of the help's pictures, run as the build runs it.
class TestHelpShots : public QObject
{
    Q_OBJECT

private slots:
    void picturesOfEveryWindow_data();
    void picturesOfEveryWindow();
    void picturesFollowTheLocale();
};

namespace {

// Runs the tool; its exit status.
int runShots(const QStringList& arguments)
{
    QProcess tool;
    tool.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/budget-helpshots"));
    tool.setArguments(arguments);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(env);
    tool.start();
    if (!tool.waitForFinished(60000))
        return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QStringList pictures(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

} // namespace

void TestHelpShots::picturesOfEveryWindow_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("dark");
    dataRow("default locale", QStringList{}, 0, 12, false);
    dataRow("a locale named", QStringList{"--locale", "en_GB"}, 0, 12, false);
    dataRow("dark palette", QStringList{"--dark"}, 0, 12, true);
    dataRow("unknown option", QStringList{"--colour"}, 2, 0, false);
    dataRow("locale without a name", QStringList{"--locale"}, 2, 0, false);
}

void TestHelpShots::picturesOfEveryWindow()
{
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(int, count);
    QFETCH(bool, dark);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("shots"));
    QCOMPARE(runShots(QStringList{out} + options), status);
    const QStringList found = pictures(out);
    QCOMPARE(found.size(), count);
    for (const QString& name : found) {
        const QImage image(QDir(out).filePath(name));
        QVERIFY2(image.width() > 300 && image.height() > 200, qPrintable(name));
        QCOMPARE(name.endsWith(QLatin1String("-dark.png")), dark);
        // The reports are painted over the palette: mostly dark under the dark one, light otherwise.
        if (name.startsWith(QLatin1String("reports-"))) {
            const int lightness =
                image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0).lightness();
            QVERIFY2(dark ? lightness < 100 : lightness > 160, qPrintable(name + QString::number(lightness)));
        }
    }
}

void TestHelpShots::picturesFollowTheLocale()
{
    QTemporaryDir dir;
    const QString us = dir.filePath(QStringLiteral("us"));
    const QString de = dir.filePath(QStringLiteral("de"));
    QCOMPARE(runShots({us}), 0);
    QCOMPARE(runShots({de, QStringLiteral("--locale"), QStringLiteral("de_DE")}), 0);
    QCOMPARE(pictures(de), pictures(us));
    // The same windows over the same data: the German ones write dates and money their own way.
    int differing = 0;
    for (const QString& name : pictures(us))
        differing += QImage(QDir(us).filePath(name)) != QImage(QDir(de).filePath(name)) ? 1 : 0;
    QVERIFY(differing >= 5);
    // The same run twice paints the same pictures: the data and the clock are pinned.
    const QString again = dir.filePath(QStringLiteral("again"));
    QCOMPARE(runShots({again}), 0);
    QCOMPARE(QImage(QDir(again).filePath(QStringLiteral("main-window.png"))),
             QImage(QDir(us).filePath(QStringLiteral("main-window.png"))));
}

QTEST_MAIN(TestHelpShots)
#include "tst_helpshots.moc"
