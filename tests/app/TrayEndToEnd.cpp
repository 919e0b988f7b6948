// The real program on a virtual display with an XEmbed tray (trayer), its
// own session bus and a PulseAudio server of this process's own, driven
// with xdotool as a user would; and the same program on the same bus with a
// StatusNotifier watcher of the test's own standing in for the desktop's
// (KDE, GNOME's AppIndicator extension, XFCE), driven over D-Bus as the
// desktop's panel would; and its clock dragged under a window manager
// (openbox) that the test starts. Run by tray_e2e.sh, which starts the
// display, the tray and the bus; photographs go to the folder given.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "settings/IniFile.h"
#include "support/PrivateSoundServer.h"
#include "support/SignalAnalysis.h"
#include "support/SinkMonitor.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

std::string g_artifacts;

struct XWindow {
    QString id;
    QString name;
    QString classes;
    QRect frame;  // in root coordinates
};

QString Run(const QString& program, const QStringList& args, int* exitCode = nullptr) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(2000);
    }
    if (exitCode != nullptr) {
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every window on the display, from `xwininfo -root -tree`.
std::vector<XWindow> Windows() {
    static const QRegularExpression kLine(QStringLiteral(
        R"(^\s*(0x[0-9a-f]+) (.*?): \((.*?)\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))"));
    std::vector<XWindow> windows;
    const QString tree =
        Run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    for (const QString& line : tree.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = kLine.match(line);
        if (m.hasMatch()) {
            windows.push_back({m.captured(1), m.captured(2), m.captured(3),
                               QRect(m.captured(6).toInt(), m.captured(7).toInt(),
                                     m.captured(4).toInt(), m.captured(5).toInt())});
        }
    }
    return windows;
}

bool IsOurs(const XWindow& w) {
    return w.classes.contains(QStringLiteral("velmora"));
}

// The icon trayer has embedded: ours, small, at the top edge where the tray is.
std::optional<XWindow> TrayIcon() {
    for (const XWindow& w : Windows()) {
        if (IsOurs(w) && w.frame.width() >= 16 && w.frame.width() <= 64 && w.frame.height() <= 64 &&
            w.frame.top() < 40) {
            return w;
        }
    }
    return std::nullopt;
}

// The popup menu: ours, tall, somewhere below the tray.
std::optional<XWindow> PopupMenu() {
    for (const XWindow& w : Windows()) {
        if (IsOurs(w) && w.frame.height() > 250 && w.frame.width() > 200 &&
            w.name != QStringLiteral("\"ベルモラの設定\"")) {
            return w;
        }
    }
    return std::nullopt;
}

bool WaitFor(const std::function<bool()>& condition, int ms = 15000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

QImage Grab(const QRect& area = {}) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect r = area.isNull() ? screen->geometry() : area;
    return screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

void Save(const QImage& image, const char* name) {
    std::filesystem::create_directories(g_artifacts);
    image.save(QString::fromStdString(g_artifacts + "/" + name));
}

// How many different colours a picture holds: a drawn icon or menu has
// many, an empty area one.
int Colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(seen.size());
}

// The sound server's output level in percent, as pactl shows it.
int SinkVolume() {
    static const QRegularExpression kPercent(QStringLiteral("(\\d+)%"));
    const QString out = Run(QStringLiteral("pactl"),
                            {QStringLiteral("get-sink-volume"), QStringLiteral("@DEFAULT_SINK@")});
    const QRegularExpressionMatch m = kPercent.match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void SetSinkVolume(int percent) {
    Run(QStringLiteral("pactl"),
        {QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"),
         QString::number(percent) + QLatin1Char('%')});
}

// Whether the monitor heard anything from sample `from` on.
bool HeardFrom(const test::SinkMonitor& monitor, std::size_t from) {
    const auto samples = monitor.Samples();
    const std::size_t window = test::MonitorSamples(0.05);
    for (std::size_t i = from; i + window < samples.size(); i += window) {
        if (test::Rms(samples, i, i + window) > 0.01) {
            return true;
        }
    }
    return false;
}

void Xdotool(const QStringList& args) {
    Run(QStringLiteral("xdotool"), args);
}

void ClickAt(const QPoint& at, int button) {
    Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QString::number(button)});
}

