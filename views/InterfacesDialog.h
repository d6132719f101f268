#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTreeWidget>

#include <map>
#include <string>
#include <vector>

#include "netstats/InterfaceSelection.h"
#include "netstats/InterfaceTable.h"

namespace bytelora {

// Lists every interface with its type, state, the bytes it moved since the system
// started and whether it counts toward the totals and why; the user ticks the ones to
// count or leaves the choice to the program. Nothing is stored here: the caller takes
// the accepted choice.
class InterfacesDialog : public QDialog {
    Q_OBJECT

  public:
    enum Column { kName, kType, kStatus, kReceived, kSent, kCounted, kColumns };

    explicit InterfacesDialog(QWidget* parent = nullptr);

    // Shows the rows of `table` as `selection` decided them (its last Update was for
    // this table) and its choice. Names chosen but not in the table are listed too, so
    // they can be seen and un-ticked. `automatic`, decided for the same table without a
    // choice, gives the ticks that "Use the automatic choice" shows; without it, the
    // ticks of `selection`. `knownAliases` (key to alias, as the usage history last saw
    // them) names a chosen interface that is away now by the alias the user knows.
    void ShowInterfaces(const InterfaceTable& table, const InterfaceSelection& selection,
                        const InterfaceSelection* automatic = nullptr,
                        const std::map<std::string, std::string>& knownAliases = {});

    // The choice as it stands in the dialog: empty for the automatic one.
    std::vector<std::string> Choice() const;

    QCheckBox* Automatic = nullptr;
    QTreeWidget* List = nullptr;
    QLabel* Note = nullptr;
    QDialogButtonBox* Buttons = nullptr;

  signals:
    // OK with a choice; empty names mean the automatic choice.
    void ChoiceAccepted(const std::vector<std::string>& names);

  private:
    void OnAutomaticToggled(bool automatic);
    void UpdateOkButton();

    // The tick each row had from the program's own choice, restored when the user goes
    // back to it.
    std::vector<Qt::CheckState> automaticTicks_;
    bool filling_ = false;
};

}  // namespace bytelora
