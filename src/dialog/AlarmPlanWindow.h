#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "dialog/DialogValues.h"
#include "schedule/AlarmSchedule.h"

class QListWidget;

namespace velmora {

// "目覚ましの予定": the alarm's days ahead as the dialog's values would
// ring them, one line a day: the moment it rings (the first one marked as
// the next alarm), or, greyed, why that day stays silent.
class AlarmPlanWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmPlanWindow)

public:
    explicit AlarmPlanWindow(QWidget* parent = nullptr);

    // How many days the window lists.
    static constexpr int kDays = 30;

    // The plan of the dialog's values as they stand (saved or not): the
    // live settings with the form laid over them, the holidays of the data
    // folder (ending with a slash), from `now` on.
    void ShowPlanFor(const Settings& live, const DialogValues& form, const std::string& dataFolder,
                     DateTime now);
    void ShowPlan(const std::vector<AlarmDayPlan>& plan);
    // The lines as shown, for the tests.
    QStringList Lines() const;

private:
    QListWidget* list_;
};

// One line of the plan: "12/7(月) 7:00:00", "12/8(火) 勤労感謝の日".
QString AlarmPlanLine(const AlarmDayPlan& day, bool next);

}  // namespace velmora
