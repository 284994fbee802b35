#include "RowsEditor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CRowsEditor::CRowsEditor(const QStringList& headers, int stretched, QWidget* parent)
    : QWidget(parent), m_table(new QTableWidget(0, static_cast<int>(headers.size()), this)),
      m_add(new QPushButton(tr("Adicionar"), this)), m_remove(new QPushButton(tr("Remover"), this)) {
    m_table->setHorizontalHeaderLabels(headers);
    m_table->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setMinimumWidth(460);
    connect(m_add, &QPushButton::clicked, this, &CRowsEditor::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &CRowsEditor::OnRemove);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
}

int CRowsEditor::RowOfWidget(const QWidget* widget, int column) const {
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->cellWidget(row, column) == widget)
            return row;
    }
    return -1;
}

void CRowsEditor::OnAdd() {
    AddNewRow();
    m_table->setCurrentCell(m_table->rowCount() - 1, 0);
}

void CRowsEditor::OnRemove() {
    const int row = m_table->currentRow();
    if (row >= 0)
        m_table->removeRow(row);
}
