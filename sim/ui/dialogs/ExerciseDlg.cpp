#include "ExerciseDlg.h"

#include "ChecksTable.h"
#include "EventsTable.h"
#include "RangedEdit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Group(const QString& title, QWidget* content) {
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

} // namespace

CExerciseDlg::CExerciseDlg(const Exercise* exercise, std::size_t windowCount, QWidget* parent)
    : QDialog(parent), m_title(new QLineEdit(this)), m_instructions(new QPlainTextEdit(this)),
      m_hidePlant(new QCheckBox(tr("Ocultar a planta"), this)),
      m_runS(new CRangedEdit(NumberRange::NotNegative, this)),
      m_events(
          new CEventsTable(exercise != nullptr ? exercise->events : std::vector<ScheduledEvent>(), this)),
      m_checks(new CChecksTable(exercise != nullptr ? exercise->checks : std::vector<ExerciseCheck>(),
                                windowCount, this)),
      m_removeExercise(new QPushButton(tr("Remover exercício"), this)), m_problem(new QLabel(this)) {
    setWindowTitle(tr("Exercício"));
    m_hidePlant->setToolTip(tr("Esconde dos alunos a expressão e a dinâmica da planta. Não as protege: o "
                               "arquivo .vrl é texto e quem o abre num editor as lê."));
    m_runS->setToolTip(tr("Quanto dura, em segundos simulados, a execução que a correção mede; vazio: "
                          "nenhuma duração"));
    m_instructions->setTabChangesFocus(true);
    m_instructions->setMaximumHeight(QFontMetrics(font()).lineSpacing() * 5);
    m_problem->setObjectName(QStringLiteral("exerciseProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    if (exercise != nullptr)
        Show(*exercise);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Título:"), m_title);
    fields->addRow(tr("Instruções:"), m_instructions);
    fields->addRow(QString(), m_hidePlant);
    fields->addRow(tr("Duração da correção (s):"), m_runS);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CExerciseDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_removeExercise, &QPushButton::clicked, this, &CExerciseDlg::OnRemoveExercise);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Group(tr("Eventos da execução"), m_events));
    layout->addWidget(Group(tr("Verificações"), m_checks));
    layout->addWidget(m_problem);
    // Apart from OK and Cancel: taking the whole exercise away is not one more way to close.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_removeExercise);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

void CExerciseDlg::accept() {
    Exercise exercise;
    QString problem;
    if (!ReadExercise(exercise, problem)) {
        m_problem->setText(problem);
        m_problem->show();
        return;
    }
    m_result = exercise;
    QDialog::accept();
}

void CExerciseDlg::Show(const Exercise& exercise) {
    m_title->setText(QString::fromStdString(exercise.title));
    m_instructions->setPlainText(QString::fromStdString(exercise.instructions));
    m_hidePlant->setChecked(exercise.hidePlant);
    if (exercise.hasRunS)
        m_runS->SetValue(exercise.runS);
}

bool CExerciseDlg::ReadExercise(Exercise& exercise, QString& problem) const {
    std::optional<double> runS;
    if (!m_runS->ReadOptional(runS)) {
        problem = tr("Duração da correção: esperado um número de 0 ou mais, ou nada");
        return false;
    }
    exercise.title = m_title->text().toStdString();
    exercise.instructions = m_instructions->toPlainText().toStdString();
    exercise.hidePlant = m_hidePlant->isChecked();
    exercise.hasRunS = runS.has_value();
    exercise.runS = runS.value_or(0.0);
    exercise.events = m_events->Events();
    return m_checks->ReadChecks(exercise.checks, problem);
}

void CExerciseDlg::OnRemoveExercise() {
    m_result.reset();
    QDialog::accept();
}
