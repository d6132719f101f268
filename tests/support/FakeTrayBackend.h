#pragma once

#include <QIcon>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tray/TrayBackend.h"

namespace bytelora::testing {

// A notification area that only writes down what it is asked to do, in order, and lets
// a test play the user: Click(0x202) arrives at the tray control as if the shell had
// sent it.
class FakeTrayBackend final : public TrayBackend {
  public:
    enum class Kind { AddIcon, ChangeIcon, ChangeTip, ShowBalloon, TakeBalloonDown, DeleteIcon };

    struct Call {
        Kind kind;
        QIcon icon;         // AddIcon, ChangeIcon
        QString tip;        // AddIcon, ChangeTip
        QString title;      // ShowBalloon
        QString text;       // ShowBalloon
        int timeoutMs = 0;  // ShowBalloon
    };

    bool IsAvailable() const override { return available_; }
    void SetAvailable(bool available) { available_ = available; }
    // The desktop's notification area goes away or a new one appears.
    void ReportTray(bool available) {
        available_ = available;
        ReportAvailability(available);
    }

    void AddIcon(const QIcon& icon, const QString& tip) override {
        calls_.push_back({Kind::AddIcon, icon, tip, {}, {}, 0});
    }
    void ChangeIcon(const QIcon& icon) override {
        calls_.push_back({Kind::ChangeIcon, icon, {}, {}, {}, 0});
    }
    void ChangeTip(const QString& tip) override {
        calls_.push_back({Kind::ChangeTip, {}, tip, {}, {}, 0});
    }
    void ShowBalloon(const QString& title, const QString& text, int timeoutMs) override {
        calls_.push_back({Kind::ShowBalloon, {}, {}, title, text, timeoutMs});
    }
    void TakeBalloonDown() override {
        calls_.push_back({Kind::TakeBalloonDown, {}, {}, {}, {}, 0});
    }
    void DeleteIcon() override { calls_.push_back({Kind::DeleteIcon, {}, {}, {}, {}, 0}); }

    // The user's side: any callback code, and the usual gestures.
    void Click(std::uint32_t lParam, std::uint32_t wParam = 0) const { Deliver(lParam, wParam); }
    void LeftClick() const {
        Click(0x201);
        Click(0x202);
    }
    void RightClick() const {
        Click(0x204);
        Click(0x205);
    }
    void ClickBalloon() const { Click(0x405); }

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Kind> kinds() const {
        std::vector<Kind> result;
        for (const Call& call : calls_) result.push_back(call.kind);
        return result;
    }
    std::size_t Count(Kind kind) const {
        std::size_t n = 0;
        for (const Call& call : calls_) n += call.kind == kind ? 1 : 0;
        return n;
    }
    const Call* Last(Kind kind) const {
        for (auto it = calls_.rbegin(); it != calls_.rend(); ++it) {
            if (it->kind == kind) return &*it;
        }
        return nullptr;
    }
    void ClearCalls() { calls_.clear(); }

  private:
    bool available_ = true;
    std::vector<Call> calls_;
};

}  // namespace bytelora::testing
