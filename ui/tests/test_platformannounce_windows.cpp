// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spoken messages on Windows: each announcement is raised as a UI
// Automation notification on its window where Windows has the notification,
// and where it has not, nothing happens and nothing is printed. Against the
// stand-ins for uiautomationcore.dll of fakeuiautomation.h, on Windows' own
// platform, where a window has a handle of Windows (checks/windows-desktop.sh
// runs this test there; the suite's offscreen platform has none).

#include "announce.h"
#include "fakeuiautomation.h"
#include "platformannounce.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTest>

namespace {

// What the stand-in was asked to raise, one entry for each notification.
struct Raised {
    QList<HWND> windows;
    QList<int> kinds;
    QList<int> processings;
    QStringList texts;
    QStringList activities;
} raised;
QStringList printed;

void Record(HWND window, int kind, int processing, const wchar_t *text, const wchar_t *activity)
{
    raised.windows.append(window);
    raised.kinds.append(kind);
    raised.processings.append(processing);
    raised.texts.append(QString::fromWCharArray(text));
    raised.activities.append(QString::fromWCharArray(activity));
}

void Print(QtMsgType /*type*/, const QMessageLogContext & /*context*/, const QString &message)
{
    printed.append(message);
}

template<typename Function>
Function Look(HMODULE library, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// uiautomationcore.h: NotificationKind_Other, NotificationProcessing_ImportantMostRecent.
constexpr int kKindOther = 4;
constexpr int kImportantMostRecent = 1;

} // namespace

class TestPlatformAnnounce : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows"));
        // A screen reader asks a window for its UI Automation provider; Qt
        // starts its accessibility then, and with it the announcements.
        QWidget window;
        window.show();
        constexpr LPARAM kUiaRootObjectId = -25; // uiautomationcoreapi.h
        SendMessageW(reinterpret_cast<HWND>(window.winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
        QVERIFY(QAccessible::isActive());
    }

    // This system's own uiautomationcore.dll, looked up as the game does
    // (first, before the stand-ins take its place): under Wine it has no
    // notification, and the messages go nowhere, quietly; on Windows 10
    // 1709 and later they are raised, where no test can hear them.
    void systemLibrary()
    {
        QWidget window;
        // Shown, a window has its handle of Windows at once.
        window.show();
        QVERIFY(window.internalWinId());
        QVERIFY(QAccessible::isActive());
        printed.clear();
        const QtMessageHandler before = qInstallMessageHandler(&Print);
        Announce(&window, QStringLiteral("Richtig. 60 Punkte."));
        Announce(&window, QStringLiteral("Gefragt ist die römische Zahl."));
        qInstallMessageHandler(before);
        QCOMPARE(printed, QStringList());
    }

    void notification_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<bool>("refuseProviders");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("raises");
        QTest::newRow("Windows 10 1709 and later") << "fakeuiautomation.dll" << false << true << true;
        QTest::newRow("older Windows, Wine") << "fakeuiautomation-old.dll" << false << true << false;
        QTest::newRow("no provider for the window") << "fakeuiautomation.dll" << true << true << false;
        QTest::newRow("window not shown yet") << "fakeuiautomation.dll" << false << false << false;
    }
    void notification()
    {
        QFETCH(QString, library);
        QFETCH(bool, refuseProviders);
        QFETCH(bool, shown);
        QFETCH(bool, raises);

        const QString path = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/') + library);
        const HMODULE fake = LoadLibraryW(reinterpret_cast<const wchar_t *>(path.utf16()));
        QVERIFY2(fake, qPrintable(path));
        const auto listen = Look<FakeListenFunction>(fake, "FakeListen");
        const auto refuse = Look<FakeRefuseProvidersFunction>(fake, "FakeRefuseProviders");
        const auto held = Look<FakeProvidersHeldFunction>(fake, "FakeProvidersHeld");
        QVERIFY(listen && refuse && held);
        LookUpUiAutomationIn(path);

        QWidget window;
        new QPushButton(QStringLiteral("OK"), &window);
        if (shown) {
            window.show();
            QVERIFY(window.internalWinId());
        }
        const QStringList texts{QStringLiteral("Neue Zahl: MCMXCIV"),
                                QStringLiteral("Falsch. Lösung: XII. Verloren: -5 Punkte. Weiter mit der Eingabetaste."),
                                QStringLiteral("Gefragt ist die römische Zahl.")};
        raised = Raised();
        printed.clear();
        listen(&Record);
        refuse(refuseProviders);
        // Without a screen reader, nothing is announced at all.
        QVERIFY(QAccessible::isActive());
        const QtMessageHandler before = qInstallMessageHandler(&Print);
        for (const QString &text : texts)
            Announce(&window, text);
        qInstallMessageHandler(before);
        listen(nullptr);
        refuse(FALSE);

        QCOMPARE(printed, QStringList());
        QCOMPARE(held(), 0L);
        // A message does not make the window native.
        QCOMPARE(window.internalWinId() != 0, shown);
        if (!raises) {
            QCOMPARE(raised.texts, QStringList());
            QCOMPARE(raised.windows.size(), 0);
            return;
        }
        const auto count = texts.size();
        QCOMPARE(raised.texts, texts);
        QCOMPARE(raised.windows, QList<HWND>(count, reinterpret_cast<HWND>(window.winId())));
        QCOMPARE(raised.kinds, QList<int>(count, kKindOther));
        QCOMPARE(raised.processings, QList<int>(count, kImportantMostRecent));
        // One source for all of them: a newer one replaces one not yet spoken.
        QVERIFY(!raised.activities.value(0).isEmpty());
        QCOMPARE(raised.activities, QStringList(count, raised.activities.value(0)));
    }
};

QTEST_MAIN(TestPlatformAnnounce)
#include "test_platformannounce_windows.moc"
