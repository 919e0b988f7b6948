#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "dialog/SystemPower.h"

namespace velmora::test {

// Allows the states in `allowed`, writes every question and request down
// ("may:Sleep", "enter:Sleep") and runs `onAsk` when asked, to look at the
// program at that moment.
class FakeSystemPower final : public SystemPower {
public:
    bool MayEnter(PowerAction action) override {
        log.push_back("may:" + Name(action));
        if (onAsk) {
            onAsk();
        }
        return allowed.count(action) > 0;
    }
    void Enter(PowerAction action) override { log.push_back("enter:" + Name(action)); }

    static std::string Name(PowerAction action) {
        switch (action) {
            case PowerAction::Sleep:
                return "Sleep";
            case PowerAction::Standby:
                return "Standby";
            case PowerAction::Hibernate:
                return "Hibernate";
            case PowerAction::None:
                break;
        }
        return "None";
    }

    std::set<PowerAction> allowed;
    std::function<void()> onAsk;
    std::vector<std::string> log;
};

}  // namespace velmora::test
