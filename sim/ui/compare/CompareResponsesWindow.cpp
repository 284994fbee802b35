#include "CompareResponsesWindow.h"

#include "ComparisonPlot.h"
#include "ReadingText.h"
#include "Simulation.h"
#include "StepResponseFigureRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const CSimulation* simulationOf(const QListWidgetItem& item) {
    return reinterpret_cast<const CSimulation*>(item.data(Qt::UserRole).value<quintptr>());
}

QVariant keyOf(const CSimulation* simulation) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(simulation));
}

/// Whether the list shows exactly `windows`, in their order and with their titles.
bool listShows(const QListWidget& list, const std::vector<ComparableWindow>& windows) {
    if (static_cast<std::size_t>(list.count()) != windows.size())
        return false;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const QListWidgetItem& item = *list.item(static_cast<int>(i));
        if (simulationOf(item) != windows[i].simulation || item.text() != windows[i].title)
            return false;
    }
    return true;
}

/// A figure's row heading: its name, and its unit when it has one.
QString figureHeading(const StepResponseFigureRow& row) {
    const QString name = QCoreApplication::translate("CStepResponseDock", row.label);
    const QString unit = QString::fromUtf8(row.unit).trimmed();
    return unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit);
}

QTableWidgetItem* figureCell(double value, int decimals) {
    auto* cell = new QTableWidgetItem(FormatReading(value, decimals));
    cell->setData(Qt::UserRole, value);
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

} // namespace

CCompareResponsesWindow::CCompareResponsesWindow(std::function<std::vector<ComparableWindow>()> windows,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_windows(std::move(windows)) {
    setObjectName(QStringLiteral("compareResponsesWindow"));
    setWindowTitle(tr("Comparar respostas"));
    m_pWindowList = new QListWidget(this);
    m_pWindowList->setToolTip(tr("As janelas cujas respostas ao último degrau se comparam."));
    m_pReference = new QComboBox(this);
    m_pReference->setToolTip(tr("A janela com que as outras se comparam: cada diferença é o valor "
                                "menos o da referência."));
    m_pNormalized = new QCheckBox(tr("Normalizado (z)"), this);
    m_pNormalized->setToolTip(tr("Mostra z = (point − point inicial) / (set point − point inicial): "
                                 "0 no início do degrau, 1 no set point."));
    auto* exportChart = new QPushButton(tr("Exportar gráfico..."), this);
    auto* exportData = new QPushButton(tr("Exportar dados..."), this);

    m_pControls = new QWidget(this);
    QWidget* controls = m_pControls;
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(tr("Janelas:"), controls));
    column->addWidget(m_pWindowList, 1);
    column->addWidget(new QLabel(tr("Referência:"), controls));
    column->addWidget(m_pReference);
    column->addWidget(m_pNormalized);
    column->addWidget(exportChart);
    column->addWidget(exportData);

    m_pPlot = new CComparisonPlot(this);
    m_pTable = new QTableWidget(static_cast<int>(kStepResponseFigureRows.size()), 0, this);
    QStringList headings;
    for (const StepResponseFigureRow& row : kStepResponseFigureRows)
        headings.append(figureHeading(row));
    m_pTable->setVerticalHeaderLabels(headings);
    m_pTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    for (std::size_t i = 0; i < kStepResponseFigureRows.size(); ++i)
        m_pTable->verticalHeaderItem(static_cast<int>(i))
            ->setToolTip(
                QCoreApplication::translate("CStepResponseDock", kStepResponseFigureRows[i].tooltip));

    // The table under the plot: side by side, three windows' columns left the plot a sliver.
    m_pFigures = new QSplitter(Qt::Vertical, this);
    m_pFigures->addWidget(m_pPlot);
    m_pFigures->addWidget(m_pTable);
    m_pFigures->setStretchFactor(0, 1);
    m_pSplitter = new QSplitter(this);
    m_pSplitter->addWidget(controls);
    m_pSplitter->addWidget(m_pFigures);
    m_pSplitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pSplitter);

    connect(m_pWindowList, &QListWidget::itemChanged, this, &CCompareResponsesWindow::Refresh);
    connect(m_pReference, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CCompareResponsesWindow::FillTable);
    connect(m_pNormalized, &QCheckBox::toggled, this, &CCompareResponsesWindow::ShowPlot);
    connect(exportChart, &QPushButton::clicked, this, &CCompareResponsesWindow::exportChartRequested);
    connect(exportData, &QPushButton::clicked, this, &CCompareResponsesWindow::exportDataRequested);
    m_refresh.setInterval(kRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &CCompareResponsesWindow::Refresh);
    Refresh();
}

QSize CCompareResponsesWindow::WholeTableSize() const {
    const QTableWidget& table = *m_pTable;
    return {2 * table.frameWidth() + table.verticalHeader()->sizeHint().width() +
                table.horizontalHeader()->length() + table.verticalScrollBar()->sizeHint().width(),
            2 * table.frameWidth() + table.horizontalHeader()->sizeHint().height() +
                table.verticalHeader()->length() + table.horizontalScrollBar()->sizeHint().height()};
}

