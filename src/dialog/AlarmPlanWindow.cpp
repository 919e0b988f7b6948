#include "dialog/AlarmPlanWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <array>

#include "dialog/DayList.h"
#include "dialog/DialogValuesSaver.h"
#include "schedule/HolidayCalendar.h"

namespace velmora {
namespace {

constexpr std::array<const char*, 7> kWeekdays = {"日", "月", "火", "水", "木", "金", "土"};

QString DayText(const CivilDate& date) {
    const DateTime day = EncodeDate(date.year, date.month, date.day);
    return QStringLiteral("%1/%2(%3)")
        .arg(date.month)
        .arg(date.day)
        .arg(QString::fromUtf8(kWeekdays[static_cast<size_t>(DayOfWeek(day))]));
}

}  // namespace

QString AlarmPlanLine(const AlarmDayPlan& day, bool next) {
    if (!day.Rings) {
        return DayText(day.Date) + QStringLiteral("  ") + QString::fromStdString(day.SkipReason);
    }
    const TimeOfDay time = DecodeTime(*day.Rings);
    QString line = DayText(day.Date) + QStringLiteral(" %1:%2:%3")
                                           .arg(time.hour)
                                           .arg(time.minute, 2, 10, QLatin1Char('0'))
                                           .arg(time.second, 2, 10, QLatin1Char('0'));
    if (next) {
        line += QStringLiteral("  次の目覚まし");
    }
    return line;
}

AlarmPlanWindow::AlarmPlanWindow(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("AlarmPlanWindow"));
    setWindowTitle(QStringLiteral("目覚ましの予定"));
    list_->setObjectName(QStringLiteral("ListAlarmPlan"));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void AlarmPlanWindow::ShowPlanFor(const Settings& live, const DialogValues& form,
                                  const std::string& dataFolder, DateTime now) {
    // A day list still being typed counts as empty, as it would if saved
    // that way; the check on OK tells the user about it.
    Settings planned = live;
    ApplyDialogValuesToSettings(form, ParseDayList(form.DayOfMonth).value_or(std::vector<int>{}),
                                live.MusicFile, planned);
    const HolidayCalendar holidays = HolidayCalendar::ForDataFolder(dataFolder);
    ShowPlan(AlarmSchedule(planned, holidays).PlanDays(now, kDays));
}

void AlarmPlanWindow::ShowPlan(const std::vector<AlarmDayPlan>& plan) {
    list_->clear();
    bool nextFound = false;
    for (const AlarmDayPlan& day : plan) {
        const bool next = day.Rings && !nextFound;
        nextFound = nextFound || next;
        auto* item = new QListWidgetItem(AlarmPlanLine(day, next), list_);
        if (!day.Rings) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        } else if (next) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    // Wide enough for the longest line in the font it is drawn in (a bold
    // line and the longest holiday names included), with room for the
    // scroll bar, so nothing is cut off.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + scrollBar + 8);
    const int rows = std::min(list_->count(), 16);
    list_->setMinimumHeight(rows * list_->sizeHintForRow(0) + 2 * list_->frameWidth());
    adjustSize();
}

QStringList AlarmPlanWindow::Lines() const {
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row) {
        lines << list_->item(row)->text();
    }
    return lines;
}

}  // namespace velmora
