#include "sound/alsa/AlsaMixerTable.h"

#include <alsa/asoundlib.h>
#include <poll.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <string_view>
#include <utility>

#include "sound/MixerTypes.h"
#include "sound/alsa/AlsaMixerLine.h"

namespace velmora {

namespace {

int ResultOf(int alsaError) {
    switch (-alsaError) {
        case ENODEV:
        case ENXIO:
        case ENOENT:
            return kMixerBadDeviceId;
        case EBADF:
        case EBADFD:
            return kMixerInvalidHandle;
        case ENOMEM:
            return kMixerNoMemory;
        case EINVAL:
            return kMixerInvalidParameter;
        default:
            // Reported as an unknown error with the (negative) errno.
            return alsaError;
    }
}

// The output a card's master level is taken from, in order of preference.
constexpr std::array<std::string_view, 5> kOutputNames = {"Master", "Speaker", "PCM", "Headphone",
                                                          "Front"};

int OpenMixer(const std::string& name, snd_mixer_t*& mixer) {
    int err = snd_mixer_open(&mixer, 0);
    if (err < 0) {
        return err;
    }
    if ((err = snd_mixer_attach(mixer, name.c_str())) < 0 ||
        (err = snd_mixer_selem_register(mixer, nullptr, nullptr)) < 0 ||
        (err = snd_mixer_load(mixer)) < 0) {
        snd_mixer_close(mixer);
        mixer = nullptr;
    }
    return err;
}

std::string CardName(const std::string& device) {
    std::string name = device;
    snd_ctl_t* ctl = nullptr;
    if (snd_ctl_open(&ctl, device.c_str(), 0) < 0) {
        return name;
    }
    snd_ctl_card_info_t* info = nullptr;
    if (snd_ctl_card_info_malloc(&info) == 0) {
        if (snd_ctl_card_info(ctl, info) == 0) {
            name = snd_ctl_card_info_get_name(info);
        }
        snd_ctl_card_info_free(info);
    }
    snd_ctl_close(ctl);
    return name;
}

int OnElementEvent(snd_mixer_elem_t* elem, unsigned int mask);

}  // namespace

struct AlsaMixerTable::Device {
    snd_mixer_t* mixer = nullptr;
    std::string cardName;
    std::vector<std::unique_ptr<AlsaMixerLine>> lines;  // the speakers first
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers;

    ~Device() {
        notifiers.clear();
        if (mixer != nullptr) {
            snd_mixer_close(mixer);
        }
    }

    // Takes in the changes the driver has reported since the last call.
    void TakeEvents() {
        const int count = snd_mixer_poll_descriptors_count(mixer);
        if (count <= 0) {
            return;
        }
        std::vector<pollfd> fds(static_cast<std::size_t>(count));
        snd_mixer_poll_descriptors(mixer, fds.data(), static_cast<unsigned>(count));
        if (::poll(fds.data(), fds.size(), 0) <= 0) {
            return;
        }
        unsigned short revents = 0;
        snd_mixer_poll_descriptors_revents(mixer, fds.data(), static_cast<unsigned>(count),
                                           &revents);
        // A device that went away keeps reporting an error: stop watching it.
        if ((revents & (POLLERR | POLLHUP)) != 0 ||
            ((revents & POLLIN) != 0 && snd_mixer_handle_events(mixer) < 0)) {
            notifiers.clear();
        }
    }
};

struct AlsaMixerTable::Delivery {
    QObject context;
    bool scheduled = false;
};

namespace {

int OnElementEvent(snd_mixer_elem_t* elem, unsigned int mask) {
    auto* line = static_cast<AlsaMixerLine*>(snd_mixer_elem_get_callback_private(elem));
    if (line == nullptr) {
        return 0;
    }
    if (mask == SND_CTL_EVENT_MASK_REMOVE) {
        line->elem = nullptr;
        line->table->Changed(line->handle, line->id, true);
        return 0;
    }
    if ((mask & SND_CTL_EVENT_MASK_VALUE) != 0) {
        std::vector<std::uint32_t> levels;
        if (line->hasVolume && line->ReadLevels(levels) == 0 && levels != line->lastLevels) {
            line->lastLevels = levels;
            line->table->Changed(line->handle, line->VolumeId(), false);
        }
        bool muted = false;
        if (line->hasSwitch && line->ReadMuted(muted) == 0 && muted != line->lastMuted) {
            line->lastMuted = muted;
            line->table->Changed(line->handle, line->MuteId(), false);
        }
    }
    if ((mask & SND_CTL_EVENT_MASK_INFO) != 0) {
        line->table->Changed(line->handle, line->id, true);
    }
    return 0;
}

}  // namespace

AlsaMixerTable::AlsaMixerTable() : AlsaMixerTable(CardNames()) {}

AlsaMixerTable::AlsaMixerTable(std::vector<std::string> deviceNames)
    : names_(std::move(deviceNames)), delivery_(std::make_unique<Delivery>()) {}

AlsaMixerTable::~AlsaMixerTable() {
    devices_.clear();
}

std::vector<std::string> AlsaMixerTable::CardNames() {
    std::vector<std::string> names;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        names.push_back("hw:" + std::to_string(card));
    }
    return names;
}

