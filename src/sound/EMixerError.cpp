#include "sound/EMixerError.h"

#include "sound/MixerDeviceTable.h"
#include "sound/TMixerCtrl.h"

namespace velmora {

namespace {

std::string FullMessage(int errorCode, const TMixerCtrl* control) {
    std::string message = EMixerError::MessageFor(errorCode);
    if (control != nullptr) {
        message += "(" + control->Name + ")";
    }
    return message;
}

}  // namespace

EMixerError::EMixerError(int errorCode, const TMixerCtrl* control)
    : std::runtime_error(FullMessage(errorCode, control)),
      errorCode_(errorCode),
      control_(control) {}

std::string EMixerError::MessageFor(int errorCode) {
    switch (errorCode) {
        case kMixerBadDeviceId:
            return "デバイスIDは不正です";
        case kMixerInvalidHandle:
            return "無効なハンドルです";
        case kMixerNoDriver:
            return "デバイスドライバがありません";
        case kMixerNoMemory:
            return "メモリを割り当てられないかメモリをロックできません";
        case kMixerInvalidFlag:
            return "無効なフラグです";
        case kMixerInvalidParameter:
            return "無効なパラメータです";
        case kMixerInvalidLine:
            return "無効なラインです";
        case kMixerInvalidControl:
            return "無効なコントロールです";
        default:
            return "不明なエラー:" + std::to_string(errorCode);
    }
}

}  // namespace velmora
