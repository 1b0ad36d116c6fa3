// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows resource script, compiled with the MinGW resource compiler and
// read back: it must carry the icon and the version 1.0.0.0, shown as
// "1.00", in German (Germany). Skipped where no such compiler is installed.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kWindres = QStringLiteral("x86_64-w64-mingw32-windres");

} // namespace

class TestWindowsResource : public QObject {
    Q_OBJECT

private:
    // The compiled resources, written back as a resource script.
    QString resources_;

    static bool Windres(const QStringList &arguments, QString *output)
    {
        QProcess process;
        process.start(QStandardPaths::findExecutable(kWindres), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            *output = process.errorString();
            return false;
        }
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        *output = QString::fromUtf8(process.readAllStandardOutput());
        if (process.exitCode() != 0)
            *output = errors;
        return process.exitCode() == 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(kWindres).isEmpty())
            QSKIP("x86_64-w64-mingw32-windres is not installed (Debian: binutils-mingw-w64-x86-64); "
                  "the Windows resource script is not checked");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString res = dir.filePath(QStringLiteral("roemische-zahlen.res"));
        QString output;
        // The system's C preprocessor reads the script, as MinGW's gcc would.
        QVERIFY2(Windres({QStringLiteral("--preprocessor=cpp"), QStringLiteral("-i"),
                          QStringLiteral(RZ_WINDOWS_RC), QStringLiteral("-O"), QStringLiteral("res"),
                          QStringLiteral("-o"), res},
                         &output),
                 qPrintable(output));
        QVERIFY2(Windres({QStringLiteral("-i"), res, QStringLiteral("-O"), QStringLiteral("rc")}, &output),
                 qPrintable(output));
        resources_ = output;
    }

    void carries_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("language German (Germany)") << "LANGUAGE 7, 1";
        QTest::newRow("icon") << "\"IDI_ICON1\" 14 /* RT_GROUP_ICON */";
        QTest::newRow("file version") << "FILEVERSION 1, 0, 0, 0";
        QTest::newRow("product version") << "PRODUCTVERSION 1, 0, 0, 0";
        QTest::newRow("strings German (Germany), Unicode") << R"(BLOCK "040704B0")";
        QTest::newRow("file version text") << R"(VALUE "FileVersion", "1.00")";
        QTest::newRow("product version text") << R"(VALUE "ProductVersion", "1.00")";
        // The umlaut read as UTF-8, written back as the UTF-16 code 0366 (ö).
        QTest::newRow("product name") << R"(VALUE "ProductName", L"R\366mische Zahlen")";
        QTest::newRow("translation") << R"(VALUE "Translation", 0x407, 1200)";
    }
    void carries()
    {
        QFETCH(QString, line);
        QVERIFY2(resources_.contains(line), qPrintable(resources_));
    }

    // Every resource is German (Germany), the icon images included.
    void onlyGerman()
    {
        static const QRegularExpression language(QStringLiteral("LANGUAGE [^\\n]*"));
        auto matches = language.globalMatch(resources_);
        int count = 0;
        while (matches.hasNext()) {
            QCOMPARE(matches.next().captured(), QStringLiteral("LANGUAGE 7, 1"));
            ++count;
        }
        QVERIFY(count > 0);
    }
};

QTEST_GUILESS_MAIN(TestWindowsResource)
#include "test_windows_resource.moc"
