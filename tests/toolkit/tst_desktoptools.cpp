#include "DataRow.h"

#include "toolkit/TDesktopTools.h"

#include <QTest>

class TestDesktopTools : public QObject
{
    Q_OBJECT

private slots:
    void candidates_data();
    void candidates();
};

void TestDesktopTools::candidates_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QStringList>("installed"); // in /usr/bin
    QTest::addColumn<QString>("entry");         // the desktop's entry for plain text
    QTest::addColumn<QString>("found");         // "program, argument, ...", the first first
    const int calc = int(TDesktopTools::Tool::Calculator);
    const int edit = int(TDesktopTools::Tool::TextEditor);
    const QString app = QStringLiteral("[Desktop Entry]\nType=Application\n");
    dataRow("calculators in their order", calc, QStringList{"xcalc", "kcalc", "vim"}, "",
            "/usr/bin/kcalc | /usr/bin/xcalc");
    dataRow("the desktop's editor first, without field codes", edit, QStringList{"kate", "featherpad"},
            app + "Exec=featherpad %U\n", "/usr/bin/featherpad | /usr/bin/kate");
    dataRow("an Exec line's quoting", edit, QStringList{"env"},
            app + "Exec=env \"LANG=C\" \"/opt/my editor/edit\" --new %f \"100%%\"\n",
            "/usr/bin/env, LANG=C, /opt/my editor/edit, --new, 100%");
    dataRow("an editor in a terminal is passed over", edit, QStringList{"vim", "mousepad"},
            app + "Exec=vim %F\nTerminal=true\n", "/usr/bin/mousepad");
    dataRow("an entry whose TryExec is missing", edit, QStringList{"env"}, app + "TryExec=zed\nExec=env zed\n", "");
    dataRow("an action's Exec is not the program's", edit, QStringList{"gedit"},
            "[Desktop Action new]\nExec=gedit --new\n" + app, "/usr/bin/gedit");
}

void TestDesktopTools::candidates()
{
    QFETCH(int, tool);
    QFETCH(QStringList, installed);
    QFETCH(QString, entry);
    QFETCH(QString, found);
    TDesktopTools::System system;
    system.findExecutable = [&](const QString& name) {
        return installed.contains(name.section(u'/', -1)) ? QStringLiteral("/usr/bin/") + name.section(u'/', -1)
                                                          : QString();
    };
    system.textHandler = [] {
        return QStringLiteral("editor.desktop");
    };
    system.desktopEntry = [&](const QString& id) {
        return id == u"editor.desktop" ? entry.toUtf8() : QByteArray();
    };
    QStringList launches;
    for (const TDesktopTools::Launch& launch : TDesktopTools::candidates(TDesktopTools::Tool(tool), system))
        launches << (QStringList{launch.program} + launch.arguments).join(QStringLiteral(", "));
    QCOMPARE(launches.join(QStringLiteral(" | ")), found);
}

QTEST_GUILESS_MAIN(TestDesktopTools)
#include "tst_desktoptools.moc"
