#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/MessageBoxes.h"

namespace bytelora::testing {

// Message boxes that nobody has to click: every box is recorded, and questions are
// answered from a queue, then from a fixed answer.
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    struct Box {
        std::string title;
        std::string text;
        BoxIcon icon = BoxIcon::None;
    };
    struct Question {
        std::string title;
        std::string text;
    };

    void Show(const std::string& title, const std::string& text, BoxIcon icon) override {
        shown_.push_back(Box{title, text, icon});
        if (onShow_) {
            onShow_(shown_.back());
        }
        if (showFailure_) {
            throw std::runtime_error(*showFailure_);
        }
    }

    bool AskYesNo(const std::string& title, const std::string& text) override {
        asked_.push_back(Question{title, text});
        if (askFailure_) {
            throw std::runtime_error(*askFailure_);
        }
        if (!answers_.empty()) {
            const bool answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return fixedAnswer_;
    }

    // Answers for the next questions, in order; afterwards the fixed answer is given.
    void QueueAnswers(std::initializer_list<bool> answers) {
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }
    void SetFixedAnswer(bool answer) { fixedAnswer_ = answer; }

    // Show records the box and then throws std::runtime_error with this text.
    void FailShow(std::string description) { showFailure_ = std::move(description); }
    // AskYesNo records the question and then throws std::runtime_error with this text.
    void FailAsk(std::string description) { askFailure_ = std::move(description); }

    // Runs while the box is "open": lets a test do what a nested event would do.
    void OnShow(std::function<void(const Box&)> action) { onShow_ = std::move(action); }

    const std::vector<Box>& shown() const { return shown_; }
    const std::vector<Question>& asked() const { return asked_; }
    void Clear() {
        shown_.clear();
        asked_.clear();
    }

  private:
    std::vector<Box> shown_;
    std::vector<Question> asked_;
    std::deque<bool> answers_;
    bool fixedAnswer_ = false;
    std::optional<std::string> showFailure_;
    std::optional<std::string> askFailure_;
    std::function<void(const Box&)> onShow_;
};

}  // namespace bytelora::testing
