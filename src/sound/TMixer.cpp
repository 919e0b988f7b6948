#include "sound/TMixer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "sound/EMixerError.h"

namespace velmora {

namespace {

constexpr double kFullScale = 65535.0;
// A left level of 0 under a right level: the balance is this far right.
constexpr float kBalanceRightOnly = 131071.0F;

// The nearest whole number, halves going to the even neighbour (the default
// rounding mode of the floating-point unit).
std::int64_t Nearest(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::uint32_t Level(std::int64_t value) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(value, 0, 65535));
}

// At most `limit` bytes, never cutting a UTF-8 sequence in two.
std::string Truncated(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

}  // namespace

TMixer::TMixer(std::unique_ptr<MixerDeviceTable> table) : table_(std::move(table)) {}

TMixer::~TMixer() {
    devices_.clear();
    table_->SetListener(nullptr);
}

void TMixer::Loaded() {
    if (AutoScan) {
        Scan();
    }
}

void TMixer::Scan() {
    devices_.clear();
    table_->SetListener(this);
    const std::uint32_t count = table_->DeviceCount();
    for (std::uint32_t number = 0; number < count; ++number) {
        MixerDeviceCaps caps;
        MixerHandle handle = 0;
        if (table_->GetDeviceCaps(number, caps) != kMixerOk ||
            table_->Open(number, handle) != kMixerOk) {
            continue;
        }
        std::string name = Options.Contains(TMixerOption::moNoDeviceName)
                               ? std::string()
                               : Truncated(caps.name, 31);
        devices_.push_back(std::make_unique<TMixerDev>(*this, *table_, handle, std::move(name)));
        ScanDevice(*devices_.back(), caps.destinations);
    }
}

void TMixer::ScanDevice(TMixerDev& device, std::uint32_t destinations) {
    for (std::uint32_t destination = 0; destination < destinations; ++destination) {
        MixerLineInfo info;
        if (table_->GetDestinationInfo(device.Handle(), destination, info) != kMixerOk) {
            break;
        }
        if (Target.LineType.Contains(LineTypeFromComponent(info.componentType))) {
            ScanDestination(device, destination, info);
        }
    }
}

void TMixer::ScanDestination(TMixerDev& device, std::uint32_t destination,
                             const MixerLineInfo& destinationInfo) {
    TMixerItem* destinationItem = AddLine(device, destinationInfo, nullptr);
    bool keptSource = false;
    for (std::uint32_t source = 0; source < destinationInfo.connections; ++source) {
        MixerLineInfo info;
        if (table_->GetSourceInfo(device.Handle(), destination, source, info) != kMixerOk ||
            !Target.LineType.Contains(LineTypeFromComponent(info.componentType))) {
            continue;
        }
        if (info.controls == 0 && !EnableInvalidItem) {
            continue;
        }
        const TMixerItem* item = AddLine(device, info, destinationItem);
        if (item->FirstControl < 0 && !EnableInvalidItem) {
            device.Items.pop_back();
            continue;
        }
        keptSource = true;
    }
    if (destinationItem->FirstControl < 0 && !keptSource && !EnableInvalidItem) {
        // Nothing after it was kept, so it is still the last line.
        device.Items.pop_back();
    }
}

TMixerItem* TMixer::AddLine(TMixerDev& device, const MixerLineInfo& info, TMixerItem* parent) {
    auto item = std::make_unique<TMixerItem>();
    item->Owner = &device;
    item->LineID = info.lineId;
    item->LineType = LineTypeFromComponent(info.componentType);
    item->Channels = info.channels;
    item->Parent = parent;
    if (!Options.Contains(TMixerOption::moNoLineName)) {
        item->Name = Truncated(info.name, 63);
    }
    if (!Options.Contains(TMixerOption::moNoLineShortName)) {
        item->ShortName = Truncated(info.shortName, 15);
    }
    if (!Options.Contains(TMixerOption::moNoTargetName)) {
        item->TargetName = Truncated(info.targetName, 31);
    }
    device.Items.push_back(std::move(item));
    TMixerItem* line = device.Items.back().get();

    std::vector<MixerControlInfo> controls;
    if (table_->GetLineControls(device.Handle(), info.lineId, controls) != kMixerOk) {
        return line;
    }
    for (const MixerControlInfo& controlInfo : controls) {
        const TMixerControlType type = ControlTypeFromCode(controlInfo.controlType);
        if (!Target.ControlType.Contains(type)) {
            continue;
        }
        auto control = std::make_unique<TMixerCtrl>();
        control->Owner = line;
        control->ControlID = controlInfo.controlId;
        control->ControlType = type;
        // One mute switch silences every channel of the line.
        control->Flags =
            controlInfo.flags | (type == TMixerControlType::ctMute ? kControlUniform : 0);
        control->MultipleItems = controlInfo.multipleItems;
        if (!Options.Contains(TMixerOption::moNoControlName)) {
            control->Name = Truncated(controlInfo.name, 63);
        }
        if (!Options.Contains(TMixerOption::moNoControlShortName)) {
            control->ShortName = Truncated(controlInfo.shortName, 15);
        }
        if (!Options.Contains(TMixerOption::moNoControlBounds)) {
            control->Bounds = controlInfo.bounds;
        }
        if (!Options.Contains(TMixerOption::moNoControlMetrics)) {
            control->Metrics = controlInfo.metrics;
        }
        if (line->FirstControl < 0) {
            line->FirstControl = static_cast<int>(device.Controls.size());
        }
        device.Controls.push_back(std::move(control));
    }
    return line;
}

TMixerItem* TMixer::SpeakersItem() const {
    if (devices_.empty()) {
        return nullptr;
    }
    for (const auto& item : devices_.front()->Items) {
        if (item->LineType == TMixerLineType::dtSpeakers) {
            return item.get();
        }
    }
    return nullptr;
}

std::size_t TMixer::ValueCount(const TMixerCtrl& control) {
    std::size_t count = control.Uniform() || control.Owner == nullptr ? 1 : control.Owner->Channels;
    if (control.Multiple()) {
        count *= control.MultipleItems;
    }
    return count;
}

void TMixer::CheckValues(const TMixerCtrl& control, MixerValueClass wanted,
                         std::size_t count) const {
    if (ValueClassOf(control.ControlType) != wanted || count != ValueCount(control) || count == 0) {
        throw EMixerError(kMixerInvalidParameter, &control);
    }
}

void TMixer::ReadValues(const TMixerCtrl& control, std::span<std::uint32_t> values) {
    const MixerHandle handle = control.Owner->Owner->Handle();
    const int result = table_->GetControlDetails(handle, control.ControlID, values);
    if (result != kMixerOk) {
        throw EMixerError(result, &control);
    }
}

void TMixer::WriteValues(const TMixerCtrl& control, std::span<const std::uint32_t> values) {
    const MixerHandle handle = control.Owner->Owner->Handle();
    const int result = table_->SetControlDetails(handle, control.ControlID, values);
    if (result != kMixerOk) {
        throw EMixerError(result, &control);
    }
}

void TMixer::GetUnsignedValues(const TMixerCtrl& control, std::span<std::uint32_t> values) {
    CheckValues(control, MixerValueClass::Unsigned, values.size());
    ReadValues(control, values);
}

void TMixer::SetUnsignedValues(const TMixerCtrl& control, std::span<const std::uint32_t> values) {
    CheckValues(control, MixerValueClass::Unsigned, values.size());
    WriteValues(control, values);
}

void TMixer::GetBooleanValues(const TMixerCtrl& control, std::span<std::uint32_t> values) {
    CheckValues(control, MixerValueClass::Boolean, values.size());
    ReadValues(control, values);
}

void TMixer::SetBooleanValues(const TMixerCtrl& control, std::span<const std::uint32_t> values) {
    CheckValues(control, MixerValueClass::Boolean, values.size());
    WriteValues(control, values);
}

void TMixer::UpdateBalance(TMixerItem& item, std::uint32_t left, std::uint32_t right) const {
    if (Options.Contains(TMixerOption::moNoBalanceAutoUpdate) || item.Channels < 2 ||
        std::uint64_t{left} + right <= 2999) {
        return;
    }
    float balance = kBalanceRightOnly;
    if (right == 0) {
        balance = 0.0F;
    } else if (left != 0) {
        balance = static_cast<float>(static_cast<double>(right) / left);
    }
    // Small drifts of the two levels (their rounding on every write) must not
    // wander the stored ratio away.
    if (std::fabs(balance - item.Balance) > std::fabs(item.Balance) * 0.001F) {
        item.Balance = balance;
    }
}

int TMixer::GetSpeakersVolume() {
    TMixerItem* item = SpeakersItem();
    const TMixerCtrl* control = item != nullptr ? item->VolumeCtrl() : nullptr;
    if (control == nullptr) {
        return -1;
    }
    std::vector<std::uint32_t> values(ValueCount(*control));
    GetUnsignedValues(*control, values);
    const std::uint32_t left = values[0];
    const std::uint32_t right = values.size() >= 2 ? values[1] : left;
    if (values.size() >= 2) {
        UpdateBalance(*item, left, right);
    }
    return static_cast<int>(Nearest(std::max(left, right) / kFullScale * 100.0));
}

void TMixer::SetSpeakersVolume(int percent) {
    const TMixerItem* item = SpeakersItem();
    const TMixerCtrl* control = item != nullptr ? item->VolumeCtrl() : nullptr;
    if (control == nullptr) {
        return;
    }
    const double level = std::clamp(percent, 0, 100) / 100.0 * kFullScale;
    std::vector<std::uint32_t> current(ValueCount(*control));
    GetUnsignedValues(*control, current);
    std::vector<std::uint32_t> wanted = current;
    const std::int64_t louder = Nearest(level);
    if (wanted.size() == 1) {
        wanted[0] = Level(louder);
    } else if (louder == 0) {
        wanted[0] = 0;
        wanted[1] = 0;
    } else if (item->Balance > 1.0F) {
        // The right channel is the louder one and gets the level.
        wanted[0] = Level(Nearest(static_cast<double>(louder) / item->Balance));
        wanted[1] = Level(louder);
    } else {
        wanted[0] = Level(louder);
        wanted[1] = Level(Nearest(item->Balance * static_cast<double>(louder)));
    }
    if (wanted == current) {
        return;
    }
    SetUnsignedValues(*control, wanted);
}

bool TMixer::GetSpeakersMute() {
    const TMixerItem* item = SpeakersItem();
    const TMixerCtrl* control = item != nullptr ? item->MuteCtrl() : nullptr;
    if (control == nullptr) {
        return false;
    }
    std::uint32_t value = 0;
    GetBooleanValues(*control, std::span(&value, 1));
    return value != 0;
}

void TMixer::SetSpeakersMute(bool muted) {
    const TMixerItem* item = SpeakersItem();
    const TMixerCtrl* control = item != nullptr ? item->MuteCtrl() : nullptr;
    if (control == nullptr) {
        return;
    }
    std::uint32_t value = 0;
    GetBooleanValues(*control, std::span(&value, 1));
    if ((value != 0) == muted) {
        return;
    }
    const std::uint32_t wanted = muted ? 1 : 0;
    SetBooleanValues(*control, std::span(&wanted, 1));
}

TMixerDev* TMixer::DeviceByHandle(MixerHandle handle) const {
    for (const auto& device : devices_) {
        if (device->Handle() == handle) {
            return device.get();
        }
    }
    return nullptr;
}

void TMixer::LineChanged(MixerHandle device, std::uint32_t lineId) {
    TMixerDev* dev = DeviceByHandle(device);
    TMixerItem* item = dev != nullptr ? dev->FindLine(lineId) : nullptr;
    if (item != nullptr && OnLineChange) {
        OnLineChange(*this, *dev, *item);
    }
}

void TMixer::ControlChanged(MixerHandle device, std::uint32_t controlId) {
    TMixerDev* dev = DeviceByHandle(device);
    TMixerCtrl* control = dev != nullptr ? dev->FindControl(controlId) : nullptr;
    if (control != nullptr && control->Owner != nullptr && OnControlChange) {
        OnControlChange(*this, *dev, *control->Owner, *control);
    }
}

}  // namespace velmora
