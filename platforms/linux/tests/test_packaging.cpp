// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it is installed: cmake --install into a fresh prefix, then
// the files checked where desktops look for them, the desktop entry and the
// metainfo checked by the freedesktop.org and AppStream validators, and the
// version the metainfo, the package and its changelog carry. The metainfo
// written with and without a homepage. Also the icon file drawn for the
// Windows build.

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kAppId = QStringLiteral(RZ_APP_ID);
const QString kHomepage = QStringLiteral(RZ_HOMEPAGE);

// What the AppStream validator may say of a metainfo without a homepage:
// from AppStream 1.0 on it warns of it. The project has no web address yet
// (RZ_HOMEPAGE is empty); anything else it says still fails.
QStringList AcceptedProblems(const QString &homepage)
{
    return homepage.isEmpty() ? QStringList{QStringLiteral("W url-homepage-missing")} : QStringList();
}

// The errors and warnings of an AppStream validator's report, each as its
// severity and tag ("W url-homepage-missing"); its lines read
// "W: <component id>:<line>: <tag>".
QStringList AppStreamProblems(const QString &report)
{
    static const QRegularExpression issue(QStringLiteral("^\\s*([EW]): \\S+ ([a-z0-9-]+)"),
                                          QRegularExpression::MultilineOption);
    QStringList problems;
    for (auto match = issue.globalMatch(report); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        problems << found.captured(1) + QLatin1Char(' ') + found.captured(2);
    }
    return problems;
}

// Whether a validator run passed, but for the problems accepted: it said
// nothing else, and failed for those alone.
bool ValidOtherwise(int exitCode, const QString &report, const QStringList &accepted)
{
    const QStringList problems = AppStreamProblems(report);
    for (const QString &problem : problems)
        if (!accepted.contains(problem))
            return false;
    return exitCode == 0 || (exitCode > 0 && !problems.isEmpty());
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run RunProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        run.output = QStringLiteral("did not finish: ") + process.errorString();
        return run;
    }
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

// The value of a key of the desktop entry's main group.
QString DesktopEntryValue(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    bool inMainGroup = false;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QString();
}

// The text of the metainfo's homepage element, or "(none)".
QString MetainfoHomepage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(unreadable)");
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("url")
            && xml.attributes().value(QLatin1String("type")) == QLatin1String("homepage"))
            return xml.readElementText();
        if (xml.hasError())
            return QStringLiteral("(not XML)");
    }
    return QStringLiteral("(none)");
}

QString MetainfoReleaseVersion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("release"))
            return xml.attributes().value(QLatin1String("version")).toString();
        if (xml.hasError())
            break;
    }
    return QString();
}

// The images of a Windows icon file by their size; each is a PNG.
QMap<int, QImage> IconImages(const QString &path)
{
    QMap<int, QImage> images;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return images;
    const QByteArray ico = file.readAll();
    QDataStream in(ico);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 1;
    quint16 type = 0;
    quint16 count = 0;
    in >> reserved >> type >> count;
    if (reserved != 0 || type != 1)
        return images;
    for (int i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint8 width = 0;
        quint8 height = 0;
        quint8 colours = 0;
        quint8 pad = 0;
        quint16 planes = 0;
        quint16 bits = 0;
        quint32 bytes = 0;
        quint32 offset = 0;
        in >> width >> height >> colours >> pad >> planes >> bits >> bytes >> offset;
        const int side = width == 0 ? 256 : width;
        if (height != width || bits != 32 || qint64(offset) + bytes > ico.size())
            return {};
        images.insert(side, QImage::fromData(ico.mid(offset, bytes), "PNG"));
    }
    return images;
}

