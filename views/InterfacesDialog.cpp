#include "views/InterfacesDialog.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "netstats/InterfaceText.h"
#include "settings/InterfaceChoice.h"

namespace bytelora {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString CountedText(CountReason reason) {
    return QStringLiteral("%1 (%2)").arg(
        IsCounted(reason) ? QCoreApplication::translate("bytelora::InterfacesDialog", "Yes")
                          : QCoreApplication::translate("bytelora::InterfacesDialog", "No"),
        Text(InterfaceWordText(CountReasonText(reason))));
}

// Loopback and filter rows never count, whatever is ticked.
bool CanCount(CountReason reason) {
    return reason != CountReason::Loopback && reason != CountReason::Filter;
}

}  // namespace

InterfacesDialog::InterfacesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InterfacesDialog"));
    setWindowTitle(tr("Interfaces"));
    auto* layout = new QVBoxLayout(this);

    Automatic = new QCheckBox(tr("Use the automatic choice"), this);
    Automatic->setObjectName(QStringLiteral("Automatic"));
    layout->addWidget(Automatic);

    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setRootIsDecorated(false);
    List->setHeaderLabels(
        {tr("Interface"), tr("Type"), tr("Status"), tr("Received"), tr("Sent"), tr("Counted")});
    List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(List);

    Note = new QLabel(tr("The automatic choice counts the interfaces with hardware behind "
                         "them; without any, those with a default route; without those, "
                         "all. Received and sent are counted since the system started."),
                      this);
    Note->setWordWrap(true);
    layout->addWidget(Note);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
        emit ChoiceAccepted(Choice());
        accept();
    });
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Automatic, &QCheckBox::toggled, this, &InterfacesDialog::OnAutomaticToggled);
    connect(List, &QTreeWidget::itemChanged, this, [this] {
        if (!filling_) UpdateOkButton();
    });
    resize(640, 320);
}

void InterfacesDialog::ShowInterfaces(const InterfaceTable& table,
                                      const InterfaceSelection& selection,
                                      const InterfaceSelection* automatic,
                                      const std::map<std::string, std::string>& knownAliases) {
    filling_ = true;
    List->clear();
    automaticTicks_.clear();
    const QLocale locale;
    std::size_t position = 0;
    std::vector<std::string> listed;
    for (const auto& row : table) {
        const CountReason automaticReason =
            automatic ? automatic->Reason(position) : selection.Reason(position);
        const CountReason reason = selection.Reason(position++);
        if (!row) continue;
        auto* item = new QTreeWidgetItem(
            {Text(InterfaceLabelWithDescription(*row)),
             Text(InterfaceWordText(InterfaceTypeText(row->InterfaceType()))),
             Text(InterfaceWordText(OperationalStatusText(row->OperationalStatus()))),
             locale.toString(static_cast<qulonglong>(row->OctetsReceived())),
             locale.toString(static_cast<qulonglong>(row->OctetsSent())), CountedText(reason)});
        // The choice is stored by the interface's stable key, which the label may not be.
        item->setData(kName, Qt::UserRole, Text(row->InterfaceName()));
        if (InterfaceLabel(*row) != row->InterfaceName()) {
            item->setToolTip(kName, Text(row->InterfaceName()));
        }
        item->setTextAlignment(kReceived, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kSent, Qt::AlignRight | Qt::AlignVCenter);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (CanCount(reason) && IsStorableInterfaceName(row->InterfaceName())) {
            flags |= Qt::ItemIsUserCheckable;
        }
        item->setFlags(flags);
        item->setCheckState(kName, IsCounted(reason) ? Qt::Checked : Qt::Unchecked);
        List->addTopLevelItem(item);
        automaticTicks_.push_back(IsCounted(automaticReason) ? Qt::Checked : Qt::Unchecked);
        listed.push_back(row->InterfaceName());
        if (!row->Alias().empty()) listed.push_back(row->Alias());
    }
    // A chosen interface that is away now keeps its place in the choice.
    for (const auto& name : selection.Chosen()) {
        if (std::find(listed.begin(), listed.end(), name) != listed.end()) continue;
        const auto alias = knownAliases.find(name);
        const bool named = alias != knownAliases.end() && !alias->second.empty();
        auto* item =
            new QTreeWidgetItem({Text(named ? alias->second : name), QString(), tr("not present"),
                                 QString(), QString(), tr("No (not present)")});
        item->setData(kName, Qt::UserRole, Text(name));
        if (named) item->setToolTip(kName, Text(name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(kName, Qt::Checked);
        List->addTopLevelItem(item);
        automaticTicks_.push_back(Qt::Unchecked);
    }
    Automatic->setChecked(selection.Automatic());
    OnAutomaticToggled(selection.Automatic());
    filling_ = false;
    UpdateOkButton();
}

std::vector<std::string> InterfacesDialog::Choice() const {
    std::vector<std::string> names;
    if (Automatic->isChecked()) return names;
    for (int i = 0; i < List->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = List->topLevelItem(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(kName) == Qt::Checked) {
            const QVariant key = item->data(kName, Qt::UserRole);
            names.push_back((key.isValid() ? key.toString() : item->text(kName)).toStdString());
        }
    }
    return names;
}

void InterfacesDialog::OnAutomaticToggled(bool automatic) {
    const bool wasFilling = filling_;
    filling_ = true;
    for (int i = 0; i < List->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = List->topLevelItem(i);
        // Under the automatic choice the ticks show what it counts and cannot be changed.
        if (automatic && static_cast<std::size_t>(i) < automaticTicks_.size()) {
            item->setCheckState(kName, automaticTicks_[static_cast<std::size_t>(i)]);
        }
        item->setDisabled(automatic);
    }
    filling_ = wasFilling;
    UpdateOkButton();
}

void InterfacesDialog::UpdateOkButton() {
    // An empty list of names would mean the automatic choice, not "count nothing".
    QPushButton* ok = Buttons->button(QDialogButtonBox::Ok);
    if (ok) ok->setEnabled(Automatic->isChecked() || !Choice().empty());
}

}  // namespace bytelora
