#include "SelectWindowDlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include <algorithm>

CSelectWindowDlg::CSelectWindowDlg(const QList<QMdiSubWindow*>& windows, QMdiSubWindow* active,
                                   QWidget* parent)
    : QDialog(parent), m_windows(windows), m_pList(new QListWidget(this)) {
    setWindowTitle(tr("Select Window"));
    for (const QMdiSubWindow* window : windows)
        m_pList->addItem(window->windowTitle());
    m_pList->setCurrentRow(std::max(0, static_cast<int>(windows.indexOf(active))));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
}

QMdiSubWindow* CSelectWindowDlg::ChosenWindow() const {
    const int row = m_pList->currentRow();
    return row >= 0 && row < m_windows.size() ? m_windows[row] : nullptr;
}