QString CPackVersion()
{
    QFile file(QStringLiteral(RZ_BUILD_DIR "/CPackConfig.cmake"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    static const QRegularExpression set(QStringLiteral("^set\\(CPACK_PACKAGE_VERSION \"([^\"]*)\"\\)$"),
                                        QRegularExpression::MultilineOption);
    return set.match(QString::fromUtf8(file.readAll())).captured(1);
}

// The version of the newest entry of the package's changelog.
QString ChangelogVersion()
{
    QFile file(QStringLiteral(RZ_CHANGELOG));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    static const QRegularExpression entry(QStringLiteral("^roemische-zahlen \\(([^)]*)\\) "));
    return entry.match(QString::fromUtf8(file.readLine())).captured(1);
}

} // namespace

class TestPackaging : public QObject {
    Q_OBJECT

private:
    QTemporaryDir prefix_;

    QString Installed(const QString &path) const { return prefix_.filePath(path); }
    QString DesktopEntry() const { return Installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId)); }
    QString Metainfo() const { return Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        const Run install = RunProgram(QStringLiteral(RZ_CMAKE_COMMAND),
                                       {QStringLiteral("--install"), QStringLiteral(RZ_BUILD_DIR),
                                        QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("executable") << "bin/roemische-zahlen" << true;
        QTest::newRow("desktop entry") << QStringLiteral("share/applications/%1.desktop").arg(kAppId) << false;
        QTest::newRow("metainfo") << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId) << false;
        QTest::newRow("icon") << QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId) << false;
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo file(Installed(path));
        QVERIFY2(file.isFile(), qPrintable(path));
        QCOMPARE(file.isExecutable(), executable);
    }

    // The menu entry starts the installed program and shows the installed
    // icon, which is a drawable SVG.
    void desktopEntryFindsItsFiles_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("path");
        QTest::newRow("Exec") << "Exec" << "bin/%1";
        QTest::newRow("Icon") << "Icon" << "share/icons/hicolor/scalable/apps/%1.svg";
    }
    void desktopEntryFindsItsFiles()
    {
        QFETCH(QString, key);
        QFETCH(QString, path);
        const QString value = DesktopEntryValue(DesktopEntry(), key);
        QVERIFY2(!value.isEmpty(), qPrintable(key));
        const QString file = Installed(path.arg(value));
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        if (key == QLatin1String("Icon")) {
            QSvgRenderer icon(file);
            QVERIFY(icon.isValid());
        }
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("package");
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{DesktopEntry()}
                                       << "desktop-file-utils";
        QTest::newRow("metainfo")
            << "appstreamcli" << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), Metainfo()}
            << "appstream";
        // The metainfo together with the desktop entry it launches.
        QTest::newRow("installed tree")
            << "appstreamcli"
            << QStringList{QStringLiteral("validate-tree"), QStringLiteral("--no-net"), prefix_.path()}
            << "appstream";
    }
    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, package);
        const QString path = QStandardPaths::findExecutable(program);
        QVERIFY2(!path.isEmpty(),
                 qPrintable(QStringLiteral("%1 is missing; ./dev installs it with %2").arg(program, package)));
        const Run run = RunProgram(path, arguments);
        if (program == QLatin1String("appstreamcli")) {
            QVERIFY2(ValidOtherwise(run.exitCode, run.output, AcceptedProblems(kHomepage)), qPrintable(run.output));
            return;
        }
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        // desktop-file-validate reports warnings with success. Its hints are
        // accepted: the entry belongs in both the education and the games
        // menu on purpose.
        static const QRegularExpression problem(QStringLiteral(": (error|warning): "));
        QVERIFY2(!problem.match(run.output).hasMatch(), qPrintable(run.output));
    }

    // The homepage is a build setting: the metainfo written from the
    // template by the build's own script, with the setting given. With an
    // address it validates with no problem at all; without one it has no
    // homepage rather than an invented one; what is no web address is
    // refused.
    void metainfoHomepage_data()
    {
        QTest::addColumn<QString>("homepage");
        QTest::addColumn<bool>("written");
        QTest::newRow("none") << QString() << true;
        QTest::newRow("address") << "https://example.org/rz?lang=de&view=1" << true;
        QTest::newRow("no scheme") << "example.org" << false;
        QTest::newRow("two words") << "https://example.org/ x" << false;
    }
    void metainfoHomepage()
    {
        QFETCH(QString, homepage);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString metainfo = dir.filePath(kAppId + QLatin1String(".metainfo.xml"));
        const Run write = RunProgram(
            QStringLiteral(RZ_CMAKE_COMMAND),
            {QStringLiteral("-DRZ_METAINFO_TEMPLATE=" RZ_METAINFO_TEMPLATE), QLatin1String("-DRZ_METAINFO=") + metainfo,
             QLatin1String("-DRZ_APP_ID=") + kAppId, QStringLiteral("-DRZ_VERSION_TEXT=1.00"),
             QStringLiteral("-DRZ_RELEASE_DATE=2026-12-07"), QLatin1String("-DRZ_HOMEPAGE=") + homepage,
             QStringLiteral("-P"), QStringLiteral(RZ_METAINFO_SCRIPT)});
        QCOMPARE(write.exitCode == 0, written);
        if (!written) {
            QVERIFY(!QFileInfo::exists(metainfo));
            return;
        }
        QCOMPARE(MetainfoHomepage(metainfo), homepage.isEmpty() ? QStringLiteral("(none)") : homepage);
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        QVERIFY2(!validator.isEmpty(), "appstreamcli is missing; ./dev installs it with appstream");
        const Run run = RunProgram(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(ValidOtherwise(run.exitCode, run.output, AcceptedProblems(homepage)), qPrintable(run.output));
    }

    // The Windows icon file drawn at build time: the sizes Windows asks for
    // most, each image of its stated size, the tablet opaque in the middle
    // and the corners clear.
    void windowsIcon_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 24, 32, 48, 256})
            QTest::addRow("%d", size) << size;
    }
    void windowsIcon()
    {
        QFETCH(int, size);
        const QMap<int, QImage> images = IconImages(QStringLiteral(RZ_WINDOWS_ICON));
        QVERIFY2(images.contains(size), qPrintable(QStringLiteral("sizes: %1").arg(images.size())));
        const QImage &image = images.value(size);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void version_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("metainfo release") << MetainfoReleaseVersion(Metainfo());
        QTest::newRow("Debian package") << CPackVersion();
        QTest::newRow("Debian changelog") << ChangelogVersion();
    }
    void version()
    {
        QFETCH(QString, version);
        QCOMPARE(version, QStringLiteral("1.00"));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "test_packaging.moc"