void CCompareResponsesWindow::FitToContents(const QSize& room) {
    const QSize table = WholeTableSize();
    const QSize plot = m_pPlot->sizeHint();
    const int controls = m_pControls->sizeHint().width();
    const int handle = m_pSplitter->handleWidth();
    const QMargins margins = layout()->contentsMargins();
    resize(QSize(margins.left() + controls + handle + std::max(plot.width(), table.width()) + margins.right(),
                 margins.top() + plot.height() + handle + table.height() + margins.bottom())
               .boundedTo(room));
    layout()->activate();
    m_pSplitter->setSizes({controls, m_pSplitter->width() - controls - handle});
    m_pFigures->setSizes({m_pFigures->height() - table.height() - handle, table.height()});
}

void CCompareResponsesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    m_refresh.start();
}

void CCompareResponsesWindow::hideEvent(QHideEvent* event) {
    m_refresh.stop();
    QWidget::hideEvent(event);
}

void CCompareResponsesWindow::Refresh() {
    SyncWindowList(m_windows());
    m_chosen.clear();
    m_responses.clear();
    for (int i = 0; i < m_pWindowList->count(); ++i) {
        const QListWidgetItem& item = *m_pWindowList->item(i);
        if (item.checkState() != Qt::Checked)
            continue;
        m_chosen.push_back({item.text(), simulationOf(item)});
        m_responses.push_back(LatestResponse(*m_chosen.back().simulation));
    }
    SyncReferenceBox();
    ShowPlot();
    FillTable();
}

void CCompareResponsesWindow::SyncWindowList(const std::vector<ComparableWindow>& windows) {
    if (listShows(*m_pWindowList, windows))
        return;
    // A window new to the list is chosen; the others keep their choice.
    std::vector<const CSimulation*> unchosen;
    for (int i = 0; i < m_pWindowList->count(); ++i) {
        if (m_pWindowList->item(i)->checkState() != Qt::Checked)
            unchosen.push_back(simulationOf(*m_pWindowList->item(i)));
    }
    const QSignalBlocker blocker(m_pWindowList);
    m_pWindowList->clear();
    for (const ComparableWindow& window : windows) {
        auto* item = new QListWidgetItem(window.title, m_pWindowList);
        item->setData(Qt::UserRole, keyOf(window.simulation));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool chosen = std::find(unchosen.begin(), unchosen.end(), window.simulation) == unchosen.end();
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
}

void CCompareResponsesWindow::SyncReferenceBox() {
    const QVariant reference = m_pReference->currentData();
    const QSignalBlocker blocker(m_pReference);
    m_pReference->clear();
    for (const ComparableWindow& window : m_chosen)
        m_pReference->addItem(window.title, keyOf(window.simulation));
    m_pReference->setCurrentIndex(std::max(0, m_pReference->findData(reference)));
}

void CCompareResponsesWindow::ShowPlot() {
    std::vector<NamedResponse> named;
    for (std::size_t i = 0; i < m_chosen.size(); ++i)
        named.push_back({m_chosen[i].title, m_responses[i]});
    m_pPlot->Show(std::move(named), m_pNormalized->isChecked());
}

void CCompareResponsesWindow::FillTable() {
    const int referenceIndex = m_pReference->currentIndex();
    const StepResponseFigures reference = referenceIndex >= 0
                                              ? m_responses[static_cast<std::size_t>(referenceIndex)].figures
                                              : StepResponseFigures();
    // Each window's figures, and beside them their differences to the reference's; the reference's
    // own would be all zeros.
    const int columns = static_cast<int>(2 * m_chosen.size()) - (referenceIndex >= 0 ? 1 : 0);
    m_pTable->setColumnCount(std::max(columns, 0));
    QStringList headings;
    int column = 0;
    for (std::size_t w = 0; w < m_chosen.size(); ++w) {
        const bool withDifference = static_cast<int>(w) != referenceIndex;
        headings << m_chosen[w].title;
        if (withDifference)
            headings << tr("Δ %1").arg(m_chosen[w].title);
        for (std::size_t f = 0; f < kStepResponseFigureFields.size(); ++f) {
            const auto field = kStepResponseFigureFields[f].value;
            const double value = m_responses[w].figures.*field;
            const int decimals = kStepResponseFigureRows[f].decimals;
            m_pTable->setItem(static_cast<int>(f), column, figureCell(value, decimals));
            if (withDifference)
                m_pTable->setItem(static_cast<int>(f), column + 1,
                                  figureCell(value - reference.*field, decimals));
        }
        column += withDifference ? 2 : 1;
    }
    m_pTable->setHorizontalHeaderLabels(headings);
    m_pTable->resizeColumnsToContents();
}

std::string CCompareResponsesWindow::Csv() const {
    std::vector<std::string> names;
    for (const ComparableWindow& window : m_chosen)
        names.push_back(window.title.toStdString());
    return ComparedResponsesCsv(names, m_responses, m_pNormalized->isChecked());
}

void CCompareResponsesWindow::PaintPlot(QPainter& painter, const QRectF& target) const {
    m_pPlot->PaintInto(painter, target);
}

QSize CCompareResponsesWindow::PlotSize() const {
    return m_pPlot->size();
}