class TrayEndToEnd : public ::testing::Test {
protected:
    TrayEndToEnd() : server_(test::PrivateSoundServer::Instance()) {}

    void SetUp() override {
        ASSERT_TRUE(server_.Problem().empty()) << server_.Problem();
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("HOME"), QString::fromStdString(home_.Path()));
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"),
                    QString::fromStdString(home_.Path() + ".config"));
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime_.Path()));
        // In the sanitizer build the program's own objects are checked for
        // leaks in-process, where MainWindowTest builds the whole program.
        // Here Qt's D-Bus thread now and then still holds its thread record
        // when the real program exits, and the leak check would turn a clean
        // exit into a failure that is Qt's: only memory errors count.
        if (const QString asan = env_.value(QStringLiteral("ASAN_OPTIONS")); !asan.isEmpty()) {
            env_.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral(":detect_leaks=0"));
        }
        // In a Wayland session the program picks its platform itself, as
        // for a user; elsewhere it goes on the test's display.
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        } else {
            env_.remove(QStringLiteral("QT_QPA_PLATFORM"));
        }
        const std::string data = home_.Path() + "Documents/ハルカゼ舎/VelmoraData/";
        std::filesystem::create_directories(data);
        settings_ = data + "Settei.ini";
        // No time signal may sound into the test's listening. The tone
        // before the time, the longest ending and the slowest speech make
        // the announcement last some six seconds, long enough to end the
        // program from its menu while it sounds on a loaded machine.
        test::WriteBytes(settings_,
                         "[Jiho]\r\nUse=0\r\nBeforeSoundNo=5\r\nGobiNo=2\r\n"
                         "[SpeakSpead]\r\nValue=50\r\n");
    }
    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(5000);
        }
    }

    // Starts the program, through `wrapper` when given, and waits for its
    // icon to settle in the tray, drawn.
    XWindow StartProgram(const QStringList& wrapper = {}) {
        const QString velmora = QString::fromStdString(test::ProgramDir() + "/velmora");
        program_.setProcessEnvironment(env_);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (wrapper.isEmpty()) {
            program_.start(velmora, {});
        } else {
            program_.start(wrapper.front(), wrapper.mid(1) << velmora);
        }
        EXPECT_TRUE(program_.waitForStarted(5000));
        // The tray widens and moves as the icon docks: the icon has arrived
        // when it stays where it is and shows a picture.
        std::optional<XWindow> icon;
        QRect last;
        EXPECT_TRUE(WaitFor([&] {
            icon = TrayIcon();
            if (!icon) {
                return false;
            }
            const bool settled = icon->frame == last && Colours(Grab(icon->frame)) > 8;
            last = icon->frame;
            return settled;
        })) << "no icon in the tray";
        return icon.value_or(XWindow{});
    }

    // Right click on the icon where it is now; true once the menu is up.
    bool OpenMenu() {
        for (int attempt = 0; attempt < 2; ++attempt) {
            const std::optional<XWindow> icon = TrayIcon();
            if (!icon) {
                return false;
            }
            ClickAt(icon->frame.center(), 3);
            if (WaitFor([] { return PopupMenu().has_value(); }, 3000)) {
                return true;
            }
        }
        return false;
    }
    // Chooses a menu item by its accelerator key.
    void Choose(const char* key) {
        ASSERT_TRUE(OpenMenu()) << "the menu did not open for " << key;
        Xdotool({QStringLiteral("key"), QLatin1String(key)});
        ASSERT_TRUE(WaitFor([] { return !PopupMenu().has_value(); }, 5000));
    }
    std::string Key(const char* section, const char* key) const {
        return IniFile(settings_).ReadRaw(section, key).value_or("<none>");
    }
    // Ends the program from its menu; its exit code.
    int EndFromMenu() {
        Choose("e");
        EXPECT_TRUE(program_.waitForFinished(15000)) << "終了(&E) did not end the program";
        return program_.exitStatus() == QProcess::NormalExit ? program_.exitCode() : -1;
    }

    test::PrivateSoundServer& server_;
    test::TempDir home_;
    test::TempDir runtime_;
    QProcessEnvironment env_;
    std::string settings_;
    QProcess program_;
};

