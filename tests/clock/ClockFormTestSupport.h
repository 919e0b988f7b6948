#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "base/AppFolders.h"
#include "clock/DialColour.h"
#include "clock/TClockForm.h"
#include "fakes/FakeClockDesktop.h"
#include "fakes/FakeClockWindowHost.h"
#include "fakes/FakeMessageService.h"
#include "settings/IniFile.h"
#include "support/TempDir.h"

namespace velmora::test {

// A clock window on the offscreen platform with fake surroundings and its
// own settings folder.
class ClockFormFixture {
public:
    ClockFormFixture();
    ~ClockFormFixture();

    void Create();
    TClockForm& Form() { return *form_; }
    QWidget& Hands();
    QWidget& StopButton();
    IniFile Settings() const { return IniFile(data_.File("Settei.ini")); }
    void WriteSettings(const std::string& bytes);

    // A mouse event on a child of the window at a screen point; the child's
    // own coordinates follow from where the window is now.
    void Mouse(QWidget& target, QEvent::Type type, QPoint screen, Qt::MouseButton button,
               Qt::MouseButtons buttons);
    // The screen point of a point of the window as it stands.
    QPoint OnScreen(QPoint local) const;
    // Turns the wheel over the hand layer; negative distances are toward
    // the user.
    void Wheel(int distance, QPoint screenPoint);

    QImage Render();

    FakeClockWindowHost host;
    FakeClockDesktop desktop;
    FakeMessageService messages;

private:
    TempDir data_;
    std::unique_ptr<TClockForm> form_;
};

// Processes events until `done` holds or the time is up.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000);

// The moment most pictures show: Saturday 3 May 2025, 10:08:37.250.
ClockTime SampleTime();

// The pictures of the dials taken offscreen and on a real display alike.
struct DialShot {
    DialColour colour;
    int width;
    const char* name;
};
inline constexpr DialShot kDialShots[] = {{DialColour::Gray, 200, "gray-200"},
                                          {DialColour::Gray, 400, "gray-400"},
                                          {DialColour::White, 200, "white-200"},
                                          {DialColour::White, 400, "white-400"}};

// Whether no colour channel of `a` and `b` differs by more than `tolerance`.
bool ColoursNear(QColor a, QColor b, int tolerance);

// Where test pictures are kept for people to look at.
QString ArtifactPath(const QString& name);

}  // namespace velmora::test
