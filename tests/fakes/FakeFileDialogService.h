#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialog/FileDialogService.h"

namespace velmora::test {

// Answers each dialog with the next preset choice (cancel when none is
// left) and writes down how it was opened.
class FakeFileDialogService final : public FileDialogService {
public:
    struct Opened {
        QString title;
        QString filter;
    };

    std::vector<std::string> OpenFileNames(QWidget* /*parent*/, const QString& title,
                                           const QString& filter) override {
        opened.push_back({title, filter});
        if (nextFiles.empty()) {
            return {};
        }
        std::vector<std::string> files = std::move(nextFiles.front());
        nextFiles.pop_front();
        return files;
    }
    std::optional<QString> ChooseFontFamily(QWidget* /*parent*/, const QFont& initial) override {
        fontStarts.push_back(initial.family());
        return std::exchange(nextFont, std::nullopt);
    }

    std::deque<std::vector<std::string>> nextFiles;
    std::optional<QString> nextFont;
    std::vector<Opened> opened;
    std::vector<QString> fontStarts;
};

}  // namespace velmora::test