TEST_F(TrayEndToEnd, TheTrayMenuSpeaksTheTimeSwitchesTheAlarmAndEndsTheProgram) {
    test::SinkMonitor monitor;
    std::string error;
    ASSERT_TRUE(monitor.Start(&error)) << error;

    const XWindow icon = StartProgram();
    const QImage offIcon = Grab(icon.frame);
    EXPECT_GT(Colours(offIcon), 8) << "the tray shows an empty icon";
    Save(offIcon, "tray-icon-off.png");

    ASSERT_TRUE(OpenMenu());
    const std::optional<XWindow> menu = PopupMenu();
    ASSERT_TRUE(menu.has_value());
    Save(Grab(), "tray-menu-screen.png");
    const QImage menuPicture = Grab(menu->frame);
    Save(menuPicture, "tray-menu.png");
    EXPECT_GT(Colours(menuPicture), 16) << "the menu looks empty";

    // "現在時刻(&T)": the time is spoken on the sound server's output, at the
    // time signal's volume, and the user's level comes back after it.
    SetSinkVolume(30);
    const auto before = monitor.IndexAt(test::SinkMonitor::Clock::now());
    Xdotool({QStringLiteral("key"), QStringLiteral("t")});
    EXPECT_TRUE(WaitFor([&] { return HeardFrom(monitor, before); }, 10000))
        << "no speech was heard";
    EXPECT_EQ(SinkVolume(), 50);
    EXPECT_TRUE(WaitFor([] { return SinkVolume() == 30; }, 20000));

    // "目覚まし(&M)": both keys are written at once and the icon changes.
    Choose("m");
    EXPECT_TRUE(WaitFor([&] { return Key("Alarm", "Use") == "1"; }, 5000));
    EXPECT_EQ(Key("Alarm", "Snooze"), "0");
    EXPECT_TRUE(WaitFor([&] { return Grab(icon.frame) != offIcon; }, 5000))
        << "the icon stayed the alarm-off one";
    Save(Grab(icon.frame), "tray-icon-alarm.png");

    // "終了(&E)" in the middle of the time: the program ends by itself, the
    // clock keeping its place and the user getting the level back.
    Choose("t");
    const auto speaking = monitor.IndexAt(test::SinkMonitor::Clock::now());
    ASSERT_TRUE(WaitFor([&] { return HeardFrom(monitor, speaking); }, 10000));
    EXPECT_EQ(SinkVolume(), 50);
    const auto ending = monitor.IndexAt(test::SinkMonitor::Clock::now());
    EXPECT_EQ(EndFromMenu(), 0);
    EXPECT_TRUE(HeardFrom(monitor, ending)) << "the speech was over before the end";
    EXPECT_EQ(SinkVolume(), 30) << "the raised level outlived the program";
    EXPECT_NE(Key("Clock", "Width"), "<none>");
    EXPECT_NE(Key("Clock", "Left"), "<none>");
    EXPECT_FALSE(TrayIcon().has_value()) << "the icon stayed in the tray";
}

// The key that says the time (the default one: the settings file has no
// key), pressed while another window has the keyboard, speaks as the
// menu's "現在時刻(&T)" does; switched off in the file, it says nothing.
TEST_F(TrayEndToEnd, TheKeySpeaksTheTimeFromAnyWindow) {
    test::SinkMonitor monitor;
    std::string error;
    ASSERT_TRUE(monitor.Start(&error)) << error;
    // A key grab is the X11 session's way; on Wayland it is the portal's.
    env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env_.remove(QStringLiteral("XDG_SESSION_TYPE"));
    env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    StartProgram();
    const auto before = monitor.IndexAt(test::SinkMonitor::Clock::now());
    Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+shift+t")});
    EXPECT_TRUE(WaitFor([&] { return HeardFrom(monitor, before); }, 10000))
        << "the key said nothing";
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(15000));

    test::WriteBytes(settings_, "[Jiho]\r\nUse=0\r\n[NowTime]\r\nKey=\r\n");
    StartProgram();
    const auto off = monitor.IndexAt(test::SinkMonitor::Clock::now());
    Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+shift+t")});
    EXPECT_FALSE(WaitFor([&] { return HeardFrom(monitor, off); }, 3000))
        << "a key switched off still spoke";
}

