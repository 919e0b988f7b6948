#include "ScreenCheck.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include "about/TVelmoraVersionForm.h"
#include "app/FaceName.h"
#include "app/ProgramFolders.h"
#include "dialog/AlarmPlanWindow.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "fakes/FakeLinkOpener.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakePhoneticConverter.h"
#include "fakes/FakeSettingsDialogHost.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::test {
namespace {

QString Describe(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const auto* group = qobject_cast<const QGroupBox*>(w);
    const QString text = label != nullptr    ? label->text()
                         : button != nullptr ? button->text()
                         : group != nullptr  ? group->title()
                                             : QString();
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName()) +
           QStringLiteral(" \"") + text + QStringLiteral("\"");
}

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

}  // namespace

QStringList ClippedWidgets(QWidget* root) {
    QStringList problems;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool text = qobject_cast<QLabel*>(w) != nullptr ||
                          qobject_cast<QAbstractButton*>(w) != nullptr ||
                          qobject_cast<QGroupBox*>(w) != nullptr;
        if (!text || !w->isVisibleTo(root) || qobject_cast<QLabel*>(w->parentWidget()) != nullptr) {
            continue;
        }
        QSize need = qobject_cast<QGroupBox*>(w) != nullptr ? w->minimumSizeHint() : w->sizeHint();
        if (const auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->wordWrap()) {
            need = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
        }
        if (w->width() < need.width() || w->height() < need.height()) {
            problems << Describe(w) + QStringLiteral(": %1x%2 < %3x%4")
                                          .arg(w->width())
                                          .arg(w->height())
                                          .arg(need.width())
                                          .arg(need.height());
        }
        if (!w->parentWidget()->rect().contains(w->geometry())) {
            problems << Describe(w) + QStringLiteral(": outside its parent");
        }
    }
    return problems;
}

QStringList CaptureScreens(const QString& folder) {
    QDir().mkpath(folder);
    TempDir data;
    AppFolders folders{ProgramDir() + "/", data.Path()};
    FakeSettingsDialogHost host;
    FakeMessageService messages;
    FakePhoneticConverter converter;
    FakeLinkOpener opener;
    TVelmoraSetteiForm dialog(host, messages, converter, folders);
    dialog.ShowSettings();
    Settle();
    QStringList problems;
    if (dialog.findChild<QWidget*>(QStringLiteral("PageControl1"))->parentWidget()->size() !=
        QSize(640, 616)) {
        problems << QStringLiteral("the client area is not 640x616");
    }
    auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        Settle();
        for (const QString& problem : ClippedWidgets(&dialog)) {
            problems << QStringLiteral("page %1: ").arg(page) + problem;
        }
        dialog.grab().save(folder + QStringLiteral("/settings-page%1.png").arg(page));
    }
    // The alarm's plan, with a holiday among its days.
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxHoliday"))->setChecked(true);
    dialog.ShowAlarmPlan();
    Settle();
    AlarmPlanWindow* plan = dialog.PlanWindow();
    for (const QString& problem : ClippedWidgets(plan)) {
        problems << QStringLiteral("plan: ") + problem;
    }
    const auto* lines = plan->findChild<QListWidget*>(QStringLiteral("ListAlarmPlan"));
    if (lines->viewport()->width() < lines->sizeHintForColumn(0)) {
        problems << QStringLiteral("plan: lines cut off");
    }
    plan->grab().save(folder + QStringLiteral("/alarm-plan.png"));
    plan->hide();
    dialog.hide();

    // The user's face comes on a few seconds after start, when the window
    // was laid out already; a wide Latin face makes a label that keeps its
    // first size too narrow for the link.
    TVelmoraVersionForm about(dialog.Notices(), opener, folders.ProgramFolder);
    ApplyFaceName(about, QStringLiteral("DejaVu Sans"));
    about.show();
    Settle();
    for (const QString& problem : ClippedWidgets(&about)) {
        problems << QStringLiteral("about: ") + problem;
    }
    about.grab().save(folder + QStringLiteral("/about.png"));
    about.hide();
    return problems;
}

}  // namespace velmora::test
