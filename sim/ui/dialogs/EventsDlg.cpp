#include "EventsDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CEventsDlg::CEventsDlg(const std::vector<ScheduledEvent>& events, QWidget* parent, bool plantHidden)
    : QDialog(parent), m_events(new CEventsTable(events, this, plantHidden)) {
    setWindowTitle(tr("Eventos"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_events);
    layout->addWidget(buttons);
}