// Without the right to wake the computer the alarm is armed all the same,
// and the user is told once how to grant it.
TEST_F(TrayEndToEnd, WithoutTheWakeRightTheUserIsToldOnce) {
    if (std::system("command -v setpriv >/dev/null") != 0) {
        GTEST_SKIP() << "setpriv is needed to take the capability away";
    }
    const XWindow icon =
        StartProgram({QStringLiteral("setpriv"), QStringLiteral("--bounding-set=-wake_alarm"),
                      QStringLiteral("--inh-caps=-wake_alarm")});
    auto boxes = [] {
        std::vector<XWindow> found;
        for (const XWindow& w : Windows()) {
            // Not the clock (200 × 226 at the start) and not the tray icon.
            if (IsOurs(w) && w.name == QStringLiteral("\"ベルモラ\"") && w.frame.width() > 64 &&
                w.frame.size() != QSize(200, 226)) {
                found.push_back(w);
            }
        }
        return found;
    };
    Choose("m");
    std::vector<XWindow> shown;
    ASSERT_TRUE(WaitFor([&] { return !(shown = boxes()).empty(); }, 5000)) << "nobody was told";
    Save(Grab(shown.front().frame), "no-wake-notice.png");
    EXPECT_EQ(Key("Alarm", "Use"), "1") << "armed all the same";
    // No window manager runs: focus the box and press Return for its OK.
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), shown.front().id});
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(WaitFor([&] { return boxes().empty(); }, 5000));

    // Off and on again: nothing more is said in this run.
    Choose("m");
    Choose("m");
    EXPECT_TRUE(WaitFor([&] { return Key("Alarm", "Use") == "1"; }, 5000));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(boxes().empty()) << "told a second time";
    EXPECT_EQ(EndFromMenu(), 0);
}

// Under a window manager that carries out the move itself (openbox), the
// clock dragged across the screen is stored where the window manager put it,
// not where it was when the button went up.
TEST_F(TrayEndToEnd, ADraggedClockIsStoredWhereTheWindowManagerPutIt) {
    if (std::system("command -v openbox >/dev/null") != 0) {
        GTEST_SKIP() << "openbox is needed to move the clock as a window manager does";
    }
    QProcess wm;
    wm.setStandardOutputFile(QProcess::nullDevice());
    wm.setStandardErrorFile(QProcess::nullDevice());
    wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(WaitFor([] {
        return velmora::Run(QStringLiteral("xprop"),
                            {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QStringLiteral("window id"));
    })) << "openbox did not take the display";
    StartProgram();
    auto clockFrame = [] {
        for (const XWindow& w : Windows()) {
            if (IsOurs(w) && w.frame.size() == QSize(200, 226)) {
                return std::optional<QRect>(w.frame);
            }
        }
        return std::optional<QRect>();
    };
    std::optional<QRect> start;
    ASSERT_TRUE(WaitFor([&] { return (start = clockFrame()).has_value(); })) << "no clock";

    // Pressed on the dial, clear of the resize zones; the first small step
    // hands the move to the window manager, which then follows the pointer.
    // Steps made before it has taken the move are lost, so the pointer goes
    // on stepping until the clock has come along; a press made before the
    // window was ready for it is made again.
    const QPoint grab = start->topLeft() + QPoint(100, 113);
    const QPoint target = grab - QPoint(400, 200);
    bool followed = false;
    for (int press = 0; press < 3 && !followed; ++press) {
        Xdotool({QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y()),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QString::number(grab.x() + 1), QString::number(grab.y() + 1)});
        int step = 0;
        followed = WaitFor(
            [&] {
                const QPoint to = target + QPoint(step++ % 2, 0);
                Xdotool({QStringLiteral("mousemove"), QString::number(to.x()),
                         QString::number(to.y())});
                const std::optional<QRect> now = clockFrame();
                return now && (now->topLeft() - start->topLeft()).manhattanLength() > 300;
            },
            5000);
        if (!followed) {
            Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        }
    }
    ASSERT_TRUE(followed) << "the clock did not follow the drag";
    Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});

    std::optional<QRect> landed;
    EXPECT_TRUE(WaitFor(
        [&] {
            landed = clockFrame();
            return landed && Key("Clock", "Left") == std::to_string(landed->x()) &&
                   Key("Clock", "Top") == std::to_string(landed->y());
        },
        5000))
        << "stored " << Key("Clock", "Left") << "," << Key("Clock", "Top") << " for a clock at "
        << (landed ? landed->x() : -1) << "," << (landed ? landed->y() : -1) << ", dragged from "
        << start->x() << "," << start->y();
    program_.terminate();
    EXPECT_TRUE(program_.waitForFinished(15000)) << "the program did not end on SIGTERM";
    wm.terminate();
    wm.waitForFinished(5000);
}

