#include "dialog/AlarmSchedulePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog/NumericEdit.h"
#include "dialog/RadioGroup.h"

namespace velmora {
namespace {

// Component names of the weekday edits: LESunHour .. LESatSecond.
constexpr std::array<const char*, 7> kWeekdayKeys = {"Sun", "Mon", "Tue", "Wed",
                                                     "Thu", "Fri", "Sat"};

QString WeekdayCaption(int day) {
    static const std::array<QString, 7> captions = {
        QStringLiteral("日曜日"), QStringLiteral("月曜日"), QStringLiteral("火曜日"),
        QStringLiteral("水曜日"), QStringLiteral("木曜日"), QStringLiteral("金曜日"),
        QStringLiteral("土曜日")};
    return captions.at(static_cast<size_t>(day));
}

}  // namespace

AlarmSchedulePanel::AlarmSchedulePanel(SettingsDialogState& state, QWidget* parent)
    : QGroupBox(QStringLiteral("目覚まし時刻"), parent),
      state_(state),
      label20_(new QLabel(QStringLiteral("時刻は秒も必ず入力してください。\n"
                                         "入力していないと目覚ましなしになります。"),
                          this)),
      radioGroupDayOrWeek_(new RadioGroup(
          QStringLiteral("日にち"), {QStringLiteral("毎日"), QStringLiteral("曜日別")}, 2, this)),
      dayRow_(new QWidget(this)),
      panelWeekSchedule_(new QWidget(this)) {
    setObjectName(QStringLiteral("GroupBoxSchedule"));
    label20_->setObjectName(QStringLiteral("Label20"));
    label20_->setStyleSheet(QStringLiteral("color: red"));
    // The group is as narrow as the weekday table; the note wraps to fit.
    label20_->setWordWrap(true);
    radioGroupDayOrWeek_->setObjectName(QStringLiteral("RadioGroupDayOrWeek"));
    radioGroupDayOrWeek_->SetItemIndex(0);
    panelWeekSchedule_->setObjectName(QStringLiteral("PanelWeekSchedule"));

    auto* dayGrid = new QGridLayout(dayRow_);
    dayGrid->setContentsMargins(0, 0, 0, 0);
    dayGrid->setHorizontalSpacing(3);
    day_ = AddTimeRow(dayGrid, 0, dayRow_, QStringLiteral("Day"), QStringLiteral("毎日"));
    // The every-day time lines up with the weekday times below it.
    dayGrid->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(WeekdayCaption(0)));
    Fill(day_, {"7", "0", "0"});

    auto* weekGrid = new QGridLayout(panelWeekSchedule_);
    weekGrid->setContentsMargins(0, 0, 0, 0);
    weekGrid->setVerticalSpacing(1);
    weekGrid->setHorizontalSpacing(3);
    for (int day = 0; day < 7; ++day) {
        weekGrid->addWidget(new QLabel(WeekdayCaption(day), panelWeekSchedule_), day, 0);
        week_[static_cast<size_t>(day)] =
            AddTimeRow(weekGrid, day, panelWeekSchedule_,
                       QLatin1String(kWeekdayKeys[static_cast<size_t>(day)]), WeekdayCaption(day));
        Fill(week_[static_cast<size_t>(day)], {"7", "0", "0"});
    }
    panelWeekSchedule_->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(label20_);
    layout->addWidget(radioGroupDayOrWeek_);
    layout->addWidget(dayRow_);
    layout->addWidget(panelWeekSchedule_);
    layout->addStretch(1);

    connect(radioGroupDayOrWeek_, &RadioGroup::itemClicked, this, [this](int index) {
        if (state_.DialogLoaded) {
            ApplyDayOrWeek(index);
        }
    });
}

AlarmSchedulePanel::TimeEdits AlarmSchedulePanel::AddTimeRow(QGridLayout* grid, int row,
                                                             QWidget* parent, const QString& name,
                                                             const QString& caption) {
    TimeEdits edits{new NumericEdit(QString(), parent), new NumericEdit(QString(), parent),
                    new NumericEdit(QString(), parent)};
    edits.Hour->setObjectName(QStringLiteral("LE") + name + QStringLiteral("Hour"));
    edits.Minit->setObjectName(QStringLiteral("LE") + name + QStringLiteral("Minit"));
    edits.Second->setObjectName(QStringLiteral("LE") + name + QStringLiteral("Second"));
    // A screen reader names a field by what stands beside it on screen: the
    // day on the left and the unit on the right.
    edits.Hour->setAccessibleName(caption + QStringLiteral("の時"));
    edits.Minit->setAccessibleName(caption + QStringLiteral("の分"));
    edits.Second->setAccessibleName(caption + QStringLiteral("の秒"));
    grid->addWidget(edits.Hour, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("時"), parent), row, 2);
    grid->addWidget(edits.Minit, row, 3);
    grid->addWidget(new QLabel(QStringLiteral("分"), parent), row, 4);
    grid->addWidget(edits.Second, row, 5);
    grid->addWidget(new QLabel(QStringLiteral("秒"), parent), row, 6);
    grid->setColumnStretch(7, 1);
    return edits;
}

void AlarmSchedulePanel::ApplyDayOrWeek(int index) {
    dayRow_->setEnabled(index == 0);
    panelWeekSchedule_->setEnabled(index == 1);
}

void AlarmSchedulePanel::Fill(const TimeEdits& edits, const AlarmTimeFields& fields) {
    edits.Hour->setText(QString::fromStdString(fields.Hour));
    edits.Minit->setText(QString::fromStdString(fields.Minit));
    edits.Second->setText(QString::fromStdString(fields.Second));
}

AlarmTimeFields AlarmSchedulePanel::Read(const TimeEdits& edits) {
    return {edits.Hour->text().toStdString(), edits.Minit->text().toStdString(),
            edits.Second->text().toStdString()};
}

void AlarmSchedulePanel::Load(const DialogValues& form) {
    radioGroupDayOrWeek_->SetItemIndex(form.DayOrWeek);
    ApplyDayOrWeek(form.DayOrWeek);
    Fill(day_, form.DayTime);
    for (size_t day = 0; day < 7; ++day) {
        Fill(week_[day], form.WeekTime[day]);
    }
}

void AlarmSchedulePanel::Store(DialogValues& form) const {
    form.DayOrWeek = radioGroupDayOrWeek_->ItemIndex();
    form.DayTime = Read(day_);
    for (size_t day = 0; day < 7; ++day) {
        form.WeekTime[day] = Read(week_[day]);
    }
}

QWidget* AlarmSchedulePanel::Field(const FormField& field) const {
    const auto& week = week_[static_cast<size_t>(std::clamp(field.Index, 0, 6))];
    switch (field.Kind) {
        case FormFieldKind::DayHour:
            return day_.Hour;
        case FormFieldKind::DayMinit:
            return day_.Minit;
        case FormFieldKind::DaySecond:
            return day_.Second;
        case FormFieldKind::WeekHour:
            return week.Hour;
        case FormFieldKind::WeekMinit:
            return week.Minit;
        case FormFieldKind::WeekSecond:
            return week.Second;
        default:
            return nullptr;
    }
}

}  // namespace velmora