std::uint32_t AlsaMixerTable::DeviceCount() {
    return static_cast<std::uint32_t>(names_.size());
}

int AlsaMixerTable::GetDeviceCaps(std::uint32_t device, MixerDeviceCaps& caps) {
    if (device >= names_.size()) {
        return kMixerBadDeviceId;
    }
    snd_mixer_t* mixer = nullptr;
    const int err = OpenMixer(names_[device], mixer);
    if (err < 0) {
        return ResultOf(err);
    }
    caps.destinations = 0;
    for (snd_mixer_elem_t* elem = snd_mixer_first_elem(mixer); elem != nullptr;
         elem = snd_mixer_elem_next(elem)) {
        if (snd_mixer_selem_has_playback_volume(elem) != 0 ||
            snd_mixer_selem_has_playback_switch(elem) != 0) {
            caps.destinations = 1;
            break;
        }
    }
    snd_mixer_close(mixer);
    caps.name = CardName(names_[device]);
    return kMixerOk;
}

int AlsaMixerTable::Open(std::uint32_t device, MixerHandle& handle) {
    if (device >= names_.size()) {
        return kMixerBadDeviceId;
    }
    auto opened = std::make_unique<Device>();
    const int err = OpenMixer(names_[device], opened->mixer);
    if (err < 0) {
        return ResultOf(err);
    }
    handle = nextHandle_++;
    opened->cardName = CardName(names_[device]);
    for (snd_mixer_elem_t* elem = snd_mixer_first_elem(opened->mixer); elem != nullptr;
         elem = snd_mixer_elem_next(elem)) {
        if (!AlsaMixerLine::Playback(elem)) {
            continue;
        }
        auto line = AlsaMixerLine::FromElement(elem);
        line->table = this;
        line->handle = handle;
        opened->lines.push_back(std::move(line));
    }
    // The speakers line first; the rest keep the driver's order.
    auto& lines = opened->lines;
    for (std::string_view output : kOutputNames) {
        const auto found = std::find_if(lines.begin(), lines.end(),
                                        [&](const auto& line) { return line->name == output; });
        if (found != lines.end()) {
            std::rotate(lines.begin(), found, found + 1);
            break;
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        AlsaMixerLine& line = *lines[i];
        line.id = static_cast<std::uint32_t>(i);
        line.component =
            i == 0 ? kComponentDestinationSpeakers : AlsaMixerLine::SourceComponent(line.name);
        if (line.hasVolume) {
            line.ReadLevels(line.lastLevels);
        }
        if (line.hasSwitch) {
            line.ReadMuted(line.lastMuted);
        }
        snd_mixer_elem_set_callback_private(line.elem, &line);
        snd_mixer_elem_set_callback(line.elem, &OnElementEvent);
    }
    if (QCoreApplication::instance() != nullptr) {
        const int count = snd_mixer_poll_descriptors_count(opened->mixer);
        std::vector<pollfd> fds(static_cast<std::size_t>(std::max(count, 0)));
        snd_mixer_poll_descriptors(opened->mixer, fds.data(), static_cast<unsigned>(fds.size()));
        for (const pollfd& fd : fds) {
            auto notifier = std::make_unique<QSocketNotifier>(fd.fd, QSocketNotifier::Read);
            const MixerHandle owner = handle;
            QObject::connect(notifier.get(), &QSocketNotifier::activated, &delivery_->context,
                             [this, owner] {
                                 if (Device* watched = Find(owner)) {
                                     watched->TakeEvents();
                                 }
                             });
            opened->notifiers.push_back(std::move(notifier));
        }
    }
    devices_[handle] = std::move(opened);
    return kMixerOk;
}

void AlsaMixerTable::Close(MixerHandle handle) {
    devices_.erase(handle);
}

AlsaMixerTable::Device* AlsaMixerTable::Find(MixerHandle handle) {
    const auto found = devices_.find(handle);
    return found == devices_.end() ? nullptr : found->second.get();
}

AlsaMixerLine* AlsaMixerTable::FindLine(Device& device, std::uint32_t lineId) {
    if (lineId >= device.lines.size() || device.lines[lineId]->elem == nullptr) {
        return nullptr;
    }
    return device.lines[lineId].get();
}

namespace {

void Describe(const AlsaMixerLine& line, const std::string& cardName, MixerLineInfo& info) {
    info.lineId = line.id;
    info.componentType = line.component;
    info.channels = static_cast<std::uint32_t>(line.channels.size());
    info.controls = (line.hasVolume ? 1U : 0U) + (line.hasSwitch ? 1U : 0U);
    info.name = line.name;
    info.shortName = line.name;
    info.targetName = cardName;
}

}  // namespace

int AlsaMixerTable::GetDestinationInfo(MixerHandle handle, std::uint32_t destination,
                                       MixerLineInfo& info) {
    Device* device = Find(handle);
    if (device == nullptr) {
        return kMixerInvalidHandle;
    }
    if (destination != 0 || device->lines.empty()) {
        return kMixerInvalidLine;
    }
    Describe(*device->lines.front(), device->cardName, info);
    info.connections = static_cast<std::uint32_t>(device->lines.size() - 1);
    return kMixerOk;
}

int AlsaMixerTable::GetSourceInfo(MixerHandle handle, std::uint32_t destination,
                                  std::uint32_t source, MixerLineInfo& info) {
    Device* device = Find(handle);
    if (device == nullptr) {
        return kMixerInvalidHandle;
    }
    if (destination != 0 || source + 1 >= device->lines.size()) {
        return kMixerInvalidLine;
    }
    Describe(*device->lines[source + 1], device->cardName, info);
    info.connections = 0;
    return kMixerOk;
}

int AlsaMixerTable::GetLineControls(MixerHandle handle, std::uint32_t lineId,
                                    std::vector<MixerControlInfo>& controls) {
    Device* device = Find(handle);
    if (device == nullptr) {
        return kMixerInvalidHandle;
    }
    const AlsaMixerLine* line = FindLine(*device, lineId);
    if (line == nullptr) {
        return kMixerInvalidLine;
    }
    controls.clear();
    if (line->hasVolume) {
        MixerControlInfo volume;
        volume.controlId = line->VolumeId();
        volume.controlType = kControlTypeVolume;
        volume.name = line->name + " Playback Volume";
        volume.shortName = line->name;
        volume.bounds = {0, 65535, 0, 0, 0, 0};
        volume.metrics = {static_cast<std::uint32_t>(line->max - line->min), 0, 0, 0, 0, 0};
        controls.push_back(volume);
    }
    if (line->hasSwitch) {
        MixerControlInfo mute;
        mute.controlId = line->MuteId();
        mute.controlType = kControlTypeMute;
        mute.flags = kControlUniform;
        mute.name = line->name + " Playback Switch";
        mute.shortName = line->name;
        mute.bounds = {0, 1, 0, 0, 0, 0};
        controls.push_back(mute);
    }
    return kMixerOk;
}

int AlsaMixerTable::FindControl(MixerHandle handle, std::uint32_t controlId, std::size_t count,
                                const AlsaMixerLine*& line, bool& isMute) {
    Device* device = Find(handle);
    if (device == nullptr) {
        return kMixerInvalidHandle;
    }
    // Levels changed by other programs are seen only after their events.
    device->TakeEvents();
    line = FindLine(*device, controlId / 2);
    isMute = controlId % 2 == 1;
    if (line == nullptr || (isMute ? !line->hasSwitch : !line->hasVolume)) {
        return kMixerInvalidControl;
    }
    return count == (isMute ? 1 : line->channels.size()) ? kMixerOk : kMixerInvalidParameter;
}

int AlsaMixerTable::GetControlDetails(MixerHandle handle, std::uint32_t controlId,
                                      std::span<std::uint32_t> values) {
    const AlsaMixerLine* line = nullptr;
    bool isMute = false;
    if (const int result = FindControl(handle, controlId, values.size(), line, isMute);
        result != kMixerOk) {
        return result;
    }
    if (isMute) {
        bool muted = false;
        const int err = line->ReadMuted(muted);
        values[0] = muted ? 1 : 0;
        return err < 0 ? ResultOf(err) : kMixerOk;
    }
    std::vector<std::uint32_t> levels;
    const int err = line->ReadLevels(levels);
    if (err < 0) {
        return ResultOf(err);
    }
    std::copy(levels.begin(), levels.end(), values.begin());
    return kMixerOk;
}

int AlsaMixerTable::SetControlDetails(MixerHandle handle, std::uint32_t controlId,
                                      std::span<const std::uint32_t> values) {
    const AlsaMixerLine* line = nullptr;
    bool isMute = false;
    if (const int result = FindControl(handle, controlId, values.size(), line, isMute);
        result != kMixerOk) {
        return result;
    }
    const int err =
        isMute ? snd_mixer_selem_set_playback_switch_all(line->elem, values[0] != 0 ? 0 : 1)
               : line->WriteLevels(values);
    return err < 0 ? ResultOf(err) : kMixerOk;
}

void AlsaMixerTable::SetListener(MixerChangeListener* listener) {
    listener_ = listener;
}

void AlsaMixerTable::Changed(MixerHandle handle, std::uint32_t id, bool isLine) {
    // Handlers run from the event loop, never inside the table's own calls
    // (a read takes in pending events, which would re-enter the mixer);
    // without an event loop nobody listens.
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    pending_.push_back({handle, id, isLine});
    if (!delivery_->scheduled) {
        delivery_->scheduled = true;
        QMetaObject::invokeMethod(
            &delivery_->context, [this] { DeliverChanges(); }, Qt::QueuedConnection);
    }
}

void AlsaMixerTable::DeliverChanges() {
    delivery_->scheduled = false;
    std::vector<PendingChange> changes;
    changes.swap(pending_);
    for (const PendingChange& change : changes) {
        if (listener_ == nullptr) {
            break;
        }
        if (change.isLine) {
            listener_->LineChanged(change.handle, change.id);
        } else {
            listener_->ControlChanged(change.handle, change.id);
        }
    }
}

}  // namespace velmora