// The time as the clock shows it and a screen reader says it.
QString SpokenTime(const QTime& time) {
    QString text = time.hour() < 12 ? QStringLiteral("午前") : QStringLiteral("午後");
    text += QString::number(time.hour() % 12) + QStringLiteral("時");
    if (time.minute() != 0) {
        text += QString::number(time.minute()) + QStringLiteral("分");
    }
    return text;
}

// The program as a screen reader finds it over AT-SPI (the accessibility
// bus tray_e2e.sh --screen-reader starts): with the settings dialog open,
// every control of every page that takes the keyboard has a name, the clock
// is named by the time it shows and the volume bars tell their values.
using ScreenReader = TrayEndToEnd;

TEST_F(ScreenReader, FindsNamedControlsTheClocksTimeAndTheVolumes) {
    const QString walker = qEnvironmentVariable("VELMORA_SCREEN_READER_WALK");
    if (walker.isEmpty()) {
        GTEST_SKIP() << "run by tray_e2e.sh --screen-reader, on an accessibility bus of its own";
    }
    test::WriteBytes(settings_,
                     "[Jiho]\r\nUse=0\r\nVolume=65\r\nSetteiVolume0=20\r\nSetteiVolume1=40\r\n"
                     "SetteiVolume2=90\r\n[Alarm]\r\nFirstVolume=35\r\nMaxVolume=80\r\n"
                     "[SpeakSpead]\r\nValue=50\r\n");
    env_.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    const XWindow icon = StartProgram();
    ClickAt(icon.frame.center(), 1);  // the tray's left click opens the settings
    ASSERT_TRUE(WaitFor([] {
        for (const XWindow& w : Windows()) {
            if (IsOurs(w) && w.name == QStringLiteral("\"ベルモラの設定\"")) {
                return true;
            }
        }
        return false;
    })) << "the settings dialog did not open";

    // The clock may turn to the next minute during the walk, and its hands
    // follow the time within a tick.
    const QTime before = QTime::currentTime().addSecs(-2);
    QProcess walk;
    walk.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    walk.start(QStringLiteral("/usr/bin/python3"), {walker});
    ASSERT_TRUE(walk.waitForFinished(120000)) << "the walk did not end";
    const QTime after = QTime::currentTime();
    ASSERT_EQ(walk.exitCode(), 0);
    const QJsonObject found = QJsonDocument::fromJson(walk.readAllStandardOutput()).object();
    ASSERT_FALSE(found.value(QStringLiteral("apps")).toArray().isEmpty())
        << "no program on the accessibility bus";

    const QJsonArray nameless = found.value(QStringLiteral("nameless")).toArray();
    EXPECT_TRUE(nameless.isEmpty())
        << QJsonDocument(nameless).toJson(QJsonDocument::Indented).toStdString();
    EXPECT_EQ(found.value(QStringLiteral("pages")).toArray(),
              QJsonArray({QStringLiteral("全般"), QStringLiteral("目覚まし時計"),
                          QStringLiteral("目覚めの言葉"), QStringLiteral("時報")}));

    const QJsonArray times = found.value(QStringLiteral("times")).toArray();
    ASSERT_EQ(times.size(), 1) << QJsonDocument(times).toJson().toStdString();
    const QString clock = times.at(0).toObject().value(QStringLiteral("name")).toString();
    EXPECT_TRUE(clock == SpokenTime(before) || clock == SpokenTime(before.addSecs(2)) ||
                clock == SpokenTime(after))
        << clock.toStdString() << " is not " << SpokenTime(after).toStdString();
    EXPECT_EQ(times.at(0).toObject().value(QStringLiteral("description")).toString(),
              QStringLiteral("目覚ましオフ"));

    QMap<QString, int> volumes;
    for (const QJsonValue slider : found.value(QStringLiteral("sliders")).toArray()) {
        volumes.insert(slider.toObject().value(QStringLiteral("name")).toString(),
                       slider.toObject().value(QStringLiteral("value")).toInt());
    }
    const QMap<QString, int> expected{
        {QStringLiteral("最初の音量"), 35},          {QStringLiteral("最大音量"), 80},
        {QStringLiteral("通常の時報の音量"), 65},    {QStringLiteral("時間帯1の時報の音量"), 20},
        {QStringLiteral("時間帯2の時報の音量"), 40}, {QStringLiteral("時間帯3の時報の音量"), 90}};
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        EXPECT_EQ(volumes.value(it.key(), -1), it.value()) << it.key().toStdString();
    }

    // Cleanly, the accessibility bridge and all (the sanitizer build's
    // memory checks among it).
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(15000)) << "the program did not end on SIGTERM";
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
}

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItem = QStringLiteral("org.kde.StatusNotifierItem");
const QString kDBusMenu = QStringLiteral("com.canonical.dbusmenu");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A desktop panel's StatusNotifierWatcher with its host registered,
// answering from a thread of its own; it writes down the items that
// register with it.
class FakeWatcher final : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        if (message.interface() == kProperties && member == QStringLiteral("Get")) {
            const QString name = message.arguments().value(1).toString();
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(
                name == QStringLiteral("IsStatusNotifierHostRegistered") ? QVariant(true)
                : name == QStringLiteral("ProtocolVersion")              ? QVariant(0)
                                                                         : QVariant(Items())))));
        }
        if (message.interface() == kWatcher &&
            member == QStringLiteral("RegisterStatusNotifierItem")) {
            {
                std::lock_guard lock(mutex_);
                // The name given, or the sender's own when only a path is.
                const QString named = message.arguments().value(0).toString();
                items_ << (named.startsWith(QLatin1Char('/')) ? message.service() : named);
            }
            return connection.send(message.createReply());
        }
        return false;
    }
    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.kde.StatusNotifierWatcher\">"
            "<method name=\"RegisterStatusNotifierItem\"><arg type=\"s\" direction=\"in\"/>"
            "</method><method name=\"RegisterStatusNotifierHost\"><arg type=\"s\" "
            "direction=\"in\"/></method>"
            "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
            "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
            "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
            "<signal name=\"StatusNotifierItemRegistered\"><arg type=\"s\"/></signal>"
            "<signal name=\"StatusNotifierHostRegistered\"/></interface>");
    }
    QStringList Items() {
        std::lock_guard lock(mutex_);
        return items_;
    }

