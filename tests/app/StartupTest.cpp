#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/BoxMessageService.h"
#include "app/NoticeRelay.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

// The boxes shown before the windows exist, as the desktop shows them: only
// the second start's carries the information icon, a plain notice none.
TEST(Startup, BoxesBeforeTheWindowsExist) {
    struct Case {
        const char* what;
        std::function<void(MessageService&)> show;
        QString textStart;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {"second start", [](MessageService& m) { ShowAlreadyRunning(m); },
         QStringLiteral(
             "「ベルモラ」は既に起動しています。\nタスクトレイのアイコンを右クリックすれば\n"
             "メニューを表示できます。"),
         QMessageBox::Information},
        {"lock folder not ours",
         [](MessageService& m) { ShowLockFolderRefused(m, "/tmp/velmora-1000"); },
         QStringLiteral("「ベルモラ」を起動できません。\n二重起動を防ぐためのフォルダー\n"
                        "/tmp/velmora-1000\n"),
         QMessageBox::Warning},
        {"plain notice",
         [](MessageService& m) { NoticeRelay(m).ShowNotice("声のデータが存在しません。"); },
         QStringLiteral("声のデータが存在しません。"), QMessageBox::NoIcon},
    };
    for (const Case& c : cases) {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::Question;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        BoxMessageService messages;
        c.show(messages);
        EXPECT_EQ(title, QStringLiteral("ベルモラ")) << c.what;
        EXPECT_TRUE(text.startsWith(c.textStart)) << c.what << ": " << text.toStdString();
        EXPECT_EQ(icon, c.icon) << c.what;
    }
}

// The real program, twice, on the virtual display the test script starts.
class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "needs a display (scripts/test starts a virtual one)";
        }
        binDir = test::ProgramDir();
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), QString::fromStdString(home.Path()));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   QString::fromStdString(home.Path() + ".config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.Path()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    }
    void TearDown() override {
        for (QProcess* p : {&first, &second}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }
    void Start(QProcess& p) {
        p.setProcessEnvironment(env);
        p.start(QString::fromStdString(binDir + "/velmora"), {});
        ASSERT_TRUE(p.waitForStarted(5000));
    }
    static bool WaitFor(const std::function<bool()>& condition) {
        for (int i = 0; i < 100; ++i) {
            if (condition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    static int Xdotool(const QStringList& args, QString* out = nullptr) {
        QProcess p;
        p.start(QStringLiteral("xdotool"), args);
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished(1000);
            return -1;
        }
        if (out != nullptr) {
            *out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        }
        return p.exitCode();
    }

    std::string binDir;
    QProcessEnvironment env;
    test::TempDir home;
    test::TempDir runtime;
    QProcess first;
    QProcess second;
};

TEST_F(RunningProgram, SetsUpFoldersAndKeepsASecondStartOut) {
    const std::string leftover = binDir + "/WakeUp_Velmora.exe";
    test::WriteBytes(leftover, "MZ");
    Start(first);
    ASSERT_TRUE(WaitFor([] { return !SingleInstance(kInstanceName).Acquired(); }))
        << "the first start never took the instance lock";
    EXPECT_TRUE(WaitFor([&] { return !std::filesystem::exists(leftover); }));
    EXPECT_TRUE(std::filesystem::is_directory(home.Path() + "Documents/ハルカゼ舎/VelmoraData"));

    Start(second);
    QString window;
    ASSERT_TRUE(WaitFor([&] {
        // --all: xdotool takes a window that meets any one condition
        // otherwise, and the first instance's clock is also called ベルモラ.
        return Xdotool({QStringLiteral("search"), QStringLiteral("--all"),
                        QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                        QString::number(second.processId()), QStringLiteral("--name"),
                        QStringLiteral("ベルモラ")},
                       &window) == 0 &&
               !window.isEmpty();
    })) << "the second start showed no box";
    const QString id = window.split(QLatin1Char('\n')).constLast();
    // No window manager runs on the virtual display: focus the box directly
    // and press Return as a real key, which a box takes for its OK button.
    // On a loaded machine the focus may not have reached a box that has only
    // just been mapped, and the key goes nowhere: then again.
    bool ended = false;
    for (int attempt = 0; attempt < 3 && !ended; ++attempt) {
        Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        ended = second.waitForFinished(5000);
    }
    ASSERT_TRUE(ended) << "the box did not end the second start";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first instance was disturbed";
    EXPECT_FALSE(SingleInstance(kInstanceName).Acquired());

    first.kill();
    first.waitForFinished(5000);
    EXPECT_TRUE(SingleInstance(kInstanceName).Acquired()) << "a killed instance left its lock";
}

// Started where no display answers (a text console, an ssh session), it
// says so in one line and ends, rather than aborting with a core dump.
TEST_F(RunningProgram, WithoutADisplaySaysSoAndEnds) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    Start(first);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 1);
    const QString said = QString::fromUtf8(first.readAllStandardError());
    EXPECT_EQ(said.count(QLatin1Char('\n')), 1) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("画面に接続できません"))) << said.toStdString();
}

}  // namespace
}  // namespace velmora
