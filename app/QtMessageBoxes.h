#pragma once

#include <QPointer>
#include <QWidget>

#include "common/MessageBoxes.h"

namespace bytelora {

// Real modal boxes. A box without a title of its own carries the application title.
// The texts are shown as plain text: an error description is never read as markup.
class QtMessageBoxes final : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}

    void Show(const std::string& title, const std::string& text, BoxIcon icon) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;

    // Text as the box shows it: CR LF and lone CRs become line breaks.
    static QString DisplayText(const std::string& text);

  private:
    QPointer<QWidget> parent_;
};

}  // namespace bytelora