private:
    std::mutex mutex_;
    QStringList items_;
};

// An item's pictures, a(iiay): their pixels one after the other.
QString ReadPixmaps(const QDBusArgument& arg) {
    QString pixels;
    arg.beginArray();
    while (!arg.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray data;
        arg.beginStructure();
        arg >> width >> height >> data;
        arg.endStructure();
        pixels += QString::fromLatin1(data.toBase64());
    }
    arg.endArray();
    return pixels;
}

// One entry of the exported menu, as GetLayout gives it.
struct MenuEntry {
    int id = 0;
    QVariantMap properties;
    std::vector<MenuEntry> children;
};

MenuEntry ReadEntry(const QDBusArgument& arg) {
    MenuEntry entry;
    arg.beginStructure();
    arg >> entry.id >> entry.properties;
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        entry.children.push_back(ReadEntry(qvariant_cast<QDBusArgument>(child.variant())));
    }
    arg.endArray();
    arg.endStructure();
    return entry;
}

// The visible items of a menu and its submenus, depth first.
void Flatten(const MenuEntry& entry, std::vector<MenuEntry>& out) {
    for (const MenuEntry& child : entry.children) {
        if (child.properties.value(QStringLiteral("visible"), true).toBool() &&
            child.properties.value(QStringLiteral("type")).toString() !=
                QStringLiteral("separator")) {
            out.push_back(child);
        }
        Flatten(child, out);
    }
}

