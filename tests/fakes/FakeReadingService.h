#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "speech/ReadingService.h"

namespace velmora::test {

// Makes scripted reading services and writes down, in order, everything
// that is done with them: "open", "read:<text>", "close", "release".
class FakeReadingServices {
public:
    bool available = true;  // false: the factory has no service to give
    bool openFails = false;
    int failingRead = -1;  // index of the GetPhonetic call that fails
    // The reading of a text; by default the text itself.
    std::function<std::string(std::string_view)> reading = [](std::string_view text) {
        return std::string(text);
    };

    std::vector<std::string> log;
    int reads = 0;

    ReadingServiceFactory Factory() {
        return [this]() -> std::unique_ptr<ReadingService> {
            if (!available) {
                return nullptr;
            }
            return std::make_unique<Service>(*this);
        };
    }

    // Only the texts that were read, in order.
    std::vector<std::string> ReadTexts() const {
        std::vector<std::string> texts;
        for (const std::string& entry : log) {
            if (entry.rfind("read:", 0) == 0) {
                texts.push_back(entry.substr(5));
            }
        }
        return texts;
    }

private:
    class Service final : public ReadingService {
    public:
        explicit Service(FakeReadingServices& owner) : owner_(owner) {}
        ~Service() override { owner_.log.emplace_back("release"); }
        bool Open() override {
            owner_.log.emplace_back("open");
            return !owner_.openFails;
        }
        std::optional<std::string> GetPhonetic(std::string_view text) override {
            owner_.log.push_back("read:" + std::string(text));
            if (owner_.reads++ == owner_.failingRead) {
                return std::nullopt;
            }
            return owner_.reading(text);
        }
        void Close() override { owner_.log.emplace_back("close"); }

    private:
        FakeReadingServices& owner_;
    };
};

}  // namespace velmora::test