class StatusNotifierTray : public TrayEndToEnd {
protected:
    void SetUp() override {
        TrayEndToEnd::SetUp();
        watcherBus_ =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("watcher"));
        ASSERT_TRUE(watcherBus_.isConnected());
        worker_.start();
        watcher_.moveToThread(&worker_);
        ASSERT_TRUE(watcherBus_.registerService(kWatcher));
        ASSERT_TRUE(
            watcherBus_.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher_));
    }
    void TearDown() override {
        TrayEndToEnd::TearDown();
        // The XEmbed tests on this bus must find no watcher.
        watcherBus_.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        watcherBus_.unregisterService(kWatcher);
        worker_.quit();
        worker_.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
    }

    QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& args = {}) const {
        QDBusMessage call = QDBusMessage::createMethodCall(item_, path, interface, method);
        call.setArguments(args);
        return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    }
    QVariant Property(const QString& name) const {
        const QDBusMessage answer = Call(QStringLiteral("/StatusNotifierItem"), kProperties,
                                         QStringLiteral("Get"), {kItem, name});
        return answer.arguments().isEmpty()
                   ? QVariant()
                   : qvariant_cast<QDBusVariant>(answer.arguments().constFirst()).variant();
    }
    // The tooltip's title and text.
    QString ToolTip() const {
        const QDBusArgument arg = qvariant_cast<QDBusArgument>(Property(QStringLiteral("ToolTip")));
        QString icon;
        QString title;
        QString text;
        arg.beginStructure();
        arg >> icon;
        ReadPixmaps(arg);
        arg >> title >> text;
        arg.endStructure();
        return title + QLatin1Char('|') + text;
    }
    // What the icon looks like: its name, or its pixels.
    QString IconNow() const {
        const QString name = Property(QStringLiteral("IconName")).toString();
        if (!name.isEmpty()) {
            QFile file(name);
            return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toBase64())
                                                  : name;
        }
        return ReadPixmaps(qvariant_cast<QDBusArgument>(Property(QStringLiteral("IconPixmap"))));
    }
    std::vector<MenuEntry> Menu() const {
        const QString path =
            qvariant_cast<QDBusObjectPath>(Property(QStringLiteral("Menu"))).path();
        const QDBusMessage answer =
            Call(path, kDBusMenu, QStringLiteral("GetLayout"), {0, -1, QStringList()});
        std::vector<MenuEntry> items;
        if (answer.arguments().size() == 2) {
            Flatten(ReadEntry(qvariant_cast<QDBusArgument>(answer.arguments().at(1))), items);
        }
        return items;
    }
    // Clicks the item of that label in the exported menu, as the panel does.
    void Click(const QString& label) const {
        const QString path =
            qvariant_cast<QDBusObjectPath>(Property(QStringLiteral("Menu"))).path();
        for (const MenuEntry& entry : Menu()) {
            if (entry.properties.value(QStringLiteral("label")).toString() == label) {
                Call(path, kDBusMenu, QStringLiteral("Event"),
                     {entry.id, QStringLiteral("clicked"),
                      QVariant::fromValue(QDBusVariant(QVariant(0))), 0U});
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << label.toStdString();
    }

    QDBusConnection watcherBus_{QString()};
    QThread worker_;
    FakeWatcher watcher_;
    QString item_;
};

TEST_F(StatusNotifierTray, ThePanelSeesTheItemItsStatesAndItsMenu) {
    test::SinkMonitor monitor;
    std::string error;
    ASSERT_TRUE(monitor.Start(&error)) << error;
    const QString velmora = QString::fromStdString(test::ProgramDir() + "/velmora");
    program_.setProcessEnvironment(env_);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(velmora, {});
    ASSERT_TRUE(WaitFor([&] { return !watcher_.Items().isEmpty(); }))
        << "no item registered with the watcher";
    item_ = watcher_.Items().constLast();
    EXPECT_FALSE(TrayIcon().has_value()) << "an XEmbed icon beside the StatusNotifierItem";

    EXPECT_EQ(Property(QStringLiteral("Title")).toString(), QStringLiteral("ベルモラ"));
    EXPECT_TRUE(ToolTip().contains(QStringLiteral("ALARM OFF"))) << ToolTip().toStdString();
    const QString offIcon = IconNow();
    EXPECT_FALSE(offIcon.isEmpty());

    // Every item with its caption (the accelerator as dbusmenu writes it),
    // enabled state and check mark, as a start without settings has them.
    struct Expected {
        const char* label;
        bool enabled;
        int toggle;  // -1: no check mark
    };
    const Expected expected[] = {
        {"スタートアップに登録(_S)", true, -1},
        {"目覚まし(_M)", true, 0},
        {"スヌーズ(_N)", true, 0},
        {"音楽停止(_O)", false, -1},
        {"設定画面を表示(_A)", false, -1},
        {"時計表示(_C)", true, 1},
        {"文字盤の色(_B)", true, -1},
        {"グレー(_G)", true, 1},
        {"白(_W)", true, 0},
        {"時計を常に最前面にする(_F)", true, 1},
        {"マウスが近づいたら時計を隠す(_H)", true, 0},
        {"現在の画面解像度(1280x800)になったら時計を現在の位置にする(_P)", true, 0},
        {"時報をしゃべる(_J)", true, 0},
        {"現在時刻(_T)", true, -1},
        {"ヘルプの表示(_R)", true, -1},
        {"バージョン情報(_V)", true, -1},
        {"終了(_E)", true, -1},
    };
    const std::vector<MenuEntry> menu = Menu();
    ASSERT_EQ(menu.size(), std::size(expected));
    for (size_t i = 0; i < menu.size(); ++i) {
        const QVariantMap& p = menu[i].properties;
        SCOPED_TRACE(expected[i].label);
        EXPECT_EQ(p.value(QStringLiteral("label")).toString(),
                  QString::fromUtf8(expected[i].label));
        EXPECT_EQ(p.value(QStringLiteral("enabled"), true).toBool(), expected[i].enabled);
        EXPECT_EQ(p.value(QStringLiteral("toggle-type")).toString().isEmpty()
                      ? -1
                      : p.value(QStringLiteral("toggle-state")).toInt(),
                  expected[i].toggle);
    }

    // "現在時刻": heard on the sound server's output.
    const auto before = monitor.IndexAt(test::SinkMonitor::Clock::now());
    Click(QStringLiteral("現在時刻(_T)"));
    EXPECT_TRUE(WaitFor([&] { return HeardFrom(monitor, before); }, 10000))
        << "no speech was heard";

    // "目覚まし": its key written, the tooltip and icon of an armed alarm.
    Click(QStringLiteral("目覚まし(_M)"));
    EXPECT_TRUE(WaitFor([&] { return Key("Alarm", "Use") == "1"; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return ToolTip().contains(QStringLiteral("ALARM ON")); }, 5000))
        << ToolTip().toStdString();
    EXPECT_NE(IconNow(), offIcon);

    // The panel's left click opens the settings dialog.
    Call(QStringLiteral("/StatusNotifierItem"), kItem, QStringLiteral("Activate"), {0, 0});
    EXPECT_TRUE(WaitFor([] {
        for (const XWindow& w : Windows()) {
            if (IsOurs(w) && w.name == QStringLiteral("\"ベルモラの設定\"")) {
                return true;
            }
        }
        return false;
    })) << "Activate did not open the settings dialog";

    program_.terminate();
    EXPECT_TRUE(program_.waitForFinished(15000)) << "the program did not end on SIGTERM";
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    const std::string home = velmora::test::TestHomeFor(argv[0]);
    velmora::test::IsolateEnvironment(home);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        velmora::g_artifacts = argv[1];
    }
    int result = 0;
    {
        // The photographs are taken of the virtual display.
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        QGuiApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return result;
}
